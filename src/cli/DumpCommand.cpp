#include "cli/Cli.h"
#include "cli/CliSkinLoad.h"
#include "cli/CommandArgs.h"
#include "cli/SkinDumpJson.h"
#include "document/SkinDocument.h"

int RunDumpCommand(const QStringList& args) {
    CommandArgs parsed;
    QString skinPath;
    QString reason;
    if (!parsed.Parse(QStringLiteral("dump"), args, {{"--inner", nullptr, "a NAME"}}, &reason) ||
        !parsed.TakeOne("a SKIN", &skinPath, &reason))
        return CliUsageError(reason);

    SkinDocument document;
    if (!CliLoadSkin(skinPath, parsed.Value("--inner"), &document, &reason))
        return CliFailure(reason);
    CliPrint(SkinDumpJson(document));
    return kExitOk;
}
