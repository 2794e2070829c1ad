#pragma once

struct NoteState;
struct SkinDocument;

// What the pointer does over the note in the preview. Points are in the note's own pixels (the preview
// position less the state's origin).

// The element a click at the point picks: the last entry in document order of the six drawable kinds
// whose rectangle on the note contains the point and which is drawn in the state, whatever its pixels
// look like there. -1 when there is none, or when the point is off the note.
int ElementAtNotePoint(const SkinDocument& document, const NoteState& state, int x, int y);

// The rollover test: visiting the buttons whose group passes in document order, each one's pointer-over
// flag becomes whether the point lies in its rectangle on the note while it is drawn and no earlier
// button with a rollover source has claimed the pointer. True when any flag changed.
bool UpdatePointerOver(SkinDocument& document, const NoteState& state, int x, int y);
// Clears every button's pointer-over flag (the pointer left the preview); true when any was set.
bool ClearPointerOver(SkinDocument& document);
