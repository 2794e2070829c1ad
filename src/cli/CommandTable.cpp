#include "cli/Cli.h"

int RunDumpCommand(const QStringList& args);
int RunConvertCommand(const QStringList& args);
int RunGeometryCommand(const QStringList& args);
int RunListCommand(const QStringList& args);
int RunPackCommand(const QStringList& args);
int RunRenderCommand(const QStringList& args);
int RunCatalogueCommand(const QStringList& args);

const std::vector<CliCommand>& CliCommands() {
    static const std::vector<CliCommand> commands = {
        {"dump", "SKIN [--inner NAME]", "the skin's settings, default layout and elements as JSON",
         RunDumpCommand},
        {"convert", "IN -o OUT [--inner NAME]",
         "reads a skin and writes it as a skin file (UTF-16, as the designer saves)", RunConvertCommand},
        {"pack", "SKIN.ini -o OUT.qsk",
         "the skin's package: the skin file, its PNG and its stack skin as stack.ini", RunPackCommand},
        {"list", "PKG.qsk", "each entry of a package: name, method, compressed and uncompressed size, CRC-32",
         RunListCommand},
        {"geometry", "SKIN [--set KEY=VALUE]... [--inner NAME]",
         "scroll range, thumb, text area and each element's drawn flag and rectangle, as JSON",
         RunGeometryCommand},
        {"render",
         "SKIN -o OUT.png [--set KEY=VALUE]... [--canvas] [--area WxH] [--highlight-areas] "
         "[--highlight-element INDEX] [--inner NAME]",
         "the preview picture (or with --canvas the note canvas alone) as an 8-bit RGB PNG",
         RunRenderCommand},
        {"catalogue", "FOLDER [--jobs N] [--quiet]",
         "thumbnails, notes files and _db.db for the folder's packages (catalogue --help for more)",
         RunCatalogueCommand},
    };
    return commands;
}
