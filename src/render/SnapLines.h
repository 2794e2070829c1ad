#pragma once

#include "render/PlacementGeometry.h"

#include <optional>
#include <span>
#include <vector>

struct NoteState;
struct SkinDocument;

// Where the edges of an element being moved or resized snap to: the note's edges and middle, and the
// painted edges of every other element drawn in the state. Edges are the lines between pixels (a right
// edge is exclusive), sorted and without repeats. Found once when a drag starts.
struct SnapLines {
    std::vector<int> x;
    std::vector<int> y;
};
SnapLines FindSnapLines(const SkinDocument& document, const NoteState& state, int movingEntry);

// The shift, at most reach either way, that puts one of the edges on its nearest line (the smallest such
// shift); nothing when no edge comes within reach of a line.
std::optional<int> SnapShift(const std::vector<int>& lines, std::span<const long long> edges, int reach);

// A guide line: the column (Axis::X) or row (Axis::Y) an edge lies on.
struct SnapGuide {
    Axis axis = Axis::X;
    int position = 0;
    bool operator==(const SnapGuide&) const = default;
};
