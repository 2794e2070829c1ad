#include "cli/CliDispatch.h"

#include "cli/Cli.h"
#include "cli/CliHelp.h"

#include <cstring>

namespace {

bool AsksForHelp(const QStringList& args) {
    return args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"));
}

} // namespace

bool RunsInDrawingModule(int argc, char** argv) {
    if (argc < 2)
        return false;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0)
            return false;
    }
    for (const CliCommand& c : CliCommands()) {
        if (std::strcmp(argv[1], c.name) == 0)
            return c.run == nullptr;
    }
    return false;
}

int RunCliCommand(QStringList args, DrawingCommandRunner drawing) {
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
        if (AsksForHelp(args)) {
            CliPrint(c.help ? c.help() : CommandHelpText(c));
            return kExitOk;
        }
        if (c.run)
            return c.run(args);
        if (!drawing)
            return CliFailure(
                QStringLiteral("%1 draws text and runs only in the drawing module").arg(command));
        return drawing(command, args);
    }
    return CliUsageError(QStringLiteral("unknown command '%1'; try drapier-cli --help").arg(command));
}
