#pragma once

#include <vector>

class GroupIndex;
struct NoteState;
struct SkinDocument;
struct SkinElement;
struct SkinLayout;

// Size limits, each -1 for none. A size equal to a limit passes.
struct SizeLimits {
    int widthminimum = -1;
    int widthmaximum = -1;
    int heightminimum = -1;
    int heightmaximum = -1;
};

bool PassesSizeTest(const SizeLimits& limits, int width, int height);

// Whether a drawable element is painted in the state: its group passes, its roll flag for the state is
// set, its size limits hold (not for an HStrip on a rolled note), its condition holds and, when it asks
// for the focus, the note has it. Group, Layout and blank entries paint nothing and give false.
bool IsDrawn(const SkinDocument& document, const SkinElement& element, const NoteState& state);
// The same with the groups looked up in an index built once for a drawing of many elements.
bool IsDrawn(const SkinDocument& document, const GroupIndex& groups, const SkinElement& element,
             const NoteState& state);

// Clears scrollbar required when the note's size is outside the layout's scroll-bar draw limits. Run once
// on the state of a rebuild before any element is tested.
void ApplyScrollbarDrawLimits(NoteState& state, const SkinLayout& layout);
// The state as the renderer draws in it: the active layout's scroll-bar draw limits applied.
NoteState DrawingState(const SkinDocument& document, const NoteState& state);

// Whether the tree shows the entry at index as drawn: a drawable element by IsDrawn, a group by the group
// test of its own name, a layout when it is the active layout.
bool IsEntryShown(const SkinDocument& document, int index, const NoteState& state);
// IsEntryShown of every entry, by list index.
std::vector<bool> EntriesShown(const SkinDocument& document, const NoteState& state);

// The default layout shows as drawn when no Layout element is active.
bool IsDefaultLayoutShown(const SkinDocument& document, const NoteState& state);
