#include "designer/SourceView.h"

#include "picture/ImageSurface.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

namespace {
constexpr int kSquare = 8;
constexpr Colour kLight = MakeColour(255, 255, 255);
constexpr Colour kDark = MakeColour(191, 191, 191);
} // namespace

void FillSourceCheckerboard(Canvas& canvas) {
    for (int y = 0; y < canvas.Height(); y += kSquare) {
        for (int x = 0; x < canvas.Width(); x += kSquare) {
            const bool light = ((x / kSquare) + (y / kSquare)) % 2 == 0;
            canvas.Fill(CanvasRect::FromSize(x, y, kSquare, kSquare), light ? kLight : kDark);
        }
    }
}

SourceView::SourceView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize SourceView::sizeHint() const {
    return {300, 160};
}

void SourceView::SetPicture(const ImageSurface& picture) {
    if (!picture.IsValid() || !m_composed.Create(picture.Width(), picture.Height())) {
        m_composed.Clear();
    } else {
        FillSourceCheckerboard(m_composed);
        picture.Draw(m_composed, 0, 0);
    }
    update();
}

QRect SourceView::PictureRect() const {
    return QRect(0, 0, qMin(width(), m_composed.Width()), qMin(height(), m_composed.Height()));
}

void SourceView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect shown = PictureRect();
    // Around the picture the window's own colour, whatever the desktop's palette, so a smaller picture
    // loaded after a larger one leaves nothing behind.
    for (const QRect& band : QRegion(rect()).subtracted(shown))
        painter.fillRect(band, palette().color(QPalette::Window));
    if (m_composed.IsValid())
        painter.drawImage(shown.topLeft(), m_composed.ImageView(), shown);
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

void SourceView::mouseMoveEvent(QMouseEvent* event) {
    if (PictureRect().contains(event->position().toPoint()))
        setCursor(Qt::CrossCursor);
    else
        unsetCursor();
    QWidget::mouseMoveEvent(event);
}
