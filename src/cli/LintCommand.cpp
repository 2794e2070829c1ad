#include "cli/Cli.h"
#include "cli/CliSkinLoad.h"
#include "cli/CommandArgs.h"
#include "document/SkinDocument.h"
#include "render/SkinLint.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const char* const kHelp =
    "Usage: drapier-cli lint SKIN [--inner NAME] [--json]\n"
    "\n"
    "Looks for the mistakes a skin's sprite sheet and element list commonly hide, as the designer's\n"
    "File > Check Sprite Sheet window does. Elements are numbered from 0 in file order, as render\n"
    "--highlight-element takes them. Findings:\n"
    "\n"
    "  source-outside  a source rectangle the element draws from (source, sourcerollover or sourceoff,\n"
    "                  with the size the element draws) is not wholly inside the picture\n"
    "  source-empty    such a source has no width or no height\n"
    "  unknown-group   the element's group names no group (names match with case); when a group\n"
    "                  differs only in letter case, the message says so\n"
    "  unused-group    no element names the group\n"
    "  never-drawn     the element is drawn in none of the states tried: the designer's start values in\n"
    "                  the skin's own mode, then that state with one change at a time (rolled, focus,\n"
    "                  each flag the element's condition or its group's rules read), each at the active\n"
    "                  layout's minimum size, at 300x100 and at three times the minimum size; number and\n"
    "                  text rules see the start values. The message says how many states were tried\n"
    "  duplicate-name  an earlier element of the same kind has the same name\n"
    "  past-draw-limit the first element past the 10000 drawable elements a note paints: it and the\n"
    "                  ones after it are not drawn\n"
    "  uncovered-area  visible pixels of the picture (alpha above 0, or not the transparent colour) that\n"
    "                  no set source rectangle covers, alpha sources included, found in 8x8 cells merged\n"
    "                  into rectangles; at most 50 are listed, then one line says how many more\n"
    "\n"
    "  SKIN            a skin file (.ini) or a skin package (.qsk)\n"
    "  --inner NAME    the skin file to read inside a package (by default its main skin file)\n"
    "  --json          a JSON list instead of text: one object per finding with \"finding\" (the names\n"
    "                  above), \"element\" (index or null), \"name\" (or null), \"message\" and \"rect\"\n"
    "                  ([left, top, right, bottom] in picture pixels, right and bottom exclusive, or null)\n"
    "\n"
    "Text output is one line \"LINT: MESSAGE\" per finding, in element order and then the picture areas in\n"
    "reading order; nothing when there is no finding. A skin whose picture is missing is linted without\n"
    "the picture findings; standard error says why and what was skipped, on lines beginning\n"
    "\"drapier-cli: warning: \".\n"
    "\n"
    "Exit status: 0 with no finding, 1 with findings (or when the skin cannot be read), 2 on a usage\n"
    "error.\n";

QJsonValue OrNull(const QString& text, bool present) {
    return present ? QJsonValue(text) : QJsonValue(QJsonValue::Null);
}

QByteArray FindingsJson(const LintReport& report) {
    QJsonArray list;
    for (const LintFinding& f : report.findings) {
        QJsonObject o;
        o.insert(QStringLiteral("finding"), LintKindName(f.kind));
        o.insert(QStringLiteral("element"),
                 f.element >= 0 ? QJsonValue(f.element) : QJsonValue(QJsonValue::Null));
        o.insert(QStringLiteral("name"), OrNull(f.name, f.element >= 0));
        o.insert(QStringLiteral("message"), f.message);
        if (f.rect)
            o.insert(QStringLiteral("rect"),
                     QJsonArray{f.rect->left, f.rect->top, f.rect->right, f.rect->bottom});
        else
            o.insert(QStringLiteral("rect"), QJsonValue(QJsonValue::Null));
        list.append(o);
    }
    return QJsonDocument(list).toJson(QJsonDocument::Indented);
}

QString FindingsText(const LintReport& report) {
    QString out;
    for (const LintFinding& f : report.findings)
        out += QStringLiteral("LINT: ") + f.message + u'\n';
    return out;
}

} // namespace

QString LintCommandHelp() {
    return QString::fromUtf8(kHelp);
}

int RunLintCommand(const QStringList& args) {
    CommandArgs parsed;
    QString skinPath, reason;
    if (!parsed.Parse(QStringLiteral("lint"), args, {{"--inner", nullptr, "a NAME"}, {"--json"}}, &reason) ||
        !parsed.TakeOne("a SKIN", &skinPath, &reason))
        return CliUsageError(reason);

    SkinDocument document;
    if (!CliLoadSkin(skinPath, parsed.Value("--inner"), &document, &reason))
        return CliFailure(reason);
    const LintReport report = LintSkin(document);
    if (report.pictureMissing)
        CliWarning(QStringLiteral("'%1' has no picture; the picture findings are skipped").arg(skinPath));
    if (parsed.Has("--json"))
        CliPrint(QString::fromUtf8(FindingsJson(report)));
    else
        CliPrint(FindingsText(report));
    return report.findings.empty() ? kExitOk : kExitFailed;
}
