#pragma once

#include "picture/Canvas.h"

class ImageSurface;

// The widths of a frame's four borders, in pixels of the sheet: what lies outside its stretchable middle.
struct FrameMargins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const FrameMargins&) const = default;
};

// The margins of a frame drawn in rect of the picture (clipped to it). The stretchable middle across is
// the longest run of adjacent columns, not touching the rectangle's first or last column, that all equal
// the run's first column pixel for pixel (every channel and alpha within tolerance); the margins are the
// columns before and after it. Ties go to the run nearest the middle, then to the leftmost. Rows alike.
// Without a run of two such columns (rows) the margins across (down) are a third of the width (height).
FrameMargins FindFrameMargins(const ImageSurface& picture, const CanvasRect& rect, int tolerance = 0);
