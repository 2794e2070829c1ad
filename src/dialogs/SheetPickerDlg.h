#pragma once

#include "document/ElementRecords.h"
#include "picture/Canvas.h"
#include "widgets/ResizingDialog.h"

class ImageSurface;
class QLabel;
class SheetCanvas;

// The modal picker that a dialog's "Pick…" button opens: the source picture on a sheet canvas, with one
// rectangle to set by the same gestures as on the main window (left click corner, right click size,
// Ctrl + drag, double click on a piece, arrow keys). OK keeps the rectangle, Cancel drops it.
class QSheetPickerDlg : public CResizingDialog {
    Q_OBJECT
public:
    // The picture is the caller's and must outlive the dialog; current is the row's rectangle (its
    // corner x -1 when the source is not set).
    QSheetPickerDlg(const ImageSurface& picture, Colour region, const CanvasRect& current, QWidget* parent);

    CanvasRect Chosen() const;
    SheetCanvas* Canvas() const { return m_canvas; }

private:
    void Show();

    SheetCanvas* m_canvas;
    QLabel* m_readout;
    SourcePoint m_corner;
    int m_width;
    int m_height;
};
