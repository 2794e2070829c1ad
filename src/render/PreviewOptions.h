#pragma once

// The main window's switches that shape the preview picture besides the note settings.
struct PreviewOptions {
    bool highlightareas = false;    // "Highlight Title/Text/Scroll Areas" ("Title/Border Areas" in stack mode)
    bool highlightselected = false; // "Highlight Selected Element"
    int selectedelement = -1;       // index in the document's element list of the selected tree item; -1 none
    bool stackmode = false;
};
