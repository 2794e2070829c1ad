#pragma once

#include "render/PlacementGeometry.h"

#include <QString>
#include <optional>
#include <vector>

struct NoteState;
struct SkinDocument;
struct SkinElement;
struct SkinLayout;

// The note elements are placed on: its size and what the scroll-bar modes measure against.
struct NoteFrame {
    int width = 0;
    int height = 0;
    ScrollFrame scroll;
};

// The frame of a note state as the renderer draws in it: the state's size and the scroll bar of its
// active layout, with the layout's scroll-bar draw limits applied.
NoteFrame NoteFrameOf(const SkinDocument& document, const NoteState& state);

// The pixels an element paints, right and bottom exclusive: its rectangle, and for bitmap and fade strips
// one column (HStrip) or row (VStrip) more, since they are painted through their end edge. Nothing for
// groups, layouts and blank entries. Editing on the preview, the dialogs' readouts and the status line
// all measure this.
std::optional<NoteRect> PaintedExtent(const SkinElement& element, const NoteFrame& frame);

// The painted extent of the document's entry when it is drawn in the state (its group passes and its
// conditions hold), as the preview shows it; nothing for an entry that is not drawn or not drawable.
std::optional<NoteRect> DrawnExtent(const SkinDocument& document, int entry, const NoteState& state);

// The readout beside each placement row of the element's dialog, in the rows' order (left, top, then the
// right and bottom edges the kind has): the pixel a near edge starts at, the last pixel painted at a far
// edge. Empty for kinds without placements.
std::vector<int> PlacementReadouts(const SkinElement& element, const NoteFrame& frame);

// The layout dialog's: the title bar's left, top and right, then the scroll range's left, top and bottom,
// on a note of the size given.
std::vector<int> LayoutReadouts(const SkinLayout& layout, int noteWidth, int noteHeight);

// "Frame top: 8,0 - 291,24, 284 x 25": the name, the first and the last pixel painted, and the size.
QString ExtentText(const QString& name, const NoteRect& painted);
