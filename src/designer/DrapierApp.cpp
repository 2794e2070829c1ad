#include "designer/DrapierApp.h"

#include "designer/DrapierDlg.h"
#include "designer/Pictures.h"
#include "designer/WidgetMap.h"
#include "document/RecoveryFolder.h"
#include "document/SkinLoader.h"
#include "widgets/DialogPrompter.h"

#include <QApplication>
#include <QSettings>
#include <QTimer>

QString CommandLineSkinPath(const QStringList& arguments) {
    return arguments.join(QLatin1Char(' '));
}

namespace {

// DRAPIER_RECOVERY_DIR moves the recovery files elsewhere (a test's own folder, a faster disk).
QString RecoveryFolder() {
    const QString chosen = qEnvironmentVariable("DRAPIER_RECOVERY_DIR");
    return chosen.isEmpty() ? DefaultRecoveryFolder() : chosen;
}

} // namespace

int CDrapierApp::Run(int argc, char** argv) {
    // Taken before Qt removes the options it knows, so that the path arrives as it was typed.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    // The skin named on the command line starts loading at once: its sheet decodes while the window is
    // built.
    SkinLoadAhead commandLineSkin(CommandLineSkinPath(arguments), true);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quarvel"));
    QApplication::setApplicationName(QStringLiteral("pinletsdrapier"));
    // The desktop matches the window to its menu entry by this name, and the installed icon is the
    // entry's own; the drawn one serves a designer run from its build folder.
    QApplication::setDesktopFileName(QStringLiteral("org.example.Drapier"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.example.Drapier"), ApplicationIcon()));

    StartWidgetMapFromEnvironment(&app);

    DialogPrompter prompter;
    QSettings store(QStringLiteral("Quarvel"), QStringLiteral("pinletsdrapier"));
    CDrapierDlg window(prompter, store);
    window.StartUp(CommandLineSkinPath(arguments), std::move(commandLineSkin));
    // Once the window is up, so that the offers of unsaved changes stand in front of it.
    QTimer::singleShot(0, &window, [&window] { window.StartRecovery(RecoveryFolder()); });
    window.exec();
    return 0;
}
