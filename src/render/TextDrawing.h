#pragma once

#include "render/PlacementGeometry.h"

#include <QString>
#include <vector>

class QFontMetrics;
class QImage;
struct NoteState;
struct NoteWindow;
struct TextRecord;

// One line of a text box as it is drawn: its text (tabs expanded, cut with an ellipsis when too wide),
// its left edge and its top, in the image's pixels.
struct TextBoxLine {
    QString text;
    int x = 0;
    int y = 0;
    int width = 0;
};

// Lays a text out in a box the way a multi-line edit box shows it: new lines only at line breaks, no
// automatic breaking, a line too wide cut and ended with an ellipsis, a later line that would only be
// partly visible left out. Lines below visibleBottom are not laid out either. With a font key (see
// FontMetricsKey, for the font the metrics are of) the lines come from those laid out before where they can.
std::vector<TextBoxLine> LayOutTextBox(const QString& text, const QFontMetrics& metrics, const NoteRect& box,
                                       int alignment, int visibleBottom, const QString& fontKey = {});

// Draws a Text element into its band rectangle on the image (the note canvas's view): placeholders
// expanded, case set, the element's font and colour, on the note colour unless the element is
// transparent, clipped to the band. The image holds the whole note.
void DrawTextElement(QImage& image, const TextRecord& text, const NoteRect& band, const NoteState& state);
// The same on an image holding the window's part of the note, where the window says; the band is in
// note coordinates.
void DrawTextElement(QImage& image, const TextRecord& text, const NoteRect& band, const NoteState& state,
                     const NoteWindow& window);
