#include "widgets/KeyPressFilter.h"

#include <QKeyEvent>
#include <algorithm>

KeyPressFilter::KeyPressFilter(std::vector<int> keys, std::function<void()> run, QObject* parent)
    : QObject(parent), m_keys(std::move(keys)), m_run(std::move(run)) {}

bool KeyPressFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (std::find(m_keys.begin(), m_keys.end(), key->key()) != m_keys.end() &&
            (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            m_run();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
