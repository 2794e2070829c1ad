#include "package/SkinPackageExport.h"

#include "package/FilePaths.h"
#include "package/ZipWriter.h"

SkinPackageSources PackageSourcesFor(const QString& skinPath, const QString& bitmap,
                                     const QString& stackfilename) {
    SkinPackageSources sources;
    sources.skinPath = skinPath;
    if (!bitmap.isEmpty())
        sources.pngPath = SiblingPath(skinPath, bitmap);
    if (!stackfilename.isEmpty())
        sources.stackPath = SiblingPath(skinPath, stackfilename);
    return sources;
}

bool IsStackSkinFileName(const QString& skinPath) {
    return StoredFileName(skinPath).compare(u"stack.ini", Qt::CaseInsensitive) == 0;
}

bool ExportSkinPackage(const QString& packagePath, const SkinPackageSources& sources, QString* reason) {
    if (IsStackSkinFileName(sources.skinPath)) {
        if (reason)
            *reason = kStackNamedSkinRefusal;
        return false;
    }
    ZipWriter writer;
    ZipResult result = writer.Create(packagePath);
    if (result == ZipResult::Ok)
        result = writer.AddFile(StoredFileName(sources.skinPath), sources.skinPath);
    if (result == ZipResult::Ok)
        result = writer.AddFile(StoredFileName(sources.pngPath), sources.pngPath);
    if (result == ZipResult::Ok && !sources.stackPath.isEmpty())
        result = writer.AddFile(QStringLiteral("stack.ini"), sources.stackPath);
    if (result == ZipResult::Ok)
        result = writer.Close();
    if (result != ZipResult::Ok && reason)
        *reason = writer.ErrorString();
    return result == ZipResult::Ok;
}
