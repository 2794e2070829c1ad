#include "designer/WindowTitle.h"

QString FileNameOfPath(const QString& path) {
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QString WindowTitle(const QString& skinPath, bool dirty) {
    const QString name = skinPath.isEmpty() ? QStringLiteral("(untitled)") : FileNameOfPath(skinPath);
    return (dirty ? QStringLiteral("* ") : QString()) + name + QStringLiteral(" - ") + kProgramTitle;
}
