#pragma once

#include <QGroupBox>

class ColourSwatch;
class QCheckBox;
class QPushButton;
class SheetCanvas;

// The main window's " Source PNG" group: the sheet canvas, and below it the region colour with its
// "Pick" and "Clear", "Show pieces", "Zoom" (the source magnifier) and "..." (choose the PNG). The window
// binds the buttons; the picking controller binds the canvas and "Show pieces".
class SourceGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit SourceGroup(QWidget* parent);

    SheetCanvas* Canvas() const { return m_canvas; }
    ColourSwatch* RegionSwatch() const { return m_regionSwatch; }
    QPushButton* PickRegion() const { return m_pickRegion; }
    QPushButton* ClearRegion() const { return m_clearRegion; }
    QCheckBox* ShowPieces() const { return m_showPieces; }
    QPushButton* Zoom() const { return m_zoom; }
    QPushButton* LoadPng() const { return m_loadPng; }

private:
    SheetCanvas* m_canvas;
    ColourSwatch* m_regionSwatch;
    QPushButton* m_pickRegion;
    QPushButton* m_clearRegion;
    QCheckBox* m_showPieces;
    QPushButton* m_zoom;
    QPushButton* m_loadPng;
};
