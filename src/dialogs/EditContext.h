#pragma once

#include "picture/Canvas.h"
#include "render/PaintedExtent.h"

#include <QPoint>
#include <QString>
#include <functional>
#include <optional>

class Prompter;
class QWidget;

// What the editing dialogs get from the window that opens them; they never reach that window otherwise.
struct EditContext {
    explicit EditContext(Prompter& prompter) : prompter(prompter) {}

    // Messages and choosers.
    Prompter& prompter;
    // The document is a stack skin, which restricts what an element may use.
    bool stackMode = false;
    // Where the next element, layout or group dialog opens, from the parent window's top-left corner;
    // a dialog that closes, with OK or Cancel, leaves its own place here.
    QPoint offset{100, 100};
    // Called after every live apply and once more after a Cancel has put the record back, so that the
    // preview and the tree follow the record.
    std::function<void()> redraw;
    // The note the preview shows (its size and scroll bar), for the pixel readouts beside the placements
    // and the element dialogs' "Anchor" drop-down; without it the readouts stay blank and the drop-down
    // is disabled.
    std::function<NoteFrame()> noteFrame;
    // Called on OK of the group dialog with the entry and the name as typed, before the last redraw; it
    // is the caller's to turn that into the group's name (an empty name, a name another group bears) and
    // to carry the members along. Without it the group keeps its name.
    std::function<void(int entry, const QString& typedName)> nameGroup;
    // Opens the sheet picker over the dialog on a source row's rectangle (corner and the size the row's
    // kind takes from it): the rectangle chosen, or nothing on Cancel. Without it the rows offer no
    // "Pick…".
    std::function<std::optional<CanvasRect>(QWidget* parent, const CanvasRect& current)> pickSource;
};
