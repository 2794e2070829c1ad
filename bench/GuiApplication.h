#pragma once

#include <QGuiApplication>

// Text drawing needs a GUI application; the first call makes one on the offscreen platform, and it lives
// for the whole run.
inline void EnsureGuiApplication() {
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
}
