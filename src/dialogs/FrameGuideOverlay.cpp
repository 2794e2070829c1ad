#include "dialogs/FrameGuideOverlay.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

bool Vertical(FrameGuide guide) {
    return guide == FrameGuide::Left || guide == FrameGuide::Right;
}

} // namespace

void FrameGuideOverlay::SetFrame(const CanvasRect& rect, const FrameMargins& margins) {
    m_rect = rect;
    m_margins = margins;
}

std::array<int, 4> FrameGuideOverlay::ViewPositions(const SheetView& view) const {
    std::array<int, 4> positions{};
    for (int i = 0; i < 4; ++i) {
        const auto guide = static_cast<FrameGuide>(i);
        const int at = GuidePosition(m_rect, m_margins, guide);
        positions[static_cast<size_t>(i)] = ViewCoordinate(Vertical(guide) ? view.x : view.y, at);
    }
    return positions;
}

std::optional<FrameGuide> FrameGuideOverlay::GuideUnder(const SheetCanvas& canvas, QPoint point) const {
    if (m_rect.IsEmpty())
        return std::nullopt;
    const SheetView view = canvas.View();
    return GuideAt(ViewRectOf(view, m_rect), ViewPositions(view), point.x(), point.y(), kSlack);
}

void FrameGuideOverlay::PaintOverlay(QPainter& painter, const SheetCanvas& canvas) {
    if (m_rect.IsEmpty())
        return;
    const SheetView view = canvas.View();
    const CanvasRect frame = ViewRectOf(view, m_rect);
    painter.save();
    // The stretchable middle lightly tinted, the rectangle framed, the guides drawn across it.
    const std::array<int, 4> at = ViewPositions(view);
    painter.fillRect(QRect(QPoint(at[0], at[1]), QPoint(at[2] - 1, at[3] - 1)), QColor(0, 110, 255, 40));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 170, 0), 2));
    painter.drawRect(frame.left, frame.top, frame.Width() - 1, frame.Height() - 1);
    for (int i = 0; i < 4; ++i) {
        const auto guide = static_cast<FrameGuide>(i);
        painter.setPen(QPen(m_dragged == guide ? QColor(230, 40, 40) : QColor(0, 110, 255), 2));
        const int p = at[static_cast<size_t>(i)];
        if (Vertical(guide))
            painter.drawLine(p, frame.top, p, frame.bottom - 1);
        else
            painter.drawLine(frame.left, p, frame.right - 1, p);
    }
    painter.restore();
}

bool FrameGuideOverlay::OverlayMouse(SheetCanvas& canvas, QMouseEvent& event) {
    const QPoint point = event.position().toPoint();
    switch (event.type()) {
    case QEvent::MouseButtonPress:
        if (event.button() != Qt::LeftButton || m_dragged)
            return m_dragged.has_value();
        m_dragged = GuideUnder(canvas, point);
        if (m_dragged)
            canvas.viewport()->update();
        return m_dragged.has_value();
    case QEvent::MouseMove: {
        if (!m_dragged)
            return false;
        // The pointer sets the nearest boundary between two picture pixels.
        const SheetView view = canvas.View();
        const bool vertical = Vertical(*m_dragged);
        const SheetAxis& axis = vertical ? view.x : view.y;
        const int boundary = PictureCoordinate(axis, (vertical ? point.x() : point.y()) + axis.zoom / 2);
        const FrameMargins moved = MoveGuide(m_rect, m_margins, *m_dragged, boundary);
        if (moved != m_margins) {
            m_margins = moved;
            m_moved(moved);
        }
        canvas.viewport()->update();
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (!m_dragged)
            return false;
        if (event.button() == Qt::LeftButton) {
            m_dragged.reset();
            canvas.viewport()->update();
        }
        return true;
    default:
        return m_dragged.has_value();
    }
}

std::optional<Qt::CursorShape> FrameGuideOverlay::OverlayCursor(const SheetCanvas& canvas,
                                                                QPoint point) const {
    const std::optional<FrameGuide> guide = m_dragged ? m_dragged : GuideUnder(canvas, point);
    if (!guide)
        return std::nullopt;
    return Vertical(*guide) ? Qt::SplitHCursor : Qt::SplitVCursor;
}
