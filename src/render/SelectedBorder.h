#pragma once

class Canvas;
struct NoteWindow;
struct SkinSettings;

// A length of the selected-note border at the screen's DPI: length x dpi / 96 rounded half away from
// zero, as the platform's multiply-divide does it (-1 when the result would not fit).
int ScaleForDpi(int length, int dpi);

// The dashed border of a note that is one of several selected notes: dash pairs along the top, right,
// bottom and left edges, each edge's loop starting where the previous one left off. The canvas is the
// whole note.
void DrawSelectedBorder(Canvas& canvas, const SkinSettings& settings, int dpi);
// The same on a canvas holding part of the note: dashes it cannot show are counted, not drawn.
void DrawSelectedBorder(Canvas& canvas, const SkinSettings& settings, int dpi, const NoteWindow& window);
