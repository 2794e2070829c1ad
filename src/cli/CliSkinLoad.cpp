#include "cli/CliSkinLoad.h"

#include "cli/Cli.h"
#include "cli/CommandArgs.h"
#include "cli/StateOptions.h"

#include "document/PlainSkinText.h"
#include "document/SkinDocument.h"
#include "document/SkinLoader.h"
#include "package/FilePaths.h"
#include "package/PackagePicking.h"
#include "package/ZipReader.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace {

// Why a package did not load, for the one-line reason.
QString PackageFailure(const QString& path, const QString& innerName) {
    ZipReader reader;
    if (!reader.Open(path)) {
        return reader.LastError() == ZipReadError::CannotOpen
                   ? QStringLiteral("cannot open '%1'").arg(path)
                   : QStringLiteral("'%1' is not a readable skin package").arg(path);
    }
    QStringList names;
    for (const ZipEntry& e : reader.Entries())
        names << e.name;
    const PackagePick pick = PickPackageEntries(names, innerName);
    if (pick.skin.isEmpty())
        return QStringLiteral("'%1' holds no skin file").arg(path);
    if (!pick.IsSkin())
        return QStringLiteral("'%1' holds no .png or .bmp picture").arg(path);
    if (reader.FindEntry(pick.skin) < 0)
        return QStringLiteral("'%1' holds no entry '%2'").arg(path, pick.skin);
    return QStringLiteral("'%1' has a damaged entry").arg(path);
}

QString MissingPicture(const QString& imagePath) {
    const QFileInfo info(imagePath);
    if (!info.exists())
        return QStringLiteral("picture not found: ") + imagePath;
    if (!info.isFile())
        return QStringLiteral("picture is not a plain file: ") + imagePath;
    QFile file(imagePath);
    file.open(QIODevice::ReadOnly);
    return QStringLiteral("picture cannot be opened (%1): %2").arg(file.errorString(), imagePath);
}

} // namespace

bool CliLoadSkin(const QString& path, const QString& innerName, SkinDocument* document, QString* reason) {
    QString why;
    const bool package = path.endsWith(u".qsk", Qt::CaseInsensitive);
    if (!package && !path.endsWith(u".ini", Qt::CaseInsensitive)) {
        why = QStringLiteral("cannot load '%1': not a .ini skin file or .qsk package").arg(path);
    } else if (!package && !innerName.isEmpty()) {
        why = QStringLiteral("--inner applies to .qsk packages only");
    } else if (LoadSkin(*document, path, innerName)) {
        return true;
    } else if (package) {
        why = PackageFailure(path, innerName);
    } else if (!QFileInfo(path).isFile() || !QFile(path).open(QIODevice::ReadOnly)) {
        why = QStringLiteral("cannot read '%1'").arg(path);
    } else {
        // The skin text was read; only the picture it names is missing, which the commands that
        // work on the skin's layout and text can do without, as the designer does. The author still
        // hears of it: a render without its picture looks broken for no visible reason.
        QString imageName;
        ReadPlainSkinText(path, nullptr, &imageName);
        CliWarning(MissingPicture(SiblingPath(path, imageName)));
        return true;
    }
    if (reason)
        *reason = why;
    return false;
}

std::optional<int> CliLoadSkinInState(const QString& command, const QStringList& arguments,
                                      SkinDocument* document, NoteSettings* settings) {
    QStringList args = arguments;
    StateOptions options;
    QString reason;
    if (!TakeStateOptions(&args, &options, &reason))
        return CliUsageError(reason);
    CommandArgs parsed;
    QString skinPath;
    if (!parsed.Parse(command, args, {{"--inner", nullptr, "a NAME"}}, &reason) ||
        !parsed.TakeOne("a SKIN", &skinPath, &reason))
        return CliUsageError(reason);
    if (!CliLoadSkin(skinPath, parsed.Value("--inner"), document, &reason))
        return CliFailure(reason);
    *settings = options.SettingsFor(*document);
    return std::nullopt;
}
