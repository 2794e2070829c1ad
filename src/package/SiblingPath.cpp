#include "package/SiblingPath.h"

#include <algorithm>

QString SiblingPath(const QString& skinPath, const QString& storedName) {
    QString name = storedName;
    name.replace(u'\\', u'/');
    return skinPath.left(skinPath.lastIndexOf(u'/') + 1) + name;
}

QString StoredFileName(const QString& storedName) {
    const qsizetype cut = std::max(storedName.lastIndexOf(u'/'), storedName.lastIndexOf(u'\\'));
    return storedName.mid(cut + 1);
}
