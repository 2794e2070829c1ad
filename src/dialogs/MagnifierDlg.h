#pragma once

#include "picture/Canvas.h"
#include "render/Magnifier.h"

#include <QDialog>
#include <functional>

class QMenu;
class SheetCanvas;

// A modeless window showing a picture of the owner's enlarged: the source PNG on a sheet canvas of its
// own, which the owner binds to picking as it binds its source view, or the preview picture, which can
// be panned by dragging. The owner sees from its visibility whether it is open; it never reaches into
// the owner. In source mode the mouse picks, so the zoom menu opens from Ctrl + right click, the Menu
// key and Shift+F10; in preview mode from the right button's release.
class QMagnifierDlg : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Source, Preview };
    // The picture to show in preview mode, asked for at each paint; it must stay valid until the next
    // call. Source mode shows what its sheet canvas is given.
    using PictureSource = std::function<const Canvas&()>;

    static constexpr int kFirstZoomCommand = 4899; // "x 1"; "x 10" is 4908

    QMagnifierDlg(Mode mode, PictureSource picture, QWidget* owner);

    bool IsPreviewMode() const { return m_mode == Mode::Preview; }
    int Zoom() const;
    // Changes the enlargement and repaints; the window keeps its size.
    void SetZoom(int zoom);
    MagnifierScroll Scroll() const { return m_scroll; }
    // The sheet canvas of source mode; null in preview mode.
    SheetCanvas* Sheet() const { return m_sheet; }

    // Makes the client area zoom times the picture (the sheet canvas's in source mode) (by the magnifier size
    // rule, and no larger than the screen); the window keeps its position.
    void SizeWindow();
    // The menu of zooms, the present one checked.
    QMenu* BuildZoomMenu();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowZoomMenu(const QPoint& globalPos);
    void ScrollTo(MagnifierScroll scroll);
    void UpdateCursor();

    Mode m_mode;
    PictureSource m_picture;
    int m_zoom;
    MagnifierScroll m_scroll;
    bool m_dragging = false;
    QPoint m_lastPoint;
    Canvas m_client; // the painted client area, kept between paints
    SheetCanvas* m_sheet = nullptr;
};
