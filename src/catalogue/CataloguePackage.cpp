#include "catalogue/CataloguePackage.h"

#include "catalogue/CatalogueFiles.h"
#include "catalogue/CatalogueLine.h"
#include "catalogue/Thumbnail.h"
#include "document/SkinDocument.h"
#include "document/SkinLoader.h"
#include "package/PackagePicking.h"
#include "package/ZipReader.h"
#include "picture/SafeFileWrite.h"

#include <QDir>
#include <QFileInfo>

namespace {

// What a package that opened lacks to be a skin.
QString MissingPart(const ZipReader& package) {
    QStringList names;
    for (const ZipEntry& e : package.Entries())
        names << e.name;
    return PickPackageEntries(names, QString()).skin.isEmpty()
               ? QStringLiteral("the package holds no skin file")
               : QStringLiteral("the package holds no picture (.png or .bmp entry)");
}

QString ZipReason(const ZipReader& package) {
    switch (package.LastError()) {
    case ZipReadError::None:
    case ZipReadError::NoSuchEntry:
        return MissingPart(package);
    case ZipReadError::CannotOpen:
        return QStringLiteral("the file cannot be opened");
    case ZipReadError::NotAnArchive:
        return QStringLiteral("the file is not a ZIP package, or it is cut short");
    case ZipReadError::BadDirectory:
    case ZipReadError::BadLocalHeader:
    case ZipReadError::Overlap:
        return QStringLiteral("the package is damaged");
    case ZipReadError::TooLarge:
        return QStringLiteral("an entry of the package is too large");
    case ZipReadError::Unsupported:
        return QStringLiteral("an entry of the package is encrypted or compressed in an unknown way");
    case ZipReadError::DataError:
        return QStringLiteral("an entry of the package is damaged");
    case ZipReadError::CrcMismatch:
        return QStringLiteral("an entry of the package fails its CRC check");
    }
    return QStringLiteral("the package is damaged");
}

} // namespace

PackageOutcome PackageCatalogue::Outcome() const {
    if (!loaded || !errors.isEmpty())
        return PackageOutcome::Failed;
    return thumbnailExisted && notesExisted ? PackageOutcome::Skipped : PackageOutcome::Written;
}

CatalogueLoad LoadCataloguePackage(SkinDocument& document, const QString& path, QString* reason) {
    document = SkinDocument();
    // Only a regular file: a pipe or a device under a package's name would never end.
    if (!QFileInfo(path).isFile()) {
        *reason = QStringLiteral("the file cannot be opened");
        return CatalogueLoad::Failed;
    }
    ZipReader package;
    if (!package.Open(path) || !LoadSkinFromPackage(document, package, QString())) {
        *reason = ZipReason(package);
        document = SkinDocument();
        return CatalogueLoad::Failed;
    }
    const bool pictureDecoded = document.pngsource ? document.image.IsValid() : document.keyed.IsValid();
    if (!pictureDecoded) {
        // Not a load failure: the skin text describes the skin as well as ever.
        *reason = QStringLiteral("the skin's picture cannot be decoded");
        return CatalogueLoad::NoPicture;
    }
    return CatalogueLoad::Loaded;
}

PackageCatalogue CataloguePackage(const QString& folder, const QString& name) {
    PackageCatalogue result;
    result.name = name;
    const QString path = QDir(folder).filePath(name);
    SkinDocument document;
    QString reason;
    const CatalogueLoad load = LoadCataloguePackage(document, path, &reason);
    result.loaded = load != CatalogueLoad::Failed;
    if (load != CatalogueLoad::Loaded)
        result.errors << QStringLiteral("Error loading ") + path + QStringLiteral(": ") + reason;

    result.skinName = document.settings.skinname;

    // A skin whose picture does not decode is shown by its texts, without a picture.
    const PackageFileStamp stamp = StampOfFile(path);
    result.card =
        GalleryCardOf(name, stamp, result.loaded ? &document : nullptr, load == CatalogueLoad::Loaded);

    const QString thumbnailPath = QDir(folder).filePath(ThumbnailNameOf(name));
    result.thumbnailExisted = ThumbnailPresent(thumbnailPath);
    if (load == CatalogueLoad::Loaded && !result.thumbnailExisted) {
        ImageSurface thumbnail;
        QByteArray png;
        QString why;
        if (!MakeThumbnail(document, thumbnail, &why) || !thumbnail.EncodePng(png) ||
            !WriteFileSafely(thumbnailPath, png, &why)) {
            if (why.isEmpty())
                why = thumbnail.LastError();
            result.errors << QStringLiteral("Error saving ") + thumbnailPath + QStringLiteral(": ") + why;
        } else {
            result.thumbnailWritten = true;
            result.card.thumbnailWidth = thumbnail.Width();
            result.card.thumbnailHeight = thumbnail.Height();
        }
    }

    result.line = CatalogueLine(document, name, stamp);

    const QString notesPath = QDir(folder).filePath(NotesNameOf(name));
    const QByteArray notes = NotesFileBytes(document.settings.notes);
    result.notesExisted = NotesPresent(notesPath, notes);
    if (result.loaded && !result.notesExisted) {
        QString why;
        if (WriteFileSafely(notesPath, notes, &why))
            result.notesWritten = true;
        else
            result.errors << QStringLiteral("Error saving ") + notesPath + QStringLiteral(": ") + why;
    }
    return result;
}
