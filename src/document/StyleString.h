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

// A font as a font chooser describes it, in the terms the style keeps.
struct StyleFont {
    QString family;
    double pointSize = 0;
    int weight = 400; // 100 to 900: 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    bool operator==(const StyleFont&) const = default;
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

// The style with its font part replaced by the font, as the note program reads a logical font: height
// -(points × 96 / 72, rounded), weight, italic, underline and strike-out as 0 or 1, the default
// character set (1), every other number 0, and the family as the face name. The colours are kept.
StyleFields WithStyleFont(StyleFields fields, const StyleFont& font);

// The font a style describes: its height back to points at 96 dots per inch; a weight of 0 ("any") or
// out of range reads as normal or is held to 100 to 900.
StyleFont StyleFontOf(const StyleFields& fields);
