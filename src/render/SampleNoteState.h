#pragma once

#include "document/NoteState.h"
#include "picture/Colour.h"
#include "render/NoteSettings.h"

struct SkinDocument;

// The simulated note the preview, the skin check and the tree greying evaluate the skin against. The
// origin stays at (0, 0): whoever places the note in an area sets it.
NoteState SampleNoteState(const NoteSettings& settings, const SkinDocument& document);

// Whether a note colour counts as light (relative luminance strictly above one half).
bool IsLightColour(Colour colour);

// The note's "Scrollbar" box only asks for a scroll bar when the thumb does not cover the whole range;
// 0 to 0 is how an empty note reports its scroll position.
bool ScrollbarRequired(bool scrollbarBox, int scrollTop, int scrollBottom);
