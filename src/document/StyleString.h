#pragma once

#include "picture/Colour.h"

#include <QString>
#include <array>

// A skin's default note style: the 13 numbers of a logical font description, the face name, the font
// colour and the note colour, written as 20 fields separated by "|".
struct StyleFields {
    // Height, width, escapement, orientation, weight, italic, underline, strike-out, character set,
    // output precision, clip precision, quality, pitch and family.
    std::array<int, 13> font{};
    QString faceName;
    Colour fontColour = MakeColour(0, 0, 0);
    Colour noteColour = MakeColour(0, 0, 0);
};

// Missing fields read as 0 and an absent face name as empty; numbers are read as leading numbers.
StyleFields DecodeStyle(const QString& style);
QString EncodeStyle(const StyleFields& fields);

// The point size of a font height in pixels at 96 dots per inch: -height × 72 / 96, rounded.
int StylePointSize(int height);

// What the style button shows: "None set" for an empty style, "No font set" when the face name is
// empty, otherwise the face name and point size as "Arial, 12pt".
QString StyleButtonText(const QString& style);

// The note colour of the style (fields 18 to 20).
Colour StyleNoteColour(const QString& style);

// The style rebuilt from its font fields and font colour with another note colour.
QString StyleWithNoteColour(const QString& style, Colour noteColour);
