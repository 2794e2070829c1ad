#include "cli/Cli.h"

#include <QGuiApplication>
#include <cstdlib>
#include <memory>

namespace {

QString HelpText() {
    QString text = QStringLiteral(
        "Usage: drapier-cli COMMAND [ARGS]\n"
        "       drapier-cli --help | --version\n\n"
        "Headless tool of Drapier, the skin designer of Pinlets.\n"
        "Exit status: 0 success, 1 the operation failed (or check found something), 2 usage error.\n\n");
    if (CliCommands().empty()) {
        text += QStringLiteral("No commands yet.\n");
        return text;
    }
    text += QStringLiteral("Commands:\n");
    for (const CliCommand& c : CliCommands()) {
        text +=
            QStringLiteral("  %1 %2\n      %3\n")
                .arg(QString::fromUtf8(c.name), QString::fromUtf8(c.synopsis), QString::fromUtf8(c.summary));
    }
    return text;
}

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
        CliPrint(HelpText());
        return kExitOk;
    }
    if (command == u"--version") {
        CliPrint(QStringLiteral("drapier-cli %1\n").arg(QStringLiteral(DRAPIER_VERSION)));
        return kExitOk;
    }
    for (const CliCommand& c : CliCommands()) {
        if (command == QLatin1StringView(c.name))
            return c.run(args);
    }
    return CliUsageError(QStringLiteral("unknown command '%1'; try drapier-cli --help").arg(command));
}
