#pragma once

#include "FakePrompter.h"
#include "designer/DrapierDlg.h"

#include <QSettings>
#include <QTemporaryDir>

// A designer window on a throwaway settings store, started on the default skin; its questions are
// answered by the fake prompter.
struct TestDesigner {
    QTemporaryDir dir;
    FakePrompter prompter;
    QSettings store{dir.filePath("settings.ini"), QSettings::IniFormat};
    CDrapierDlg window{prompter, store};

    TestDesigner() { window.StartUp(QString()); }
};
