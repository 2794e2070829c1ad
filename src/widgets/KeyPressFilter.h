#pragma once

#include <QObject>
#include <functional>
#include <vector>

// An event filter that runs a command for the keys given, pressed without modifiers (the keypad's
// counts as none), and takes those key presses; every other event goes on to the watched widget.
class KeyPressFilter : public QObject {
public:
    KeyPressFilter(std::vector<int> keys, std::function<void()> run, QObject* parent);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<int> m_keys;
    std::function<void()> m_run;
};
