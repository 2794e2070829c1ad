#include "designer/PreviewView.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

QSize PreviewBufferSize(QSize area) {
    return {area.width(), area.height() + (area.height() % 2)};
}

PreviewView::PreviewView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setMinimumSize(120, 80);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize PreviewView::BufferSize() const {
    return PreviewBufferSize(size());
}

void PreviewView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!m_buffer.IsValid()) {
        painter.fillRect(rect(), palette().color(QPalette::Window));
        return;
    }
    painter.drawImage(0, 0, m_buffer.ImageView());
}

void PreviewView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit Resized();
}

void PreviewView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit Clicked(event->position().toPoint());
    QWidget::mousePressEvent(event);
}

void PreviewView::mouseMoveEvent(QMouseEvent* event) {
    emit PointerMoved(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

void PreviewView::leaveEvent(QEvent* event) {
    emit PointerLeft();
    QWidget::leaveEvent(event);
}
