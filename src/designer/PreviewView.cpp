#include "designer/PreviewView.h"

#include <QImage>
#include <QPainter>

QSize PreviewBufferSize(QSize area) {
    return {area.width(), area.height() + (area.height() % 2)};
}

PreviewView::PreviewView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
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
