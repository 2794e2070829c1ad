#include "cli/Cli.h"

int RunGeometryCommand(const QStringList& args);
int RunRenderCommand(const QStringList& args);

const std::vector<CliCommand>& CliCommands() {
    static const std::vector<CliCommand> commands = {
        {"geometry", "SKIN [--set KEY=VALUE]... [--inner NAME]",
         "scroll range, thumb, text area and each element's drawn flag and rectangle, as JSON",
         RunGeometryCommand},
        {"render",
         "SKIN -o OUT.png [--set KEY=VALUE]... [--canvas] [--area WxH] [--highlight-areas] "
         "[--highlight-element INDEX] [--inner NAME]",
         "the preview picture (or with --canvas the note canvas alone) as an 8-bit RGB PNG", RunRenderCommand},
    };
    return commands;
}
