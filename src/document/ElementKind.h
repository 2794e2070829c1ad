#pragma once

#include <QString>

// The kinds of element entry, numbered as the skin model numbers them; Blank is an entry whose kind is
// not known yet.
enum class ElementKind : int {
    Blank = -1,
    Button = 1,
    HStrip = 2,
    VStrip = 3,
    Text = 4,
    Indicator = 5,
    TileArea = 6,
    Group = 7,
    Layout = 8,
};

// Button to TileArea paint something; Group and Layout do not.
constexpr bool IsDrawableKind(ElementKind kind) {
    return kind >= ElementKind::Button && kind <= ElementKind::TileArea;
}

// The name an element gets when its record is reset: "Button", "H Strip", ... "Layout".
QString DefaultElementName(ElementKind kind);
