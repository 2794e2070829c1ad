#include "package/FilePaths.h"

#include <QDir>
#include <QFileInfo>
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

QString WithExtension(const QString& path, const QString& extension) {
    if (path.right(4).compare(extension, Qt::CaseInsensitive) == 0)
        return path;
    return path + extension;
}

QString NearestExistingFolder(const QString& folder) {
    if (!folder.isEmpty()) {
        // Up by the path's text: QDir::cdUp refuses to leave a folder that does not exist itself.
        for (QString at = QDir::cleanPath(QDir(folder).absolutePath());;) {
            if (QFileInfo(at).isDir())
                return at;
            const QString up = QFileInfo(at).path();
            if (up == at)
                break;
            at = up;
        }
    }
    return QDir::homePath();
}
