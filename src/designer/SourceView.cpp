#include "designer/SourceView.h"

#include <QMouseEvent>
#include <QPainter>

SourceView::SourceView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize SourceView::sizeHint() const {
    return {300, 160};
}

QRect SourceView::PictureRect() const {
    return QRect(0, 0, qMin(width(), m_pictureSize.width()), qMin(height(), m_pictureSize.height()));
}

void SourceView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (!m_composed.IsValid()) {
        painter.fillRect(rect(), palette().color(QPalette::Window));
        return;
    }
    const QRect dirty = event->rect();
    painter.drawImage(dirty.topLeft(), m_composed.ImageView(), dirty);
    if (!m_extraTint.isEmpty()) {
        painter.fillRect(m_extraTint, QColor(255, 0, 0, 110));
        painter.setPen(QColor(200, 0, 0));
        painter.drawRect(m_extraTint.adjusted(0, 0, -1, -1));
    }
}

void SourceView::SetExtraTint(const QRect& area) {
    m_extraTint = area;
    update();
}

void SourceView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit Resized();
}

void SourceView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // The face colour around the picture is the palette's window colour.
    if (event->type() == QEvent::PaletteChange)
        emit Resized();
}

void SourceView::mousePressEvent(QMouseEvent* event) {
    emit Pressed(event->position().toPoint(), event->button(), event->buttons());
    QWidget::mousePressEvent(event);
}

void SourceView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (PictureRect().contains(point))
        setCursor(Qt::CrossCursor);
    else
        unsetCursor();
    if (event->buttons() & (Qt::LeftButton | Qt::RightButton))
        emit Dragged(point, event->buttons());
    QWidget::mouseMoveEvent(event);
}

void SourceView::mouseReleaseEvent(QMouseEvent* event) {
    emit Released(event->buttons());
    QWidget::mouseReleaseEvent(event);
}
