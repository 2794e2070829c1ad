#pragma once

// SheetCanvas: a sprite sheet shown enlarged and scrollable, on which rectangles of the picture are
// picked. The main window's source view, the source magnifier and the dialogs' picker are each one.
//
// How a window uses it:
//   auto* canvas = new SheetCanvas(parent);
//   canvas->SetPicture(&picture, regionColour); // not owned; PictureChanged() after its pixels change
//   canvas->SetTints(areas);                     // the rectangles being edited, tinted and framed
//   connect(canvas, &SheetCanvas::Picked, ...);         // left click: corner, right click: size
//   connect(canvas, &SheetCanvas::RectangleDrawn, ...); // Ctrl + left drag (or any left drag, see
//                                                       // SetDrawWithoutCtrl)
//   connect(canvas, &SheetCanvas::PieceChosen, ...);    // double click on a piece of the sheet
//   connect(canvas, &SheetCanvas::GestureEnded, ...);   // the last button released: one undo step ends
//   connect(canvas, &SheetCanvas::Nudged, ...);         // arrow keys
// Zoom (Ctrl+wheel, Ctrl+plus/minus, Ctrl+0), scrolling (wheel, Shift+wheel, the scroll bars) and the
// pixel grid are the canvas's own. A window that draws over the picture or handles the mouse itself
// (guide lines, handles) derives from SheetOverlay and adds it: overlays paint last, in viewport
// coordinates (ViewRectOf maps picture rectangles there), and see every mouse event before the canvas.
// All points the signals carry are picture pixels; the zoom and scroll arithmetic is in
// render/SheetGeometry.h.

#include "document/SourcePicking.h"
#include "picture/Canvas.h"
#include "render/SheetGeometry.h"
#include "widgets/NudgeKeys.h"

#include <QAbstractScrollArea>
#include <optional>
#include <vector>

class ImageSurface;
class QMouseEvent;
class QPainter;
class SheetCanvas;

// Drawing and mouse handling of another window on a sheet canvas.
class SheetOverlay {
public:
    virtual ~SheetOverlay() = default;
    // Paints over the picture, the tints and the pieces; the painter works in viewport coordinates.
    virtual void PaintOverlay(QPainter& painter, const SheetCanvas& canvas) = 0;
    // A mouse press, move, release or double click on the viewport, before the canvas sees it. True takes
    // it: after a press taken, the moves and releases up to the last button's release come here alone.
    virtual bool OverlayMouse(SheetCanvas& canvas, QMouseEvent& event) = 0;
    // The cursor at a viewport point, or nothing to leave it to the canvas.
    virtual std::optional<Qt::CursorShape> OverlayCursor(const SheetCanvas&, QPoint) const { return {}; }
};

class SheetCanvas : public QAbstractScrollArea {
    Q_OBJECT
public:
    // At most this many pieces are outlined.
    static constexpr int kMaxOutlinedPieces = 10000;

    explicit SheetCanvas(QWidget* parent = nullptr);

    // The picture shown (null for none) and the skin's region colour, which counts as empty on a picture
    // without alpha. The picture is not owned; it must stay valid while it is set.
    void SetPicture(const ImageSurface* picture, Colour region = kNoColour);
    // The picture's pixels changed: what was worked out from them is thrown away.
    void PictureChanged();
    const ImageSurface* Picture() const { return m_picture; }
    QSize PictureSize() const;

    // The zooms Ctrl+wheel and Ctrl+plus/minus step through (ascending; kSheetZooms unless set).
    void SetZoomSteps(std::vector<int> steps);
    int Zoom() const { return m_zoom; }
    // Changes the zoom keeping the picture pixel under the anchor (viewport coordinates; the top-left
    // corner when none) where it is.
    void SetZoom(int zoom, std::optional<QPoint> anchor = std::nullopt);
    // One step up (direction > 0) or down.
    void StepZoom(int direction, std::optional<QPoint> anchor = std::nullopt);
    QPoint ScrollPosition() const;
    void SetScrollPosition(QPoint scroll);
    // Scrolls as little as needed to show the rectangle of the picture.
    void ScrollToShow(const CanvasRect& area);

    // The view's geometry for the arithmetic of render/SheetGeometry.h.
    SheetView View() const;
    // The picture pixel under a viewport point; nothing outside the picture.
    std::optional<QPoint> PicturePointAt(QPoint viewportPoint) const;
    // A picture rectangle in viewport coordinates.
    QRect ViewRectOf(const CanvasRect& area) const;
    // The part of the viewport the picture covers.
    QRect PictureRect() const;

    // The rectangles tinted and framed over the picture (cyan; second ones yellow).
    void SetTints(std::vector<SourceArea> tints);
    // One more rectangle of the picture tinted red: the lint finding chosen. Empty for none.
    void SetExtraTint(const QRect& area);
    QRect ExtraTint() const { return m_extraTint; }

    // Outlines every piece of the sheet; those no used area touches in another colour.
    void SetShowPieces(bool show);
    bool ShowsPieces() const { return m_showPieces; }
    void SetUsedAreas(std::vector<CanvasRect> areas);
    // The pieces of the sheet, found on first use after the picture or the region colour changed.
    const std::vector<CanvasRect>& Pieces();
    // The piece holding a picture pixel, found afresh.
    std::optional<CanvasRect> PieceAt(QPoint picturePoint) const;

    // Plain left drags draw rectangles, as Ctrl + left drags do; left and right clicks then pick nothing.
    void SetDrawWithoutCtrl(bool draws) { m_drawWithoutCtrl = draws; }

    void AddOverlay(SheetOverlay* overlay);
    void RemoveOverlay(SheetOverlay* overlay);

    // The visible part of the picture as last composed (checkerboard, picture, tints) in picture pixels
    // from ComposedArea()'s corner, made current first; the grid, frames and outlines are drawn over it
    // at screen resolution.
    const Canvas& Composed();
    CanvasRect ComposedArea() const { return m_composedArea; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // A click-table pick: the button pressed (starting) or dragged with; second is Shift. While dragging
    // the point is held to the picture (a right drag up to one pixel past its edge).
    void Picked(PickButton button, bool second, QPoint point, bool starting);
    // A rectangle spanned by a drag, both end pixels included; finished on the button's release.
    void RectangleDrawn(const CanvasRect& area, bool second, bool finished);
    // A double click on a pixel that is not empty: its piece's rectangle.
    void PieceChosen(const CanvasRect& area, bool second);
    // The last mouse button of a gesture came up.
    void GestureEnded();
    void Nudged(Nudge nudge);
    // The picture pixel under the pointer; nothing when it is off the picture or gone.
    void PointerMoved(std::optional<QPoint> picturePoint);
    // Ctrl + right click, the Menu key or Shift+F10, at a global position.
    void MenuRequested(QPoint globalPosition);
    void ZoomChanged(int zoom);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    enum class Gesture { None, Picking, Drawing, Snapped };

    bool OverlayTakes(QMouseEvent* event);
    void UpdateScrollBars();
    void UpdateCursor(QPoint viewportPoint);
    QPoint HeldPoint(QPoint viewportPoint, int slack) const;
    void EndGesture();
    void PaintOutlines(QPainter& painter, const SheetView& view, const CanvasRect& area);
    void PaintGrid(QPainter& painter, const SheetView& view, const CanvasRect& area);

    const ImageSurface* m_picture = nullptr;
    Colour m_region = kNoColour;
    std::vector<int> m_zoomSteps;
    int m_zoom = 1;
    std::vector<SourceArea> m_tints;
    QRect m_extraTint;
    bool m_showPieces = false;
    std::vector<CanvasRect> m_usedAreas;
    std::optional<std::vector<CanvasRect>> m_pieces;
    std::optional<std::vector<bool>> m_piecesUsed;
    bool m_drawWithoutCtrl = false;
    std::vector<SheetOverlay*> m_overlays;
    SheetOverlay* m_overlayGrab = nullptr;

    Gesture m_gesture = Gesture::None;
    Qt::MouseButton m_pickButton = Qt::NoButton;
    QPoint m_drawStart;

    Canvas m_composed;
    CanvasRect m_composedArea;
    bool m_composedStale = true;
    CanvasRect m_composedDirty; // picture pixels of m_composed to draw again (the tints moved there)
};
