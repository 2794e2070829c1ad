#include "designer/ExportChecks.h"

#include "designer/SkinPaths.h"
#include "package/SkinPackageExport.h"

QString ExportRefusal(const QString& skinPath, const QString& pngPath) {
    if (skinPath.isEmpty() || IsPackagePath(skinPath))
        return kExportNotSaved;
    if (pngPath.isEmpty())
        return kExportNoPng;
    if (IsStackSkinFileName(skinPath))
        return kStackNamedSkinRefusal;
    return {};
}
