#pragma once

#include "document/ElementRecords.h"
#include "picture/Colour.h"

#include <QString>
#include <QStringView>

// The value forms of skin-file keys that are not placements: flags, pairs, sizes and colour triples,
// and the decimal numbers the writer puts out.

// True only for exactly "1".
bool ParseFlag(QStringView value);
// "x,y": the first number before the first ",", the second after it (0 when there is no ",").
SourcePoint ParsePair(QStringView value);
// "wxh": the width before the first "x", the height after it.
BoxSize ParseSize(QStringView value);
// "r,g,b", each cut to its lowest 8 bits.
Colour ParseColourTriple(QStringView value);

// The text before the first occurrence of separator and the text after it; without one, all of the
// text is the head and the tail is empty.
struct SplitText {
    QStringView head;
    QStringView tail;
};
SplitText SplitAt(QStringView text, QChar separator);

// Appends a signed decimal number without padding.
void AppendDecimal(QString& out, int value);
