#include "cli/Cli.h"
#include "cli/CliHelp.h"

#include <QGuiApplication>
#include <cstdlib>
#include <memory>

namespace {

// Commands that neither draw nor decode pictures start without the GUI application: its platform start-up
// would be most of the time a pack or a list takes.
bool NeedsGui(int argc, char** argv) {
    if (argc < 2)
        return true;
    const QByteArray command(argv[1]);
    return command != "pack" && command != "list";
}

// Qt's own notes (a missing runtime folder, font fallbacks) are no business of the tool's caller, who
// gets exactly one line of reason on a failure.
void QuietQtMessages(QtMsgType, const QMessageLogContext&, const QString&) {}

} // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(QuietQtMessages);
    // Text drawing needs a GUI application, but the tool never shows a window.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app;
    if (NeedsGui(argc, argv))
        app = std::make_unique<QGuiApplication>(argc, argv);
    else
        app = std::make_unique<QCoreApplication>(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();

    if (args.isEmpty())
        return CliUsageError(QStringLiteral("no command given; try drapier-cli --help"));
    const QString command = args.takeFirst();
    if (command == u"--help" || command == u"-h" || command == u"help") {
        CliPrint(CliHelpText());
        return kExitOk;
    }
    if (command == u"--version") {
        CliPrint(QStringLiteral("drapier-cli %1\n").arg(QStringLiteral(DRAPIER_VERSION)));
        return kExitOk;
    }
    for (const CliCommand& c : CliCommands()) {
        if (command != QLatin1StringView(c.name))
            continue;
        // Asked for help, a command answers before any other argument is judged.
        if (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
            CliPrint(c.help ? c.help() : CommandHelpText(c));
            return kExitOk;
        }
        return c.run(args);
    }
    return CliUsageError(QStringLiteral("unknown command '%1'; try drapier-cli --help").arg(command));
}
