#include "widgets/NudgeKeys.h"

std::optional<Nudge> NudgeForKey(int key, Qt::KeyboardModifiers modifiers) {
    // The keypad flag comes with arrows on some keyboards; it changes nothing here.
    const Qt::KeyboardModifiers held = modifiers & ~Qt::KeypadModifier;
    if (held & ~(Qt::ShiftModifier | Qt::AltModifier))
        return std::nullopt;
    const int step = held & Qt::ShiftModifier ? 10 : 1;
    Nudge nudge;
    nudge.resize = held & Qt::AltModifier;
    switch (key) {
    case Qt::Key_Left:
        nudge.dx = -step;
        break;
    case Qt::Key_Right:
        nudge.dx = step;
        break;
    case Qt::Key_Up:
        nudge.dy = -step;
        break;
    case Qt::Key_Down:
        nudge.dy = step;
        break;
    default:
        return std::nullopt;
    }
    return nudge;
}
