#include "widgets/SheetCanvas.h"

#include "picture/ImageSurface.h"
#include "render/SheetPieces.h"
#include "render/SheetPixels.h"
#include "render/SourceViewPicture.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

namespace {

// The smallest rectangle holding both; an empty one holds nothing.
CanvasRect Bounding(const CanvasRect& a, const CanvasRect& b) {
    if (a.IsEmpty())
        return b;
    if (b.IsEmpty())
        return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

CanvasRect TintBounds(const std::vector<SourceArea>& tints) {
    CanvasRect bounds;
    for (const SourceArea& tint : tints) {
        if (tint.width > 0 && tint.height > 0)
            bounds = Bounding(bounds, CanvasRect::FromSize(tint.x, tint.y, tint.width, tint.height));
    }
    return bounds;
}

constexpr int kWheelNotch = 120;
constexpr int kWheelLines = 3;
const QColor kGridColour(96, 96, 96, 80);
const QColor kFirstFrame(0, 139, 139);
const QColor kSecondFrame(184, 134, 11);
const QColor kUsedPiece(40, 90, 230);
const QColor kUnusedPiece(230, 60, 0);

QRect ToQRect(const CanvasRect& r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}

// Shift as it is held now, not as it was when the event was queued.
bool ShiftHeld() {
    return QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier;
}

} // namespace

SheetCanvas::SheetCanvas(QWidget* parent)
    : QAbstractScrollArea(parent), m_zoomSteps(std::begin(kSheetZooms), std::end(kSheetZooms)) {
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

QSize SheetCanvas::sizeHint() const {
    return {300, 160};
}

QSize SheetCanvas::minimumSizeHint() const {
    // A small picture's window may be small; the scroll bars come when they are needed.
    return {16, 16};
}

void SheetCanvas::SetPicture(const ImageSurface* picture, Colour region) {
    const bool same = picture == m_picture && region == m_region;
    m_picture = picture;
    m_region = region;
    if (!same)
        PictureChanged();
}

void SheetCanvas::PictureChanged() {
    m_pieces.reset();
    m_piecesUsed.reset();
    m_composedStale = true;
    m_zoom = FitZoom(m_zoom, PictureSize().width(), PictureSize().height());
    UpdateScrollBars();
    viewport()->update();
}

QSize SheetCanvas::PictureSize() const {
    return m_picture && m_picture->IsValid() ? QSize(m_picture->Width(), m_picture->Height()) : QSize(0, 0);
}

void SheetCanvas::SetZoomSteps(std::vector<int> steps) {
    std::sort(steps.begin(), steps.end());
    m_zoomSteps = std::move(steps);
}

void SheetCanvas::SetZoom(int zoom, std::optional<QPoint> anchor) {
    zoom = FitZoom(zoom, PictureSize().width(), PictureSize().height());
    if (zoom == m_zoom)
        return;
    const QPoint at = anchor.value_or(QPoint(0, 0));
    const SheetView before = View();
    const int scrollX = ScrollAfterZoom(before.x, zoom, at.x());
    const int scrollY = ScrollAfterZoom(before.y, zoom, at.y());
    m_zoom = zoom;
    m_composedStale = true;
    UpdateScrollBars();
    SetScrollPosition({scrollX, scrollY});
    viewport()->update();
    emit ZoomChanged(m_zoom);
}

void SheetCanvas::StepZoom(int direction, std::optional<QPoint> anchor) {
    SetZoom(::StepZoom(m_zoomSteps, m_zoom, direction, PictureSize().width(), PictureSize().height()),
            anchor);
}

QPoint SheetCanvas::ScrollPosition() const {
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

void SheetCanvas::SetScrollPosition(QPoint scroll) {
    horizontalScrollBar()->setValue(scroll.x());
    verticalScrollBar()->setValue(scroll.y());
}

void SheetCanvas::ScrollToShow(const CanvasRect& area) {
    const SheetView view = View();
    SetScrollPosition(
        {::ScrollToShow(view.x, area.left, area.right), ::ScrollToShow(view.y, area.top, area.bottom)});
}

SheetView SheetCanvas::View() const {
    const QSize picture = PictureSize();
    const QPoint scroll = ScrollPosition();
    return {{picture.width(), viewport()->width(), m_zoom, scroll.x()},
            {picture.height(), viewport()->height(), m_zoom, scroll.y()}};
}

std::optional<QPoint> SheetCanvas::PicturePointAt(QPoint viewportPoint) const {
    const SheetView view = View();
    const QPoint p(PictureCoordinate(view.x, viewportPoint.x()),
                   PictureCoordinate(view.y, viewportPoint.y()));
    if (!viewport()->rect().contains(viewportPoint) || p.x() < 0 || p.y() < 0 || p.x() >= view.x.picture ||
        p.y() >= view.y.picture)
        return std::nullopt;
    return p;
}

QRect SheetCanvas::ViewRectOf(const CanvasRect& area) const {
    return ToQRect(::ViewRectOf(View(), area));
}

QRect SheetCanvas::PictureRect() const {
    const QSize picture = PictureSize();
    return ViewRectOf({0, 0, picture.width(), picture.height()}).intersected(viewport()->rect());
}

void SheetCanvas::SetTints(std::vector<SourceArea> tints) {
    if (tints == m_tints)
        return;
    // Only where a tint was or is changes: those pixels are drawn again, and the view repainted there
    // (with a screen pixel around for the frames, which lie just outside their rectangles).
    const QSize picture = PictureSize();
    const CanvasRect changed = Bounding(TintBounds(m_tints), TintBounds(tints))
                                   .Intersected({0, 0, picture.width(), picture.height()});
    m_tints = std::move(tints);
    if (changed.IsEmpty())
        return;
    m_composedDirty = Bounding(m_composedDirty, changed);
    viewport()->update(ViewRectOf(changed).adjusted(-1, -1, 1, 1));
}

void SheetCanvas::SetExtraTint(const QRect& area) {
    m_extraTint = area;
    viewport()->update();
}

void SheetCanvas::SetShowPieces(bool show) {
    if (show == m_showPieces)
        return;
    m_showPieces = show;
    viewport()->update();
}

void SheetCanvas::SetUsedAreas(std::vector<CanvasRect> areas) {
    if (areas == m_usedAreas)
        return;
    m_usedAreas = std::move(areas);
    m_piecesUsed.reset();
    if (m_showPieces)
        viewport()->update();
}

const std::vector<CanvasRect>& SheetCanvas::Pieces() {
    if (!m_pieces) {
        m_pieces = m_picture ? FindPieces(SheetPixels(*m_picture, m_region)) : std::vector<CanvasRect>();
        m_piecesUsed.reset();
    }
    return *m_pieces;
}

std::optional<CanvasRect> SheetCanvas::PieceAt(QPoint picturePoint) const {
    if (!m_picture)
        return std::nullopt;
    return ::PieceAt(SheetPixels(*m_picture, m_region), picturePoint.x(), picturePoint.y());
}

void SheetCanvas::AddOverlay(SheetOverlay* overlay) {
    if (std::find(m_overlays.begin(), m_overlays.end(), overlay) == m_overlays.end())
        m_overlays.push_back(overlay);
    viewport()->update();
}

void SheetCanvas::RemoveOverlay(SheetOverlay* overlay) {
    m_overlays.erase(std::remove(m_overlays.begin(), m_overlays.end(), overlay), m_overlays.end());
    if (m_overlayGrab == overlay)
        m_overlayGrab = nullptr;
    viewport()->update();
}

const Canvas& SheetCanvas::Composed() {
    const CanvasRect area = VisibleArea(View());
    if (m_composedStale || !(area == m_composedArea)) {
        m_composedArea = area;
        m_composedStale = false;
        m_composedDirty = {};
        if (!m_picture || !DrawSourceArea(*m_picture, area, m_tints, m_composed))
            m_composed.Clear();
    } else if (!m_composedDirty.IsEmpty()) {
        if (m_picture)
            RedrawSourceAreaPart(*m_picture, area, m_composedDirty, m_tints, m_composed);
        m_composedDirty = {};
    }
    return m_composed;
}

void SheetCanvas::UpdateScrollBars() {
    const SheetView view = View();
    for (const auto& [bar, axis] :
         {std::pair{horizontalScrollBar(), view.x}, std::pair{verticalScrollBar(), view.y}}) {
        bar->setRange(0, MaxScroll(axis));
        bar->setPageStep(std::max(1, axis.view));
        bar->setSingleStep(std::max(m_zoom, 8));
    }
}

void SheetCanvas::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void SheetCanvas::scrollContentsBy(int, int) {
    viewport()->update();
}

void SheetCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const QColor face = palette().color(QPalette::Window);
    const SheetView view = View();
    const Canvas& composed = Composed();
    const QRect shown = PictureRect();
    // The face around the picture, so a smaller picture after a larger one leaves nothing behind.
    const QRect all = viewport()->rect();
    painter.fillRect(QRect(shown.right() + 1, 0, all.width(), all.height()), face);
    painter.fillRect(QRect(0, shown.bottom() + 1, shown.right() + 1, all.height()), face);
    if (shown.isEmpty())
        painter.fillRect(all, face);
    if (composed.IsValid()) {
        // Whole picture pixels, enlarged by replication; the painter scales for the device as well. The
        // first and last may be cut by the view's edges.
        const QPoint corner(ViewCoordinate(view.x, m_composedArea.left),
                            ViewCoordinate(view.y, m_composedArea.top));
        const QSize size(m_composedArea.Width() * m_zoom, m_composedArea.Height() * m_zoom);
        painter.drawImage(QRect(corner, size), m_composed.ImageView());
        painter.setClipRect(shown);
        if (m_zoom >= kSheetGridZoom)
            PaintGrid(painter, view, m_composedArea);
        PaintOutlines(painter, view, m_composedArea);
        painter.setClipping(false);
    }
    for (SheetOverlay* overlay : m_overlays) {
        painter.save();
        overlay->PaintOverlay(painter, *this);
        painter.restore();
    }
}

void SheetCanvas::PaintGrid(QPainter& painter, const SheetView& view, const CanvasRect& area) {
    painter.setPen(QPen(kGridColour, 0));
    const QRect r = ViewRectOf(area);
    for (int x = area.left + 1; x < area.right; ++x) {
        const int at = ViewCoordinate(view.x, x);
        painter.drawLine(at, r.top(), at, r.bottom());
    }
    for (int y = area.top + 1; y < area.bottom; ++y) {
        const int at = ViewCoordinate(view.y, y);
        painter.drawLine(r.left(), at, r.right(), at);
    }
}

void SheetCanvas::PaintOutlines(QPainter& painter, const SheetView& view, const CanvasRect& area) {
    // One screen pixel wide at any zoom, so a small piece on a large sheet still shows. Frames lie just
    // outside their rectangle, leaving its pixels as they are.
    const auto frame = [&](const CanvasRect& r) {
        const CanvasRect v = ::ViewRectOf(view, r);
        return QRect(v.left - 1, v.top - 1, v.Width() + 1, v.Height() + 1);
    };
    if (m_showPieces) {
        const std::vector<CanvasRect>& pieces = Pieces();
        if (!m_piecesUsed)
            m_piecesUsed = PiecesTouched(pieces, m_usedAreas);
        const size_t count = std::min(pieces.size(), static_cast<size_t>(kMaxOutlinedPieces));
        for (size_t i = 0; i < count; ++i) {
            const CanvasRect& piece = pieces[i];
            if (piece.Intersected(area).IsEmpty())
                continue;
            painter.setPen(QPen((*m_piecesUsed)[i] ? kUsedPiece : kUnusedPiece, 0, Qt::DashLine));
            painter.drawRect(frame(piece));
        }
    }
    for (const SourceArea& tint : m_tints) {
        if (tint.width <= 0 || tint.height <= 0)
            continue;
        const CanvasRect r = CanvasRect::FromSize(tint.x, tint.y, tint.width, tint.height);
        painter.setPen(QPen(tint.second ? kSecondFrame : kFirstFrame, 0));
        painter.drawRect(frame(r));
    }
    if (!m_extraTint.isEmpty()) {
        const CanvasRect r =
            CanvasRect::FromSize(m_extraTint.x(), m_extraTint.y(), m_extraTint.width(), m_extraTint.height());
        const CanvasRect v = ::ViewRectOf(view, r);
        painter.fillRect(ToQRect(v), QColor(255, 0, 0, 110));
        painter.setPen(QPen(QColor(200, 0, 0), 0));
        painter.drawRect(ToQRect(v).adjusted(0, 0, -1, -1));
    }
}

bool SheetCanvas::OverlayTakes(QMouseEvent* event) {
    if (m_overlayGrab) {
        SheetOverlay* grab = m_overlayGrab;
        if (event->type() == QEvent::MouseButtonRelease && event->buttons() == Qt::NoButton)
            m_overlayGrab = nullptr;
        grab->OverlayMouse(*this, *event);
        return true;
    }
    for (auto it = m_overlays.rbegin(); it != m_overlays.rend(); ++it) {
        if ((*it)->OverlayMouse(*this, *event)) {
            if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
                m_overlayGrab = *it;
            return true;
        }
    }
    return false;
}

QPoint SheetCanvas::HeldPoint(QPoint viewportPoint, int slack) const {
    const SheetView view = View();
    return {
        std::clamp(PictureCoordinate(view.x, viewportPoint.x()), 0, std::max(0, view.x.picture - 1 + slack)),
        std::clamp(PictureCoordinate(view.y, viewportPoint.y()), 0, std::max(0, view.y.picture - 1 + slack))};
}

void SheetCanvas::EndGesture() {
    if (m_gesture == Gesture::None)
        return;
    m_gesture = Gesture::None;
    m_pickButton = Qt::NoButton;
    emit GestureEnded();
}

void SheetCanvas::mousePressEvent(QMouseEvent* event) {
    if (OverlayTakes(event))
        return;
    const QPoint at = event->position().toPoint();
    const Qt::MouseButton button = event->button();
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    if (button == Qt::RightButton && ctrl) {
        emit MenuRequested(event->globalPosition().toPoint());
        return;
    }
    if (button != Qt::LeftButton && button != Qt::RightButton)
        return;
    // A gesture whose release never came (the pointer taken away mid-drag) ends here.
    if (m_gesture != Gesture::None && event->buttons() == button)
        EndGesture();
    const std::optional<QPoint> point = PicturePointAt(at);
    if (!point)
        return;
    if (button == Qt::LeftButton && (ctrl || m_drawWithoutCtrl)) {
        m_gesture = Gesture::Drawing;
        m_drawStart = *point;
        emit RectangleDrawn(SpannedArea(point->x(), point->y(), point->x(), point->y(), PictureSize().width(),
                                        PictureSize().height()),
                            ShiftHeld(), false);
        return;
    }
    if (m_drawWithoutCtrl || m_gesture == Gesture::Drawing)
        return;
    m_gesture = Gesture::Picking;
    m_pickButton = button;
    emit Picked(button == Qt::LeftButton ? PickButton::Left : PickButton::Right, ShiftHeld(), *point, true);
}

void SheetCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (OverlayTakes(event))
        return;
    const QPoint at = event->position().toPoint();
    UpdateCursor(at);
    if (m_gesture == Gesture::Drawing && (event->buttons() & Qt::LeftButton)) {
        const QPoint end = HeldPoint(at, 0);
        emit RectangleDrawn(SpannedArea(m_drawStart.x(), m_drawStart.y(), end.x(), end.y(),
                                        PictureSize().width(), PictureSize().height()),
                            ShiftHeld(), false);
    } else if (m_gesture == Gesture::Picking && (event->buttons() & (Qt::LeftButton | Qt::RightButton))) {
        // The left button wins when both are held, as it did when the gesture began with it.
        const bool left = event->buttons() & Qt::LeftButton;
        emit Picked(left ? PickButton::Left : PickButton::Right, ShiftHeld(), HeldPoint(at, left ? 0 : 1),
                    false);
    }
    emit PointerMoved(PicturePointAt(at));
}

void SheetCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (OverlayTakes(event))
        return;
    if (m_gesture == Gesture::Drawing && event->button() == Qt::LeftButton) {
        const QPoint end = HeldPoint(event->position().toPoint(), 0);
        emit RectangleDrawn(SpannedArea(m_drawStart.x(), m_drawStart.y(), end.x(), end.y(),
                                        PictureSize().width(), PictureSize().height()),
                            ShiftHeld(), true);
    }
    if (!(event->buttons() & (Qt::LeftButton | Qt::RightButton)))
        EndGesture();
}

void SheetCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
    if (OverlayTakes(event))
        return;
    // Only a plain left double click snaps; any other counts as one more press.
    if (event->button() != Qt::LeftButton || (event->modifiers() & Qt::ControlModifier)) {
        mousePressEvent(event);
        return;
    }
    const std::optional<QPoint> point = PicturePointAt(event->position().toPoint());
    if (!point)
        return;
    if (m_gesture != Gesture::None && event->buttons() == event->button())
        EndGesture();
    if (const std::optional<CanvasRect> piece = PieceAt(*point)) {
        m_gesture = Gesture::Snapped;
        emit PieceChosen(*piece, ShiftHeld());
    }
}

void SheetCanvas::wheelEvent(QWheelEvent* event) {
    const QPoint delta = event->angleDelta();
    if (event->modifiers() & Qt::ControlModifier) {
        if (delta.y() != 0)
            StepZoom(delta.y() > 0 ? 1 : -1, event->position().toPoint());
        event->accept();
        return;
    }
    // Shift turns the wheel sideways.
    const bool sideways = event->modifiers() & Qt::ShiftModifier;
    const int across = sideways ? delta.y() : delta.x();
    const int down = sideways ? 0 : delta.y();
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    h->setValue(h->value() - across * kWheelLines * h->singleStep() / kWheelNotch);
    v->setValue(v->value() - down * kWheelLines * v->singleStep() / kWheelNotch);
    event->accept();
}

void SheetCanvas::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (modifiers & Qt::ControlModifier) {
        const QPoint centre = viewport()->rect().center();
        switch (event->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            StepZoom(1, centre);
            return;
        case Qt::Key_Minus:
        case Qt::Key_Underscore:
            StepZoom(-1, centre);
            return;
        case Qt::Key_0:
            SetZoom(1, centre);
            return;
        default:
            break;
        }
    }
    // Taken here, the Menu key makes no context menu event of its own.
    if (event->key() == Qt::Key_Menu || (event->key() == Qt::Key_F10 && (modifiers & Qt::ShiftModifier))) {
        emit MenuRequested(viewport()->mapToGlobal(viewport()->rect().center()));
        return;
    }
    if (const std::optional<Nudge> nudge = NudgeForKey(event->key(), modifiers)) {
        emit Nudged(*nudge);
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void SheetCanvas::leaveEvent(QEvent* event) {
    QAbstractScrollArea::leaveEvent(event);
    emit PointerMoved(std::nullopt);
}

void SheetCanvas::UpdateCursor(QPoint viewportPoint) {
    for (auto it = m_overlays.rbegin(); it != m_overlays.rend(); ++it) {
        if (const std::optional<Qt::CursorShape> shape = (*it)->OverlayCursor(*this, viewportPoint)) {
            viewport()->setCursor(*shape);
            return;
        }
    }
    if (PicturePointAt(viewportPoint))
        viewport()->setCursor(Qt::CrossCursor);
    else
        viewport()->unsetCursor();
}
