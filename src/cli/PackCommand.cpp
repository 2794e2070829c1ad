#include "cli/Cli.h"
#include "cli/CommandArgs.h"
#include "document/PlainSkinText.h"
#include "document/SkinDocument.h"
#include "document/SkinReader.h"
#include "package/SkinPackageExport.h"

// pack SKIN.ini -o OUT.qsk: the package the designer's export writes, from the saved skin file, the PNG
// its bitmap key names and, when it names one, its stack skin, all from the skin file's folder.
int RunPackCommand(const QStringList& args) {
    CommandArgs parsed;
    QString skinPath;
    QString reason;
    if (!parsed.Parse(QStringLiteral("pack"), args, {{"-o", nullptr, "one OUT.qsk"}}, &reason))
        return CliUsageError(reason);
    QString packagePath = parsed.Value("-o");
    if (parsed.Positional().isEmpty() || packagePath.isEmpty())
        return CliUsageError(QStringLiteral("usage: pack SKIN.ini -o OUT.qsk"));
    if (!parsed.TakeOne("a SKIN.ini", &skinPath, &reason))
        return CliUsageError(reason);
    if (!skinPath.endsWith(u".ini", Qt::CaseInsensitive))
        return CliUsageError(QStringLiteral("pack needs a .ini skin file, not '%1'").arg(skinPath));
    // As the export does, a package name without its ending gets one.
    if (!packagePath.endsWith(u".qsk", Qt::CaseInsensitive))
        packagePath += QStringLiteral(".qsk");

    if (IsStackSkinFileName(skinPath))
        return CliFailure(kStackNamedSkinRefusal);
    QString text;
    if (!ReadPlainSkinText(skinPath, &text, nullptr))
        return CliFailure(QStringLiteral("cannot read '%1'").arg(skinPath));
    SkinDocument document;
    ReadSkinText(document, text);
    if (document.bitmap.isEmpty())
        return CliFailure(QStringLiteral("Can't export - no PNG loaded: '%1' names no bitmap").arg(skinPath));

    const SkinPackageSources sources =
        PackageSourcesFor(skinPath, document.bitmap, document.settings.stackfilename);
    if (!ExportSkinPackage(packagePath, sources, &reason))
        return CliFailure(QStringLiteral("Error saving ") + packagePath + QStringLiteral(": ") + reason);
    return kExitOk;
}
