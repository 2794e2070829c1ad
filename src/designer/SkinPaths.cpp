#include "designer/SkinPaths.h"

#include "package/FilePaths.h"

QString WithExtension(const QString& path, const QString& extension) {
    if (path.right(4).compare(extension, Qt::CaseInsensitive) == 0)
        return path;
    return path + extension;
}

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
