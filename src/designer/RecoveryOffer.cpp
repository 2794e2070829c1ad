#include "designer/RecoveryOffer.h"

#include "document/RecoveryFile.h"
#include "package/FilePaths.h"

QString RecoveredSkinName(const QString& skinPath) {
    return skinPath.isEmpty() ? QStringLiteral("(untitled)") : LocalFileName(skinPath);
}

QString RecoveryQuestion(const RecoveryRecord& record) {
    QString question =
        QStringLiteral("Recover unsaved changes to ") + RecoveredSkinName(record.skinPath) + QLatin1Char('?');
    if (!IsNewerThanSkinFile(record))
        question += QStringLiteral(" The skin file was changed on disk after them.");
    return question;
}
