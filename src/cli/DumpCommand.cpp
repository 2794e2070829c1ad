#include "cli/Cli.h"
#include "cli/CliSkinLoad.h"
#include "cli/SkinDumpJson.h"
#include "document/SkinDocument.h"

int RunDumpCommand(const QStringList& args) {
    QString skinPath;
    QString innerName;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == u"--inner") {
            if (i + 1 >= args.size())
                return CliUsageError(QStringLiteral("--inner needs a NAME"));
            innerName = args[++i];
        } else if (arg.startsWith(u"--")) {
            return CliUsageError(QStringLiteral("dump: unknown option '%1'").arg(arg));
        } else if (skinPath.isEmpty()) {
            skinPath = arg;
        } else {
            return CliUsageError(QStringLiteral("dump takes one SKIN, got '%1' too").arg(arg));
        }
    }
    if (skinPath.isEmpty())
        return CliUsageError(QStringLiteral("dump needs a SKIN"));

    SkinDocument document;
    QString reason;
    if (!CliLoadSkin(skinPath, innerName, &document, &reason))
        return CliFailure(reason);
    CliPrint(SkinDumpJson(document));
    return kExitOk;
}
