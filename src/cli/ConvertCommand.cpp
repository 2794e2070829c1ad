#include "cli/Cli.h"
#include "cli/CliSkinLoad.h"
#include "cli/CommandArgs.h"
#include "document/SkinDocument.h"
#include "document/SkinWriter.h"

int RunConvertCommand(const QStringList& args) {
    CommandArgs parsed;
    QString inPath;
    QString reason;
    if (!parsed.Parse(QStringLiteral("convert"), args,
                      {{"-o", nullptr, "a file name"}, {"--inner", nullptr, "a NAME"}}, &reason))
        return CliUsageError(reason);
    const QString outPath = parsed.Value("-o");
    if (parsed.Positional().isEmpty() || outPath.isEmpty())
        return CliUsageError(QStringLiteral("convert needs IN and -o OUT"));
    if (!parsed.TakeOne("an IN", &inPath, &reason))
        return CliUsageError(reason);
    if (outPath.endsWith(u".qsk", Qt::CaseInsensitive))
        return CliFailure(
            QStringLiteral("cannot write '%1': writing .qsk packages is not supported").arg(outPath));

    SkinDocument document;
    if (!CliLoadSkin(inPath, parsed.Value("--inner"), &document, &reason))
        return CliFailure(reason);
    QString error;
    if (!WriteSkinFile(document, outPath, document.bitmap, &error))
        return CliFailure(error);
    return kExitOk;
}
