#include "designer/DrapierApp.h"

#include "designer/DrapierDlg.h"
#include "designer/Pictures.h"
#include "widgets/DialogPrompter.h"

#include <QApplication>
#include <QSettings>

QString CommandLineSkinPath(const QStringList& arguments) {
    return arguments.join(QLatin1Char(' '));
}

int CDrapierApp::Run(int argc, char** argv) {
    // Taken before Qt removes the options it knows, so that the path arrives as it was typed.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quarvel"));
    QApplication::setApplicationName(QStringLiteral("pinletsdrapier"));
    // The desktop matches the window to its menu entry by this name, and the installed icon is the
    // entry's own; the drawn one serves a designer run from its build folder.
    QApplication::setDesktopFileName(QStringLiteral("org.example.Drapier"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.example.Drapier"), ApplicationIcon()));

    DialogPrompter prompter;
    QSettings store(QStringLiteral("Quarvel"), QStringLiteral("pinletsdrapier"));
    CDrapierDlg window(prompter, store);
    window.StartUp(CommandLineSkinPath(arguments));
    window.exec();
    return 0;
}
