#include "widgets/SaveTarget.h"

#include "package/FilePaths.h"
#include "widgets/Prompter.h"

#include <QFileInfo>

QString ReplaceQuestion(const QString& path) {
    return LocalFileName(path) + QStringLiteral(" already exists. Do you want to replace it?");
}

QString ChooseSaveTarget(Prompter& prompter, QWidget* parent, const QString& filter, const QString& initial,
                         const QString& extension) {
    QString start = initial;
    for (;;) {
        const QString chosen = prompter.ChooseFileToSave(parent, filter, start);
        if (chosen.isEmpty())
            return {};
        const QString path = WithExtension(chosen, extension);
        // No is the preset answer: Enter must not replace a file.
        if (path == chosen || !QFileInfo::exists(path) ||
            prompter.AskYesNo(parent, ReplaceQuestion(path), false))
            return path;
        start = chosen;
    }
}
