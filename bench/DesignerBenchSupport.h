#pragma once

// What the designer's benchmarks share: a widget application on the offscreen platform, a settings store
// in a folder of its own, and a prompter that never blocks.

#include "widgets/Prompter.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <memory>

// Questions never come up here; a prompter that cancels everything keeps the window from blocking.
class SilentPrompter : public Prompter {
public:
    void Inform(QWidget*, const QString&) override {}
    Answer AskYesNoCancel(QWidget*, const QString&) override { return Answer::No; }
    bool AskOkCancel(QWidget*, const QString&) override { return false; }
    bool AskYesNo(QWidget*, const QString&, bool) override { return false; }
    QString ChooseFileToOpen(QWidget*, const QString&, const QString&) override { return {}; }
    QString ChooseFileToSave(QWidget*, const QString&, const QString&) override { return {}; }
    QString ChooseFolder(QWidget*, const QString&) override { return {}; }
    std::optional<Colour> ChooseColour(QWidget*, Colour) override { return std::nullopt; }
    std::optional<QFont> ChooseFont(QWidget*, const QFont&) override { return std::nullopt; }
};

struct Environment {
    Environment() {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QApplication>(argc, argv);
        store = std::make_unique<QSettings>(dir.filePath("settings.ini"), QSettings::IniFormat);
    }
    // Qt's registry of input devices, made after this object, is gone by the time this static is
    // destroyed; taking the application down then would touch it. The process ends anyway.
    ~Environment() { (void)app.release(); }
    int argc = 1;
    char name[8] = "bench";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QApplication> app;
    QTemporaryDir dir;
    std::unique_ptr<QSettings> store;
    SilentPrompter prompter;
};

inline Environment& Env() {
    static Environment environment;
    return environment;
}
