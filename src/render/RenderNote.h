#pragma once

#include "document/NoteState.h"

class Canvas;
struct SkinDocument;

// Paints the note for the state on a canvas of the state's width and height: the note colour, then
// every element that is drawn in the state, in document order, then the selected-note border. The
// state is the caller's copy; the scroll-bar draw limits of the active layout are applied to it first.
// False, with the canvas left empty, when the note's size gives no canvas (below 1, or a canvas at the
// byte limit).
bool PaintNoteCanvas(const SkinDocument& document, NoteState& state, Canvas& canvas);

// Paints the note onto the target at the state's origin: the whole note when the skin draws on the text
// background, otherwise the frame around the text area only, leaving the target's pixels inside the
// text area as they were; each pixel as PaintNoteCanvas has it. Only the part of the note under the target's
// clip is painted, so a note of any size costs what the target can show.
void RenderNote(const SkinDocument& document, Canvas& target, NoteState state);
