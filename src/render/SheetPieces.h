#pragma once

#include "picture/Canvas.h"

#include <optional>
#include <vector>

class SheetPixels;
struct SkinDocument;

// The pieces of a sprite sheet: each 8-connected region of pixels that hold something (SheetPixels says
// which do), known by its bounding rectangle. Snapping and the list of pieces find them with the same
// code, so a snap always gives one of the listed rectangles.

// The bounding rectangle of the piece holding pixel (x, y); nothing when the pixel is empty or outside
// the picture.
std::optional<CanvasRect> PieceAt(const SheetPixels& sheet, int x, int y);

// Every piece in reading order: by the rectangle's top, then its left edge (then its right and bottom,
// for pieces whose rectangles start at the same corner).
std::vector<CanvasRect> FindPieces(const SheetPixels& sheet);

// For each piece, the indices (ascending) of the elements one of whose tinted source rectangles (the
// areas the source view tints for them) overlaps it.
std::vector<std::vector<int>> PieceUsers(const SkinDocument& document, const std::vector<CanvasRect>& pieces);

// Which pieces overlap any of the areas: true at the index of each piece that does.
std::vector<bool> PiecesTouched(const std::vector<CanvasRect>& pieces, const std::vector<CanvasRect>& areas);
