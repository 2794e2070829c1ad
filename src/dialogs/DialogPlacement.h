#pragma once

#include <QPoint>

class QWidget;

// Where editing dialogs open: at an offset from the top-left corner of the window that opens them,
// always wholly on the screen. Where the windowing system does not let programs place their windows,
// the dialog opens where the system puts it (centred on its parent) and no offset is known.

// Moves the dialog (sized already) to the parent's top-left plus offset, kept on the parent's screen.
void PlaceDialog(QWidget* dialog, const QWidget* parent, QPoint offset);

// The dialog's top-left from the parent's; false when positions are not known.
bool DialogOffset(const QWidget* dialog, const QWidget* parent, QPoint* offset);
