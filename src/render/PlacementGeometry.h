#pragma once

#include "document/Placement.h"

#include <optional>

struct NoteState;
struct SkinDocument;
struct SkinElement;
struct SkinLayout;

// A rectangle on the note, in the note's own pixels; right and bottom are exclusive.
struct NoteRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const NoteRect&) const = default;
};

enum class Axis { X, Y };

// What the three scroll-bar modes are measured against: x against the scroll range's left and right, y
// against the thumb's top and bottom.
struct ScrollFrame {
    NoteRect range;
    NoteRect thumb;
};

// One coordinate in pixels before its offset. A form that does not know the scroll-bar modes passes no
// frame, and those modes then count as sides.
int ResolveCoordinate(const Placement& placement, int length, Axis axis, const ScrollFrame* frame);

// HStrip, Text and title bar: left, top and right edge placements and a height; offsets are added.
NoteRect BandRect(const Placement& x, const Placement& y, const Placement& right, int height, int noteWidth,
                  int noteHeight);
// VStrip and scroll range: left, top and bottom edge placements and a width; offsets are added.
NoteRect ColumnRect(const Placement& x, const Placement& y, const Placement& bottom, int width, int noteWidth,
                    int noteHeight, const ScrollFrame* frame);
// Button and Indicator: a top-left corner and a size; the offsets move the whole box.
NoteRect BoxRect(const Placement& x, const Placement& y, int w, int h, int noteWidth, int noteHeight,
                 const ScrollFrame& frame);
// TileArea: two corners, the bottom-right one inclusive; offsets are not used.
NoteRect TileAreaRect(const Placement& leftX, const Placement& topY, const Placement& rightX,
                      const Placement& bottomY, int noteWidth, int noteHeight);

// The layout's blocks; their offsets are never used.
NoteRect TitleBarRect(const SkinLayout& layout, int noteWidth, int noteHeight);
NoteRect ScrollRange(const SkinLayout& layout, int noteWidth, int noteHeight);
NoteRect ThumbRect(const NoteRect& range, int scrollTop, int scrollBottom, int minimumThumbHeight);
// The scroll range and thumb of the layout for the state's size and scroll position.
ScrollFrame ScrollFrameOf(const SkinLayout& layout, const NoteState& state);

// The area inside the borders, measured on the unrolled height; a rolled note's area ends at the rolled
// height.
NoteRect TextArea(const SkinLayout& layout, const NoteState& state);

// Where a note of the unrolled size goes in a preview area: centred, and cut evenly when larger.
struct NoteOrigin {
    int x = 0;
    int y = 0;
    bool operator==(const NoteOrigin&) const = default;
};
NoteOrigin NoteOriginInArea(int areaWidth, int areaHeight, int noteWidth, int unrolledHeight);

// The element's rectangle on the note of the state's size: band, column, box or tile area by its kind;
// nothing for groups, layouts and blank entries.
std::optional<NoteRect> ElementRect(const SkinElement& element, int noteWidth, int noteHeight,
                                    const ScrollFrame& frame);
// The same, measured against the scroll bar of the state's active layout.
std::optional<NoteRect> ElementRect(const SkinDocument& document, const SkinElement& element,
                                    const NoteState& state);
// The selected-element outline: strips are drawn through their end edge, so their rectangle grows by one
// column (HStrip) or row (VStrip).
std::optional<NoteRect> ElementOutline(const SkinElement& element, int noteWidth, int noteHeight,
                                       const ScrollFrame& frame);
