#include "cli/Cli.h"
#include "cli/CliSkinLoad.h"
#include "cli/CommandArgs.h"
#include "document/SkinDocument.h"
#include "render/SheetPieces.h"
#include "render/SheetPixels.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const char* const kHelp =
    "Usage: drapier-cli pieces SKIN [--inner NAME] [--json]\n"
    "\n"
    "Lists the pieces of the skin's picture: each region of pixels that are not empty, joined across\n"
    "edges and corners, by its bounding rectangle, the one a double click on the piece in the designer\n"
    "snaps to. Empty is alpha 0 on a picture with alpha; on a picture without, its transparent colour\n"
    "(a PNG's tRNS colour, a keyed picture's key) and the skin's region colour. An opaque picture with\n"
    "none of these is one piece.\n"
    "\n"
    "  SKIN            a skin file (.ini) or a skin package (.qsk)\n"
    "  --inner NAME    the skin file to read inside a package (by default its main skin file)\n"
    "  --json          a JSON list instead of text: one object per piece with \"x\", \"y\", \"width\",\n"
    "                  \"height\" and \"elements\" (a list of names)\n"
    "\n"
    "Pieces come in reading order: top to bottom, then left to right, by the rectangle's top-left\n"
    "corner. Text output is one line a piece, \"X,Y WxH:\" followed by the names of the elements one of\n"
    "whose tinted source rectangles (the areas the designer tints for them) overlaps the piece, separated\n"
    "by \", \"; a picture with no pieces prints nothing.\n"
    "\n"
    "Exit status: 0 on success, 1 when the skin or its picture cannot be read, 2 on a usage error.\n";

QStringList Names(const SkinDocument& document, const std::vector<int>& users) {
    QStringList names;
    for (const int e : users)
        names << document.elements[static_cast<size_t>(e)].Name();
    return names;
}

} // namespace

QString PiecesCommandHelp() {
    return QString::fromUtf8(kHelp);
}

int RunPiecesCommand(const QStringList& args) {
    CommandArgs parsed;
    QString skinPath, reason;
    if (!parsed.Parse(QStringLiteral("pieces"), args, {{"--inner", nullptr, "a NAME"}, {"--json"}},
                      &reason) ||
        !parsed.TakeOne("a SKIN", &skinPath, &reason))
        return CliUsageError(reason);

    SkinDocument document;
    if (!CliLoadSkin(skinPath, parsed.Value("--inner"), &document, &reason))
        return CliFailure(reason);
    const SheetPixels sheet = SheetPixels::OfDocument(document);
    if (sheet.Width() < 1)
        return CliFailure(QStringLiteral("'%1' has no picture to find pieces in").arg(skinPath));
    const std::vector<CanvasRect> pieces = FindPieces(sheet);
    const std::vector<std::vector<int>> users = PieceUsers(document, pieces);
    if (parsed.Has("--json")) {
        QJsonArray list;
        for (size_t i = 0; i < pieces.size(); ++i) {
            const CanvasRect& p = pieces[i];
            list.append(QJsonObject{{"x", p.left},
                                    {"y", p.top},
                                    {"width", p.Width()},
                                    {"height", p.Height()},
                                    {"elements", QJsonArray::fromStringList(Names(document, users[i]))}});
        }
        CliPrint(QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Indented)));
        return kExitOk;
    }
    QString out;
    for (size_t i = 0; i < pieces.size(); ++i) {
        const CanvasRect& p = pieces[i];
        const QStringList names = Names(document, users[i]);
        out += QStringLiteral("%1,%2 %3x%4:").arg(p.left).arg(p.top).arg(p.Width()).arg(p.Height());
        if (!names.isEmpty())
            out += u' ' + names.join(QStringLiteral(", "));
        out += u'\n';
    }
    CliPrint(out);
    return kExitOk;
}
