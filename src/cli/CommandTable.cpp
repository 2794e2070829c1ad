#include "cli/Cli.h"

int RunDumpCommand(const QStringList& args);
int RunConvertCommand(const QStringList& args);
int RunCTimeCommand(const QStringList& args);
int RunGeometryCommand(const QStringList& args);
int RunListCommand(const QStringList& args);
int RunPackCommand(const QStringList& args);
int RunCheckCommand(const QStringList& args);
int RunLintCommand(const QStringList& args);
int RunFrameCommand(const QStringList& args);
int RunPiecesCommand(const QStringList& args);
QString CTimeCommandHelp();
QString CheckCommandHelp();
QString LintCommandHelp();
QString CatalogueCommandHelp();
QString PiecesCommandHelp();

const std::vector<CliCommand>& CliCommands() {
    static const std::vector<CliCommand> commands = {
        {"dump", "SKIN [--inner NAME]",
         "Print the skin as JSON: its name, its picture's name and size, the skin-wide settings, the default "
         "layout and every element in document order with all its fields. A skin whose picture is missing "
         "still dumps.",
         RunDumpCommand},
        {"convert", "IN -o OUT [--inner NAME]",
         "Read a skin file or package and write its skin file to OUT as the designer saves it: UTF-16 with a "
         "byte-order mark, every key the designer writes, in its order. The picture is not copied; OUT must "
         "not be a .qsk (use pack).",
         RunConvertCommand},
        {"pack", "SKIN.ini -o OUT.qsk",
         "Pack a saved skin file as the designer's export does: the skin file, the PNG its bitmap key names "
         "and, when it names one, its stack skin stored as stack.ini, all taken from the skin file's folder. "
         "OUT gets the .qsk ending when it has none.",
         RunPackCommand},
        {"list", "PKG.qsk",
         "List the entries of a package, one line each in archive order: name, method (stored or deflated), "
         "compressed size, uncompressed size and CRC-32 in hexadecimal, separated by tabs.",
         RunListCommand},
        {"geometry", "SKIN [--set KEY=VALUE]... [--inner NAME]",
         "Print as JSON where things fall on the note in the state the --set options describe: the active "
         "layout (-1 for the default one), whether the scroll bar is needed, the scroll range, the thumb, "
         "the text area and each element's drawn flag and rectangle [left, top, right, bottom] in note "
         "pixels.",
         RunGeometryCommand},
        {"render",
         "SKIN -o OUT.png [--set KEY=VALUE]... [--canvas] [--area WxH] [--highlight-areas] "
         "[--highlight-element INDEX] [--inner NAME]",
         "Draw the preview the designer shows, the note in the state the --set options describe centred over "
         "the backdrop, and write it as an 8-bit RGB PNG. --canvas writes the note alone at its own size; "
         "--area WxH sets the preview's size (the note's size plus 100 pixels each way); --highlight-areas "
         "tints the title, text and scroll areas; --highlight-element INDEX tints that element, counted from "
         "0 in document order.",
         nullptr},
        {"ctime", "NUMBER | --date YYYY-MM-DD --time HH:MM",
         "Print a stored note time (seconds since 1970, UTC; a signed 32-bit number, which may be negative) "
         "as the local date and time of the TZ environment, YYYY-MM-DD HH:MM:SS; or, with --date and --time, "
         "print the number the designer's time converter writes for that local moment.",
         RunCTimeCommand, CTimeCommandHelp},
        {"check", "SKIN [--inner NAME] [--fail-on errors|warnings] [--set KEY=VALUE]...",
         "Run the designer's Check for Errors on the skin in the state the --set options describe and print "
         "its report, or \"No errors found\"; --set stackmode=0|1 overrides the skin's own mode. Exit status "
         "1 when there is a report (--fail-on errors: when it holds an error).",
         RunCheckCommand, CheckCommandHelp},
        {"lint", "SKIN [--inner NAME] [--json]",
         "Lint the sprite sheet: source rectangles outside the picture or empty, unknown and unused groups, "
         "elements drawn in none of the states tried, duplicate names and visible picture areas no source "
         "covers; one \"LINT: \" line each, or with --json a list of objects. Exit status 1 with findings.",
         RunLintCommand, LintCommandHelp},
        {"pieces", "SKIN [--inner NAME] [--json]",
         "List the pieces of the sprite sheet, the rectangles a double click in the designer snaps to: each "
         "region of pixels that are not empty, in reading order, one \"X,Y WxH: NAME, NAME\" line each with "
         "the elements whose tinted source rectangles overlap it, or with --json a list of objects with x, "
         "y, width, height and elements.",
         RunPiecesCommand, PiecesCommandHelp},
        {"catalogue", "FOLDER [--jobs N] [--quiet] [--html]",
         "Write the catalogue of the folder's packages (.qsk, any letter case) as the skin browser does: a "
         "300 by 150 thumbnail and a .not notes file per package where missing, and _db.db anew with one "
         "line per package. --jobs N sets the number of worker threads (one per core by default); a progress "
         "bar goes to stderr on a terminal, a line per package otherwise, nothing with --quiet. --html also "
         "writes index.html, a self-contained gallery page of the packages with search and sort. Exit status "
         "1 when any package failed.",
         nullptr, CatalogueCommandHelp},
        {"sheet", "SKIN -o OUT.png [--sizes WxH,...] [--states NAME,...] [--set KEY=VALUE]... [--inner NAME]",
         "Draw the state sheet: the preview in many note states at once, one labelled row per state and one "
         "column per note size, each cell what render --area gives for that state with the note's size plus "
         "20 pixels each way. The rows are base (the note the --set options describe), rolled, focus and "
         "each box that the skin's conditions, indicators or group rules read, named by its --set key, each "
         "the base with that one box turned over; --states NAME,... draws those rows instead (base or any "
         "box's key) and --states help lists the skin's own. The columns are the active layout's minimum "
         "size, 300x100 and 600x200; --sizes WxH,... draws those instead, each side 1 to 9999.",
         nullptr},
        {"frame",
         "SKIN --rect X,Y,W,H -o OUT.ini [--margins auto|L,T,R,B] [--tolerance N] [--body tile|none] "
         "[--group NAME] [--set-layout] [--inner NAME]",
         "Add a resizable frame cut from one rectangle of the skin's picture (clipped to it) and write the "
         "skin to OUT as the designer saves it: four corner buttons, top and bottom strips, left and right "
         "strips and, with --body tile (the default), a tile area repeating the middle; put at the start of "
         "the elements, so everything else is drawn over it. --margins auto (the default) finds the borders: "
         "the longest run of equal columns and rows inside the rectangle is the stretchable middle, colours "
         "and alpha within --tolerance N (0 to 255, default 0). --group NAME puts the pieces into a new "
         "group; --set-layout fits the default layout's borders, title bar, rolled height and minimum size "
         "to the frame. Prints the margins used as \"margins L,T,R,B\".",
         RunFrameCommand},
    };
    return commands;
}
