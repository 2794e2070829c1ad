#pragma once

#include "document/SkinDocument.h"
#include "picture/Canvas.h"

#include <ostream>

// Helpers shared by the render tests.

inline std::ostream& operator<<(std::ostream& out, const CanvasRect& r) {
    return out << r.left << "," << r.top << " - " << r.right << "," << r.bottom;
}

inline Placement At(int value) {
    return Placement{value, PlacementMode::Sides, 0};
}

// Appends an element of the kind drawn on an unrolled note; the record stays valid while a test adds up
// to 32 elements.
template <class R> R& AddDrawn(SkinDocument& document, ElementKind kind) {
    document.elements.reserve(32);
    SkinElement e = SkinElement::Make(kind);
    e.Common()->drawunrolled = true;
    document.Append(std::move(e));
    return *document.elements.back().As<R>();
}

// The colour of a half-opaque tint (128 of 255) over a pixel, as highlights are drawn.
inline Colour Tinted(Colour tint, Colour under) {
    const auto mix = [](int t, int u) { return (t * 128 + u * 127 + 127) / 255; };
    return MakeColour(mix(RedOf(tint), RedOf(under)), mix(GreenOf(tint), GreenOf(under)),
                      mix(BlueOf(tint), BlueOf(under)));
}
