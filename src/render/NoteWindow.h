#pragma once

#include "picture/Canvas.h"
#include "picture/ClampToInt.h"

// The part of a note that is painted, and where it goes: a preview shows a few hundred pixels of a note
// that may be far larger, so only that part is painted, with every element placed on the whole note.
// The note's pixel (x, y) is the canvas's pixel (x + shiftX, y + shiftY).
struct NoteWindow {
    int noteWidth = 0;
    int noteHeight = 0;
    CanvasRect visible; // in note coordinates, within the note
    int shiftX = 0;
    int shiftY = 0;

    static NoteWindow Whole(int width, int height) { return {width, height, {0, 0, width, height}, 0, 0}; }

    // Note coordinates on the canvas. A coordinate pushed past the 32-bit range lies beyond the canvas
    // with anything that starts there, so holding it at the range's end changes no pixel.
    int X(long long x) const { return ClampToInt(x + shiftX); }
    int Y(long long y) const { return ClampToInt(y + shiftY); }
    CanvasRect Local(long long left, long long top, long long right, long long bottom) const {
        return {X(left), Y(top), X(right), Y(bottom)};
    }
    CanvasRect LocalVisible() const {
        return Local(visible.left, visible.top, visible.right, visible.bottom);
    }
    // Whether [from, to) meets the visible columns (rows).
    bool SeesColumns(long long from, long long to) const { return from < visible.right && to > visible.left; }
    bool SeesRows(long long from, long long to) const { return from < visible.bottom && to > visible.top; }
};
