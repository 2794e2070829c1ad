#pragma once

// How a Placement's value is measured on the note.
enum class PlacementMode {
    Sides,           // positive from the left (top) edge, negative from the right (bottom) edge
    Middle,          // from the middle of the note
    Percent,         // a percentage of the note's width (height)
    TLScrollbar,     // from the top or left end of the scroll bar's thumb
    BRScrollbar,     // from the bottom or right end of the thumb
    CenterScrollbar, // from the centre of the thumb
};

// One coordinate of an element on the note.
struct Placement {
    int value = 0;
    PlacementMode mode = PlacementMode::Sides;
    int offset = 0; // pixels added after the value is resolved

    bool operator==(const Placement&) const = default;
};

inline bool IsScrollbarMode(PlacementMode mode) {
    return mode == PlacementMode::TLScrollbar || mode == PlacementMode::BRScrollbar ||
           mode == PlacementMode::CenterScrollbar;
}

// The placement with the scroll-bar modes turned into sides, for coordinates that do not know them.
inline Placement WithoutScrollbarMode(Placement p) {
    if (IsScrollbarMode(p.mode))
        p.mode = PlacementMode::Sides;
    return p;
}
