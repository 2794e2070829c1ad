#include "package/FilePaths.h"

#include <algorithm>

QString StoredFileName(const QString& storedName) {
    const qsizetype cut = std::max(storedName.lastIndexOf(u'/'), storedName.lastIndexOf(u'\\'));
    return storedName.mid(cut + 1);
}

QString LocalFileName(const QString& path) {
    return path.mid(path.lastIndexOf(u'/') + 1);
}

QString LocalFolder(const QString& path) {
    return path.left(path.lastIndexOf(u'/') + 1);
}

QString SiblingPath(const QString& skinPath, const QString& storedName) {
    QString name = storedName;
    name.replace(u'\\', u'/');
    return LocalFolder(skinPath) + name;
}
