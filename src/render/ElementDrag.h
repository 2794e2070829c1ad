#pragma once

#include "document/SkinElement.h"
#include "render/PaintedExtent.h"
#include "render/SnapLines.h"

#include <optional>
#include <vector>

// Moving and resizing an element on the preview, by the pointer or the arrow keys. Amounts are in note
// pixels; values change in their own modes, so an element keeps following the edges it followed.

// What a drag takes hold of: the element itself, or the handle on its right edge, its bottom edge or its
// bottom-right corner.
enum class DragHandle { Move, Right, Bottom, BottomRight };

// An element moved or resized. Held: a sides value would have changed the edge it counts from (a value
// from the near edge, >= 0, become one from the far edge, < 0, or back), so the movement stopped there.
// Saturated: a value reached the end of the 32-bit range and stopped there.
struct PlacementChange {
    SkinElement element;
    bool held = false;
    bool saturated = false;
};

// Every coordinate moves by dx (x) or dy (y): sides, middle and the scroll-bar modes add the amount to
// the value; percent takes the value whose pixel is nearest the moved one. Each axis moves all its
// coordinates by one amount, cut short where a sides value would change sign or a value leave the
// 32-bit range, so the element keeps its size. Offsets stay.
PlacementChange MoveElement(const SkinElement& element, int dx, int dy, const NoteFrame& frame);

// The right edge moves by dx and the bottom edge by dy, as far as the handle holds them: an HStrip's or
// Text's right x and height, a VStrip's width and bottom y, a TileArea's bottom-right corner, a Button's
// or Indicator's size. Placements move as MoveElement moves them; sizes grow or shrink. A resize never
// makes the element narrower or lower than one pixel (nor more so than it was).
PlacementChange ResizeElement(const SkinElement& element, DragHandle handle, int dx, int dy,
                              const NoteFrame& frame);

// Whether the handle changes a size that is also the size of the piece taken from the source picture:
// a Button's or Indicator's size, an HStrip's height, a VStrip's width.
bool ResizesSource(ElementKind kind, DragHandle handle);

// The note pixels a change of an element's placement can alter: its outlines (the rectangle the preview
// highlights, which holds all it paints) before and after, as one rectangle; nothing when neither has one.
std::optional<NoteRect> ChangedArea(const SkinElement& before, const SkinElement& after,
                                    const NoteFrame& frame);

// A point on the note, in 64 bits: the handles of an absurd rectangle lie beyond the 32-bit range.
struct NotePoint {
    long long x = 0;
    long long y = 0;
};

// The centre of a handle on a painted extent: on the right edge's middle, the bottom edge's middle or the
// bottom-right corner, on the exclusive edges.
NotePoint HandleCentre(const NoteRect& painted, DragHandle handle);

// The handle whose square, reach pixels either side of its centre, holds the point; corner first.
// Nothing for an extent that paints nothing (empty or inverted), and nothing for Move.
std::optional<DragHandle> HandleAt(const NoteRect& painted, int x, int y, int reach);

// One step of a drag: the element as it was when the drag began, the handle, the pointer's movement since
// the press in note pixels, and the lines to snap to (null: snapping is off). The edges the drag moves
// snap to a line within reach; the guides are the lines those edges then lie on.
struct DragStep {
    PlacementChange change;
    std::vector<SnapGuide> guides;
};
DragStep StepDrag(const SkinElement& start, DragHandle handle, int dx, int dy, const NoteFrame& frame,
                  const SnapLines* lines, int reach);
