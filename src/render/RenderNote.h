#pragma once

#include "document/NoteState.h"

class Canvas;
struct CanvasRect;
struct SkinDocument;

// Paints the note for the state on a canvas of the state's width and height: the note colour, then
// every element that is drawn in the state, in document order, then the selected-note border. The
// state is the caller's copy; the scroll-bar draw limits of the active layout are applied to it first.
// False, with the canvas left empty, when the note's size gives no canvas (below 1, or a canvas at the
// byte limit).
// With a part, only the part of the canvas is painted (its clip), and elements that cannot reach it are
// passed over.
bool PaintNoteCanvas(const SkinDocument& document, NoteState& state, Canvas& canvas,
                     const CanvasRect* part = nullptr);

// Paints the note and copies it to the target at the state's origin: the whole note when the skin
// draws on the text background, otherwise the frame around the text area only, leaving the target's
// pixels inside the text area as they were. Only what the target's clip lets through is painted. A note
// too large for a canvas is not drawn.
void RenderNote(const SkinDocument& document, Canvas& target, NoteState state);
