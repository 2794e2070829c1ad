#include "cli/CliSkinLoad.h"

#include "document/PlainSkinText.h"
#include "document/SkinDocument.h"
#include "document/SkinReader.h"

bool CliLoadSkin(const QString& path, const QString& innerName, SkinDocument* document, QString* reason) {
    if (!path.endsWith(u".ini", Qt::CaseInsensitive)) {
        if (reason)
            *reason = QStringLiteral("cannot load '%1': only .ini skin files are supported").arg(path);
        return false;
    }
    if (!innerName.isEmpty()) {
        if (reason)
            *reason = QStringLiteral("--inner applies to .qsk packages only");
        return false;
    }
    QString text;
    QString imageName;
    if (!ReadPlainSkinText(path, &text, &imageName)) {
        if (reason)
            *reason = QStringLiteral("cannot read '%1'").arg(path);
        return false;
    }
    document->displayname = path;
    ReadSkinText(*document, text);
    return true;
}
