#include "designer/PreviewView.h"

#include <QImage>
#include <QPainter>

QSize PreviewBufferSize(QSize area) {
    return {area.width(), area.height() + (area.height() % 2)};
}

PreviewView::PreviewView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    // The arrow keys nudge the selected element while the preview has the focus.
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(120, 80);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize PreviewView::BufferSize() const {
    return PreviewBufferSize(size());
}

void PreviewView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!Buffer().IsValid()) {
        painter.fillRect(rect(), palette().color(QPalette::Window));
        return;
    }
    painter.drawImage(0, 0, Buffer().ImageView());
    PaintOverlay(painter);
}

void PreviewView::PaintOverlay(QPainter& painter) const {
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (!m_overlay)
        return;
    const PreviewOverlay overlay = m_overlay();
    // Dark and light dashes show on any skin.
    if (!overlay.outline.isEmpty()) {
        const QRect r = overlay.outline.adjusted(-1, -1, 0, 0);
        painter.setPen(QPen(Qt::white, 1));
        painter.drawRect(r);
        painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
        painter.drawRect(r);
    }
    painter.setPen(QPen(QColor(0, 150, 255), 1));
    for (const QLine& guide : overlay.guides)
        painter.drawLine(guide);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    for (const QRect& handle : overlay.handles)
        painter.drawRect(handle.adjusted(0, 0, -1, -1));
}

void PreviewView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit Resized();
}
