#include "widgets/ColourSwatch.h"

#include <QPainter>

QColor ToQColor(Colour colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

ColourSwatch::ColourSwatch(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMinimumSize(40, 18);
}

void ColourSwatch::SetColour(Colour colour) {
    if (colour == m_colour)
        return;
    m_colour = colour;
    update();
}

void ColourSwatch::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect inside = contentsRect();
    if (m_colour == kNoColour) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawLine(inside.topLeft(), inside.bottomRight());
    } else {
        painter.fillRect(inside, ToQColor(m_colour));
    }
    painter.end();
    QFrame::paintEvent(event);
}
