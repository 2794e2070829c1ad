#include "designer/Pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace {

using Drawer = std::function<void(QPainter&)>;

// Draws in a 16 by 16 unit space at the given scale.
QPixmap Render(const Drawer& draw, int scale, QColor background = Qt::transparent) {
    QImage image(16 * scale, 16 * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    draw(painter);
    painter.end();
    return QPixmap::fromImage(image);
}

QIcon MakeIcon(const Drawer& draw) {
    QIcon icon;
    icon.addPixmap(Render(draw, 1));
    QPixmap large = Render(draw, 2);
    large.setDevicePixelRatio(2);
    icon.addPixmap(large);
    return icon;
}

const QColor kInk(60, 60, 70);
const QColor kPaper(252, 250, 240);
const QColor kNote(255, 236, 140);
const QColor kBlue(70, 120, 200);
const QColor kGreen(60, 160, 90);
const QColor kRed(200, 60, 60);

void Sheet(QPainter& p, QRectF r, QColor fill = kPaper) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(fill);
    p.drawRect(r);
}

void DrawGroup(QPainter& p) {
    p.setPen(QPen(QColor(150, 110, 30), 1));
    p.setBrush(QColor(240, 200, 90));
    p.drawRect(QRectF(1.5, 4.5, 13, 9));
    p.drawRect(QRectF(1.5, 2.5, 5, 2));
}

void DrawGeneric(QPainter& p) {
    Sheet(p, QRectF(3.5, 1.5, 9, 13));
}

void DrawCheck(QPainter& p) {
    p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(3, 8.5), QPointF(6.5, 12), QPointF(13, 4)}));
}

void DrawElements(QPainter& p) {
    Sheet(p, QRectF(4.5, 1.5, 10, 9), kNote);
    Sheet(p, QRectF(1.5, 5.5, 10, 9), kNote);
    p.setPen(QPen(QColor(200, 150, 40), 1));
    p.drawLine(QPointF(3, 8.5), QPointF(10, 8.5));
    p.drawLine(QPointF(3, 11.5), QPointF(10, 11.5));
}

void DrawHStrip(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(kBlue);
    p.drawRect(QRectF(0.5, 5.5, 15, 5));
    p.setPen(QPen(QColor(220, 230, 250), 1));
    for (int x = 4; x < 16; x += 4)
        p.drawLine(QPointF(x + 0.5, 6.5), QPointF(x + 0.5, 9.5));
}

void DrawVStrip(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(kGreen);
    p.drawRect(QRectF(5.5, 0.5, 5, 15));
    p.setPen(QPen(QColor(220, 245, 225), 1));
    for (int y = 4; y < 16; y += 4)
        p.drawLine(QPointF(6.5, y + 0.5), QPointF(9.5, y + 0.5));
}

void DrawText(QPainter& p) {
    QFont font;
    font.setPixelSize(14);
    font.setBold(true);
    font.setFamily(QStringLiteral("DejaVu Serif"));
    p.setFont(font);
    p.setPen(kInk);
    p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("A"));
}

void DrawIndicator(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    QRadialGradient glow(QPointF(6.5, 6.5), 7);
    glow.setColorAt(0, QColor(255, 255, 200));
    glow.setColorAt(1, QColor(240, 160, 20));
    p.setBrush(glow);
    p.drawEllipse(QRectF(2.5, 2.5, 11, 11));
}

void DrawActionButton(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    QLinearGradient face(0, 3, 0, 12);
    face.setColorAt(0, QColor(245, 245, 250));
    face.setColorAt(1, QColor(180, 190, 210));
    p.setBrush(face);
    p.drawRoundedRect(QRectF(0.5, 3.5, 13, 8), 2, 2);
    // A pointer clicking it.
    QPainterPath arrow;
    arrow.moveTo(8, 6);
    arrow.lineTo(8, 15);
    arrow.lineTo(10.2, 12.8);
    arrow.lineTo(12, 15.5);
    arrow.lineTo(13.2, 14.8);
    arrow.lineTo(11.6, 12.2);
    arrow.lineTo(14.5, 12);
    arrow.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(arrow);
}

void DrawLayout(QPainter& p) {
    Sheet(p, QRectF(1.5, 1.5, 13, 13), kNote);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 150, 40));
    p.drawRect(QRectF(2, 2, 12, 3));
    p.setBrush(QColor(160, 160, 170));
    p.drawRect(QRectF(11, 5, 3, 9));
}

void DrawBitmap(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(170, 215, 245));
    p.drawRect(QRectF(1.5, 2.5, 13, 11));
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawPolygon(
        QPolygonF({QPointF(2, 13), QPointF(6.5, 7), QPointF(9.5, 10.5), QPointF(11, 9), QPointF(14, 13)}));
    p.setBrush(QColor(250, 220, 60));
    p.drawEllipse(QRectF(10, 4, 3, 3));
}

void DrawTileArea(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            p.setBrush((row + col) % 2 ? QColor(230, 140, 80) : QColor(250, 210, 170));
            p.drawRect(QRectF(1.5 + col * 4.5, 1.5 + row * 4.5, 4.5, 4.5));
        }
    }
}

const std::vector<Drawer>& StripDrawers() {
    static const std::vector<Drawer> drawers = {
        DrawGroup,    DrawGeneric, DrawCheck,     DrawElements,     DrawGeneric, DrawHStrip,
        DrawVStrip,   DrawText,    DrawIndicator, DrawActionButton, DrawLayout,  DrawBitmap,
        DrawTileArea, DrawGeneric, DrawGeneric,   DrawGeneric,      DrawGeneric, DrawGeneric,
    };
    return drawers;
}

void DrawArrow(QPainter& p, bool up) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(kBlue);
    QPolygonF arrow({QPointF(8, 1.5), QPointF(14.5, 8), QPointF(10.5, 8), QPointF(10.5, 14.5),
                     QPointF(5.5, 14.5), QPointF(5.5, 8), QPointF(1.5, 8)});
    if (!up) {
        for (QPointF& point : arrow)
            point.setY(16 - point.y());
    }
    p.drawPolygon(arrow);
}

void DrawNew(QPainter& p) {
    Sheet(p, QRectF(2.5, 2.5, 9, 12), kNote);
    p.setPen(QPen(kGreen, 2.2));
    p.drawLine(QPointF(12, 1), QPointF(12, 8));
    p.drawLine(QPointF(8.5, 4.5), QPointF(15.5, 4.5));
}

void DrawCopy(QPainter& p) {
    Sheet(p, QRectF(1.5, 1.5, 8, 10), kNote);
    Sheet(p, QRectF(6.5, 4.5, 8, 10), kNote);
}

void DrawDelete(QPainter& p) {
    p.setPen(QPen(kRed, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
}

void DrawApplication(QPainter& p) {
    p.setPen(QPen(QColor(170, 140, 40), 0.8));
    p.setBrush(kNote);
    p.drawRect(QRectF(1, 2, 12, 13));
    p.setBrush(QColor(235, 200, 80));
    p.drawRect(QRectF(1, 2, 12, 3));
    // A brush across the corner.
    p.setPen(QPen(QColor(140, 80, 40), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(15, 6), QPointF(9.5, 11.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 60, 120));
    p.drawEllipse(QRectF(7, 10.5, 3.5, 3.5));
}

} // namespace

const QList<QIcon>& PictureStrip() {
    static const QList<QIcon> strip = [] {
        QList<QIcon> icons;
        for (const Drawer& draw : StripDrawers())
            icons << MakeIcon(draw);
        return icons;
    }();
    return strip;
}

QImage ButtonPictureImage(ButtonPicture which) {
    Drawer draw;
    switch (which) {
    case ButtonPicture::New:
        draw = DrawNew;
        break;
    case ButtonPicture::Copy:
        draw = DrawCopy;
        break;
    case ButtonPicture::Delete:
        draw = DrawDelete;
        break;
    case ButtonPicture::MoveUp:
        draw = [](QPainter& p) { DrawArrow(p, true); };
        break;
    case ButtonPicture::MoveDown:
        draw = [](QPainter& p) { DrawArrow(p, false); };
        break;
    }
    QImage image = Render(draw, 2, Qt::white).toImage();
    image.setDevicePixelRatio(2);
    return image;
}

QIcon ApplicationIcon() {
    QIcon icon;
    for (int scale : {1, 2, 3, 4})
        icon.addPixmap(Render(DrawApplication, scale));
    return icon;
}
