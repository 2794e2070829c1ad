#include "designer/WindowTitle.h"

#include "package/FilePaths.h"

QString WindowTitle(const QString& skinPath, bool dirty) {
    const QString name = skinPath.isEmpty() ? QStringLiteral("(untitled)") : LocalFileName(skinPath);
    return (dirty ? QStringLiteral("* ") : QString()) + name + QStringLiteral(" - ") + kProgramTitle;
}
