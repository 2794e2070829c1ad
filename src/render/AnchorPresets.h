#pragma once

#include "document/SkinElement.h"
#include "render/PaintedExtent.h"

#include <QString>
#include <optional>
#include <vector>

// The edges an element follows when the note is resized, chosen as a whole.
enum class AnchorPreset {
    TopLeft,
    TopRight,
    BottomLeft,
    BottomRight,
    Centre,
    StretchAcross, // left and right edges follow the note's sides
    StretchDown,   // top and bottom edges follow the note's top and bottom
    Fill,
};

// "Top left", "Top right", ... as the preview's menu and the dialogs' "Anchor" drop-down show them.
QString AnchorPresetText(AnchorPreset preset);

// What a kind's rectangle can follow: a box of fixed size (Button, Indicator) the four corners and the
// centre; a band of fixed height (HStrip, Text) also stretches across; a column of fixed width (VStrip)
// also stretches down; a TileArea all eight. None for the other kinds.
std::vector<AnchorPreset> AnchorPresetsOf(ElementKind kind);

// The element with its placements rewritten, modes and values, so that on the frame's note it covers
// exactly the pixels it covers now while following the preset's edges on other sizes: an edge that
// follows the near side gets a sides value >= 0, the far side a sides value < 0, the centre a middle
// value. Offsets become 0, folded into the values; only an edge beyond the side it is to follow keeps
// the distance in its offset (sides 0 or -1 plus the offset). An axis the preset does not stretch or pin
// (across for "Stretch down", down for "Stretch across") keeps its placements as they are. Nothing when
// the kind does not offer the preset, or when a TileArea (which has no offsets) cannot follow the side:
// its edge lies beyond it.
std::optional<SkinElement> WithAnchor(const SkinElement& element, AnchorPreset preset,
                                      const NoteFrame& frame);

// The first of the kind's presets that would change nothing: the one the placements follow now.
std::optional<AnchorPreset> AnchorOf(const SkinElement& element, const NoteFrame& frame);
