#pragma once

#include "document/FrameMargins.h"
#include "picture/Canvas.h"

#include <array>
#include <optional>

// The four guide lines of the frame window: where each margin ends on the sheet, moved by dragging.
enum class FrameGuide { Left, Top, Right, Bottom };

// The sheet column (Left, Right) or row (Top, Bottom) boundary where the guide lies: between the margin's
// last pixel and the middle's first.
int GuidePosition(const CanvasRect& rect, const FrameMargins& margins, FrameGuide guide);

// The margins with one guide moved to a boundary, held so that no margin is negative and the middle keeps
// at least one pixel.
FrameMargins MoveGuide(const CanvasRect& rect, FrameMargins margins, FrameGuide guide, int position);

// The guide a point of the view is on: within slack of its line (positions in view coordinates, in
// FrameGuide order) and of the rectangle's span along it (viewRect). The nearest wins; nothing when none
// is that near.
std::optional<FrameGuide> GuideAt(const CanvasRect& viewRect, const std::array<int, 4>& positions, int x,
                                  int y, int slack);
