#include "cli/Cli.h"
#include "cli/CliSkinLoad.h"
#include "cli/CommandArgs.h"
#include "cli/StateOptions.h"
#include "document/SkinDocument.h"
#include "picture/Canvas.h"
#include "picture/InputLimits.h"
#include "render/StateSheet.h"

#include <optional>

namespace {

struct SheetRequest {
    QString skinPath;
    QString innerName;
    QString outPath;
    bool listStates = false;
    std::optional<QStringList> states;
    std::optional<std::vector<SheetSize>> sizes;
};

bool ParseSizes(const QString& text, std::vector<SheetSize>* sizes, QString* reason) {
    for (const QString& part : text.split(u',')) {
        SheetSize size;
        if (!ParseSizeText(part.trimmed(), kNoteSideLimit, &size.width, &size.height)) {
            *reason = QStringLiteral("--sizes wants WxH[,WxH]... with each side from 1 to %1, got '%2'")
                          .arg(kNoteSideLimit)
                          .arg(text);
            return false;
        }
        sizes->push_back(size);
    }
    return true;
}

// The names as given, each one checked; the skin is not needed to know a name.
bool ParseStates(const QString& text, QStringList* states, QString* reason) {
    for (const QString& part : text.split(u',')) {
        const QString name = part.trimmed();
        if (!StateSheetRow(name, NoteSettings())) {
            *reason = QStringLiteral("--states: unknown state '%1' (states: %2; --states help lists the "
                                     "skin's own)")
                          .arg(name, StateSheetNames().join(QStringLiteral(", ")));
            return false;
        }
        *states << name;
    }
    return true;
}

bool ParseRequest(const QStringList& args, SheetRequest* request, QString* reason) {
    CommandArgs parsed;
    if (!parsed.Parse(QStringLiteral("sheet"), args,
                      {{"-o", "--output", "OUT.png"},
                       {"--inner", nullptr, "a NAME"},
                       {"--sizes", nullptr, "WxH,..."},
                       {"--states", nullptr, "NAME,..."}},
                      reason) ||
        !parsed.TakeOne("a SKIN", &request->skinPath, reason))
        return false;
    request->outPath = parsed.Value("-o");
    request->innerName = parsed.Value("--inner");
    if (parsed.Has("--sizes")) {
        request->sizes.emplace();
        if (!ParseSizes(parsed.Value("--sizes"), &*request->sizes, reason))
            return false;
    }
    if (parsed.Has("--states")) {
        const QString states = parsed.Value("--states");
        request->listStates = states.trimmed() == u"help";
        request->states.emplace();
        if (!request->listStates && !ParseStates(states, &*request->states, reason))
            return false;
    }
    if (request->outPath.isEmpty() && !request->listStates) {
        *reason = QStringLiteral("sheet needs -o OUT.png");
        return false;
    }
    return true;
}

} // namespace

int RunSheetCommand(const QStringList& arguments) {
    QStringList args = arguments;
    StateOptions stateOptions;
    QString reason;
    if (!TakeStateOptions(&args, &stateOptions, &reason))
        return CliUsageError(reason);
    SheetRequest request;
    if (!ParseRequest(args, &request, &reason))
        return CliUsageError(reason);

    SkinDocument document;
    if (!CliLoadSkin(request.skinPath, request.innerName, &document, &reason))
        return CliFailure(reason);
    const NoteSettings base = stateOptions.SettingsFor(document);
    const QStringList states =
        request.states && !request.listStates ? *request.states : StateSheetStates(document, base);
    if (request.listStates) {
        CliPrint(states.join(u'\n') + u'\n');
        return kExitOk;
    }

    std::vector<SheetRow> rows;
    for (const QString& name : states)
        rows.push_back(*StateSheetRow(name, base));
    const std::vector<SheetSize> sizes = request.sizes.value_or(DefaultStateSheetSizes(document, base));
    Canvas sheet;
    if (!DrawStateSheet(document, rows, sizes, sheet)) {
        const StateSheetGrid grid(static_cast<int>(rows.size()), sizes);
        return CliFailure(
            QStringLiteral("a sheet of %1 x %2 pixels cannot be made").arg(grid.Width()).arg(grid.Height()));
    }
    return CliWritePng(sheet, request.outPath);
}
