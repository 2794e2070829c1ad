#include "cli/Cli.h"
#include "cli/CliSkinLoad.h"
#include "document/SkinDocument.h"
#include "document/SkinWriter.h"

int RunConvertCommand(const QStringList& args) {
    QString inPath;
    QString outPath;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == u"-o") {
            if (i + 1 >= args.size())
                return CliUsageError(QStringLiteral("-o needs a file name"));
            if (!outPath.isEmpty())
                return CliUsageError(QStringLiteral("convert takes one -o OUT"));
            outPath = args[++i];
        } else if (arg.startsWith(u'-') && arg.size() > 1) {
            return CliUsageError(QStringLiteral("convert: unknown option '%1'").arg(arg));
        } else if (inPath.isEmpty()) {
            inPath = arg;
        } else {
            return CliUsageError(QStringLiteral("convert takes one IN, got '%1' too").arg(arg));
        }
    }
    if (inPath.isEmpty() || outPath.isEmpty())
        return CliUsageError(QStringLiteral("convert needs IN and -o OUT"));
    if (outPath.endsWith(u".qsk", Qt::CaseInsensitive))
        return CliFailure(
            QStringLiteral("cannot write '%1': writing .qsk packages is not supported").arg(outPath));

    SkinDocument document;
    QString reason;
    if (!CliLoadSkin(inPath, QString(), &document, &reason))
        return CliFailure(reason);
    QString error;
    if (!WriteSkinFile(document, outPath, document.bitmap, &error))
        return CliFailure(error);
    return kExitOk;
}
