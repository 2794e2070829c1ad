#pragma once

#include <QGuiApplication>

// Text drawing needs a GUI application; one lives for the whole benchmark run, on the offscreen platform
// unless another is asked for.
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
