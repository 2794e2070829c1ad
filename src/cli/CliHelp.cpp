#include "cli/CliHelp.h"

#include "cli/Cli.h"

#include <QStringList>

namespace {

constexpr int kTagIndent = 2;
constexpr int kTextColumn = 24;
constexpr int kLineWidth = 79;

// The text's words filled into lines that end before kLineWidth when each starts at the column given.
QStringList FillLines(const QString& text, int column) {
    QStringList lines;
    QString line;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && column + line.size() + 1 + word.size() > kLineWidth) {
            lines << line;
            line.clear();
        }
        line += line.isEmpty() ? word : QStringLiteral(" ") + word;
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

// One entry: the tag, and the description beside it when the tag is short, else below it.
QString Entry(const QString& tag, const QString& description) {
    QStringList lines = FillLines(description, kTextColumn);
    QString out = QString(kTagIndent, u' ') + tag;
    if (!lines.isEmpty() && kTagIndent + tag.size() + 2 <= kTextColumn)
        out += QString(kTextColumn - kTagIndent - tag.size(), u' ') + lines.takeFirst();
    out += u'\n';
    for (const QString& line : lines)
        out += QString(kTextColumn, u' ') + line + u'\n';
    return out;
}

const char* const kIntroduction =
    "Usage: drapier-cli COMMAND [ARGUMENT]...\n"
    "  or:  drapier-cli --help | --version\n"
    "\n"
    "The headless tool of Drapier, the skin designer of Pinlets. It reads skin files\n"
    "(.ini) and skin packages (.qsk) by the rules the designer uses, and writes what\n"
    "the designer would save or show, for scripts, batch work and tests. SKIN is a\n"
    ".ini skin file or a .qsk package. Text output is UTF-8.\n";

struct HelpEntry {
    const char* tag;
    const char* description;
};

const HelpEntry kOptions[] = {
    {"--inner NAME", "read the skin file NAME inside a .qsk package instead of the package's usual one "
                     "(its first .ini that is not stack.ini); --inner stack.ini reads its stack skin"},
    {"--set KEY=VALUE", "one value of the note the skin is drawn in, as the designer's note settings hold "
                        "it; repeatable, the last value of a key counts (keys below)"},
    {"-o FILE", "the file the command writes; a file already there is replaced only once the new one is "
                "complete"},
    {"--help", "print this help and exit"},
    {"--version", "print the version and exit"},
};

const HelpEntry kNoteSettings[] = {
    {"width, height",
     "the note's size in pixels, any integer (300 and 100); a rolled note takes its layout's "
     "rolled height, and a note too large for a canvas is not painted"},
    {"scrolltop, scrollbottom", "the part of the note's text in view, as percentages of its length (25 and "
                                "100); with scrollbar=1 and less than all of it in view the note needs its "
                                "scroll bar"},
    {"dpi", "the screen's dots per inch that text sizes are drawn for, 1 to 9999 (96)"},
    {"ontop", "the \"On Top\" box"},
    {"rolled", "the \"Rolled\" box"},
    {"locked", "the \"Locked contents\" box"},
    {"alarm", "the \"Alarm\" box"},
    {"focus", "the \"Has Focus\" box"},
    {"attached", "the \"Attached\" box"},
    {"stand", "the \"Stand\" box"},
    {"solo", "the \"Solo\" box"},
    {"user1", "the \"User 1\" box"},
    {"user2", "the \"User 2\" box"},
    {"user3", "the \"User 3\" box"},
    {"transmit", "the \"Transmit OK\" box"},
    {"email", "the \"Email OK\" box"},
    {"sync", "the \"Sync\" box"},
    {"image", "the \"Image\" box"},
    {"instack", "the \"In a Stack\" box"},
    {"bulk", "the \"Bulk Selected\" box"},
    {"scrollbar", "the \"Scrollbar\" box"},
    {"moreabove", "the \"More Above\" box"},
    {"morebelow", "the \"More Below\" box"},
    {"stackmode", "1 draws the skin as a stack skin, 0 as a note skin (the skin's own mode)"},
    {"title, source, stackname, created",
     "the texts the placeholders show (\"Pinlets Drapier\", \"Ivo Brannet\" or 3 for a stack skin, "
     "\"Reference\" and empty)"},
    {"notecolour, pencolour",
     "the note and pen colours as R,G,B, each 0 to 255 (255,255,180 and 255,64,255)"},
};

const HelpEntry kExitStatus[] = {
    {"0", "success"},
    {"1", "the operation failed (or check found something)"},
    {"2", "a usage error"},
};

template <size_t N> QString Section(const char* heading, const HelpEntry (&entries)[N]) {
    QString out = QStringLiteral("\n%1:\n").arg(QLatin1StringView(heading));
    for (const HelpEntry& e : entries)
        out += Entry(QString::fromUtf8(e.tag), QString::fromUtf8(e.description));
    return out;
}

} // namespace

QString CliHelpText() {
    QString text = QString::fromUtf8(kIntroduction);
    text += QStringLiteral("\nCommands:\n");
    if (CliCommands().empty())
        text += QStringLiteral("  (none yet)\n");
    for (const CliCommand& c : CliCommands()) {
        text += Entry(QStringLiteral("%1 %2").arg(QLatin1StringView(c.name), QString::fromUtf8(c.synopsis)),
                      QString::fromUtf8(c.summary));
    }
    text += Section("Options", kOptions);
    text += Section("Note settings (--set KEY=VALUE, keys in any case)", kNoteSettings);
    text += QStringLiteral("\nThe boxes take 1 or 0 (or true or false) and are all 0 at start.\n");
    text += Section("Exit status", kExitStatus);
    text += QStringLiteral("\nEvery failure writes a one-line reason to standard error.\n");
    return text;
}

QString CommandHelpText(const CliCommand& command) {
    QString text = QStringLiteral("Usage: drapier-cli %1 %2\n\n")
                       .arg(QLatin1StringView(command.name), QString::fromUtf8(command.synopsis));
    for (const QString& line : FillLines(QString::fromUtf8(command.summary), 0))
        text += line + u'\n';
    text += QStringLiteral(
        "\nThe options, the --set keys and the exit statuses are those of drapier-cli --help.\n");
    return text;
}
