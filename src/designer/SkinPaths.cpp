#include "designer/SkinPaths.h"

#include "package/FilePaths.h"

#include <QStandardPaths>

QString ProposedPackageName(const QString& skinPath) {
    const QString name = LocalFileName(skinPath);
    return name.left(qMax(0, name.size() - 4));
}

bool IsPackagePath(const QString& path) {
    return path.endsWith(QStringLiteral(".qsk"), Qt::CaseInsensitive);
}

bool IsDroppableSkin(const QString& path) {
    return IsPackagePath(path) || path.endsWith(QStringLiteral(".ini"), Qt::CaseInsensitive);
}

QString SaveAsFolder(const QString& skinPath, const QString& pngPath) {
    QString folder = LocalFolder(skinPath);
    if (folder.isEmpty())
        folder = LocalFolder(pngPath);
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return NearestExistingFolder(folder);
}

QString BrowseStartFolder(const QString& lastBrowsed) {
    return NearestExistingFolder(lastBrowsed.isEmpty()
                                     ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                                     : lastBrowsed);
}
