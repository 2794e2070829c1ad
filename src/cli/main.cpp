#include "cli/CliDispatch.h"
#include "cli/DrawingModuleLoader.h"

#include <QCoreApplication>

namespace {

// Qt's own notes (a missing runtime folder, font fallbacks) are no business of the tool's caller, who
// gets exactly one line of reason on a failure.
void QuietQtMessages(QtMsgType, const QMessageLogContext&, const QString&) {}

} // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(QuietQtMessages);
    // Text drawing needs a GUI application, but the tool never shows a window.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (RunsInDrawingModule(argc, argv))
        return RunInDrawingModule(argc, argv);
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    return RunCliCommand(args, nullptr);
}
