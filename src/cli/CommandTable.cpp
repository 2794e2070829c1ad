#include "cli/Cli.h"

int RunGeometryCommand(const QStringList& args);

const std::vector<CliCommand>& CliCommands() {
    static const std::vector<CliCommand> commands = {
        {"geometry", "SKIN [--set KEY=VALUE]... [--inner NAME]",
         "scroll range, thumb, text area and each element's drawn flag and rectangle, as JSON",
         RunGeometryCommand},
    };
    return commands;
}
