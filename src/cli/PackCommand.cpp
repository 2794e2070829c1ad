#include "cli/Cli.h"
#include "document/PlainSkinText.h"
#include "document/SkinDocument.h"
#include "document/SkinReader.h"
#include "package/SkinPackageExport.h"

// pack SKIN.ini -o OUT.qsk: the package the designer's export writes, from the saved skin file, the PNG
// its bitmap key names and, when it names one, its stack skin, all from the skin file's folder.
int RunPackCommand(const QStringList& args) {
    QString skinPath;
    QString packagePath;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == u"-o") {
            if (i + 1 >= args.size() || !packagePath.isEmpty())
                return CliUsageError(QStringLiteral("-o needs one OUT.qsk"));
            packagePath = args[++i];
        } else if (a.startsWith(u'-') && a.size() > 1) {
            return CliUsageError(QStringLiteral("unknown option '%1' for pack").arg(a));
        } else if (!skinPath.isEmpty()) {
            return CliUsageError(QStringLiteral("pack takes one SKIN.ini"));
        } else {
            skinPath = a;
        }
    }
    if (skinPath.isEmpty() || packagePath.isEmpty())
        return CliUsageError(QStringLiteral("usage: pack SKIN.ini -o OUT.qsk"));
    if (!skinPath.endsWith(u".ini", Qt::CaseInsensitive))
        return CliUsageError(QStringLiteral("pack needs a .ini skin file, not '%1'").arg(skinPath));
    // As the export does, a package name without its ending gets one.
    if (!packagePath.endsWith(u".qsk", Qt::CaseInsensitive))
        packagePath += QStringLiteral(".qsk");

    QString text;
    if (!ReadPlainSkinText(skinPath, &text, nullptr))
        return CliFailure(QStringLiteral("cannot read '%1'").arg(skinPath));
    SkinDocument document;
    ReadSkinText(document, text);
    if (document.bitmap.isEmpty())
        return CliFailure(QStringLiteral("Can't export - no PNG loaded: '%1' names no bitmap").arg(skinPath));

    QString reason;
    const SkinPackageSources sources =
        PackageSourcesFor(skinPath, document.bitmap, document.settings.stackfilename);
    if (!ExportSkinPackage(packagePath, sources, &reason))
        return CliFailure(QStringLiteral("Error saving ") + packagePath + QStringLiteral(": ") + reason);
    return kExitOk;
}
