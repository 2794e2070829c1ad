// The catalogue command's own help, apart from the command: the help is printed without the drawing
// module the command needs.
#include <QString>

namespace {

const char* const kHelp =
    "Usage: drapier-cli catalogue FOLDER [--jobs N] [--quiet] [--html]\n"
    "\n"
    "Writes the catalogue of the skin packages (*.qsk, any case) in FOLDER, as the skin browser's\n"
    "\"Write DB/pngs\" does:\n"
    "  NAME.png  a thumbnail of the skin (at most 300 by 150), only when it does not exist yet\n"
    "  NAME.not  the skin's notes, only when it does not exist yet\n"
    "  _db.db    one line per package, in name order (case ignored), always written anew,\n"
    "            as UTF-16LE without a byte-order mark\n"
    "A package that does not load gets its line but no thumbnail and no notes file, so a mended\n"
    "package gets them on the next run.\n"
    "\n"
    "Options:\n"
    "  --jobs N   work on N packages at once (default: one per core); every file is the same\n"
    "             whatever N is\n"
    "  --quiet    no progress; the summary and the failures are still printed\n"
    "  --html     then also write index.html, a gallery page of the packages (thumbnail, name,\n"
    "             author, notes, download link) with search and sort, needing nothing but the\n"
    "             folder's files; an index.html Drapier did not write is left alone (a failure)\n"
    "  --help     this text\n"
    "\n"
    "Progress goes to standard error: a bar when it is a terminal, else one line per package. At the\n"
    "end, a summary on standard output (packages, thumbnails written, skipped, failed) and each\n"
    "failure on standard error.\n"
    "\n"
    "Exit status: 0 every package was catalogued, 1 a package failed or the catalogue (or the page)\n"
    "could not be written, 2 usage error.\n";

} // namespace

QString CatalogueCommandHelp() {
    return QString::fromUtf8(kHelp);
}
