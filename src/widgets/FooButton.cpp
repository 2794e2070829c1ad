#include "widgets/FooButton.h"

#include "widgets/BitmapMenu.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

FooButton::FooButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    // Enter in the main window must never press a button.
    setAutoDefault(false);
}

void FooButton::SetType(Type type) {
    m_type = type;
    update();
}

QImage WithTransparentColour(const QImage& picture, QColor transparent) {
    QImage result = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = transparent.rgb() & RGB_MASK;
    for (int y = 0; y < result.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if ((row[x] & RGB_MASK) == key)
                row[x] = 0;
        }
    }
    return result;
}

void FooButton::SetPicture(const QImage& picture, QColor transparent) {
    const QImage keyed = WithTransparentColour(picture, transparent);
    setIcon(QIcon(QPixmap::fromImage(keyed)));
    setIconSize(keyed.deviceIndependentSize().toSize());
}

void FooButton::SetAlignment(Qt::Alignment alignment) {
    const char* align = alignment & Qt::AlignLeft ? "left" : alignment & Qt::AlignRight ? "right" : "center";
    setStyleSheet(QStringLiteral("text-align: %1;").arg(QLatin1String(align)));
}

QPoint FooButton::MenuPosition() const {
    return mapToGlobal(rect().bottomLeft() + QPoint(0, 1));
}

int FooButton::ShowAttachedMenu() {
    if (!m_menu)
        return 0;
    return CommandOf(m_menu->exec(MenuPosition()));
}

void FooButton::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    if (m_type != Type::DropDown)
        return;
    QStyleOption arrow;
    arrow.initFrom(this);
    const int size = qMax(6, height() / 4);
    arrow.rect = QRect(width() - size - 6, (height() - size) / 2, size, size);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, &painter, this);
}
