#pragma once

#include "picture/Canvas.h"

#include <optional>
#include <vector>

struct SkinDocument;

// The picture is judged in square cells of this many pixels.
constexpr int kCoverageCell = 8;

// Areas of the skin's picture holding visible pixels that none of the rectangles touches, so that pieces
// drawn but never used show up. A cell is visible when a pixel in it is not empty (SheetPixels); it is
// covered when any of its pixels lies in a rectangle. Uncovered visible cells are merged along each row
// of cells, then equal runs of consecutive rows are merged; the areas come in reading order, cut at the
// picture's edges. Nothing when the skin has no picture or no pixel of its picture can be empty.
std::optional<std::vector<CanvasRect>> UncoveredAreas(const SkinDocument& document,
                                                      const std::vector<CanvasRect>& used);
