#include "cli/CommandHelp.h"

#include "cli/Cli.h"

bool PrintCommandHelp(const QStringList& args, const QString& help) {
    if (!args.contains(QStringLiteral("--help")) && !args.contains(QStringLiteral("-h")))
        return false;
    CliPrint(help);
    return true;
}
