#include "dialogs/DialogPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {

bool PlatformPlacesWindows() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

QPoint Origin(const QWidget* parent) {
    return parent ? parent->window()->pos() : QPoint(0, 0);
}

} // namespace

void PlaceDialog(QWidget* dialog, const QWidget* parent, QPoint offset) {
    if (!PlatformPlacesWindows())
        return;
    QPoint topLeft = Origin(parent) + offset;
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        // The frame is not known before the dialog is shown; leave room for a usual one.
        const QSize size = dialog->size() + QSize(16, 40);
        topLeft.setX(
            std::clamp(topLeft.x(), area.left(), std::max(area.left(), area.right() + 1 - size.width())));
        topLeft.setY(
            std::clamp(topLeft.y(), area.top(), std::max(area.top(), area.bottom() + 1 - size.height())));
    }
    dialog->move(topLeft);
}

bool DialogOffset(const QWidget* dialog, const QWidget* parent, QPoint* offset) {
    if (!PlatformPlacesWindows())
        return false;
    *offset = dialog->pos() - Origin(parent);
    return true;
}
