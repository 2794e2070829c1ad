// Arbitrary bytes as a package in a folder, through the catalogue writer's work on one package: the
// load, the catalogue line, the ".not" file and the thumbnail, written into a scratch folder and taken
// away again after every input.
#include "FuzzBudget.h"
#include "FuzzTarget.h"
#include "catalogue/CatalogueFiles.h"
#include "catalogue/CataloguePackage.h"
#include "catalogue/Thumbnail.h"
#include "document/SkinDocument.h"
#include "document/SkinLoader.h"
#include "package/ZipReader.h"
#include "picture/ImageSurface.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <unistd.h>

namespace {

// In memory where the system offers it.
const QString& ScratchFolder() {
    static const QString folder = [] {
        const QString root = QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm")
                                                                                : QDir::tempPath();
        const QString path =
            root + QStringLiteral("/fuzz_package_catalogue_%1").arg(static_cast<long long>(getpid()));
        QDir().mkpath(path);
        return path;
    }();
    return folder;
}

// Whether the package's pictures and its thumbnail stay within the budgets; the document loaded from
// memory on the way says how large a thumbnail the skin asks for.
bool CatalogueFitsBudget(const QByteArray& bytes) {
    ZipReader reader;
    if (!reader.OpenBytes(bytes))
        return true;
    if (!PackageLoadFitsBudget(reader, QString()))
        return false;
    SkinDocument document;
    if (!LoadSkinFromPackage(document, reader, QString()))
        return true;
    const ThumbnailLayout layout =
        LayOutThumbnail(document.layout.minimumwidth, document.layout.minimumheight);
    const long long pixels = static_cast<long long>(layout.canvasWidth) * layout.canvasHeight;
    return pixels <= kFuzzThumbnailBudget || pixels > kLargestThumbnailCanvas;
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

DRAPIER_FUZZ_TARGET(package_catalogue) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (!CatalogueFitsBudget(bytes))
        return 0;
    const QString name = QStringLiteral("fuzz.qsk");
    QDir folder(ScratchFolder());
    {
        QFile file(folder.filePath(name));
        FUZZ_REQUIRE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        FUZZ_REQUIRE(file.write(bytes) == bytes.size());
    }
    const PackageCatalogue result = CataloguePackage(folder.path(), name);
    FUZZ_REQUIRE(!result.thumbnailExisted && !result.notesExisted);
    FUZZ_REQUIRE(result.line.endsWith(u'\n') && result.line.count(u'\n') == 1 &&
                 !result.line.contains(u'\r'));
    FUZZ_REQUIRE(result.loaded || !result.errors.isEmpty());
    const QString thumbnailPath = folder.filePath(ThumbnailNameOf(name));
    const QString notesPath = folder.filePath(NotesNameOf(name));
    if (result.thumbnailWritten) {
        ImageSurface thumbnail;
        FUZZ_REQUIRE(thumbnail.Decode(FileBytes(thumbnailPath), kImagePng));
        FUZZ_REQUIRE(thumbnail.Width() <= kThumbnailWidth && thumbnail.Height() <= kThumbnailHeight);
    }
    FUZZ_REQUIRE(result.notesWritten == QFileInfo::exists(notesPath));
    // Every input starts from an empty folder.
    for (const QString& entry : folder.entryList(QDir::Files | QDir::Hidden))
        folder.remove(entry);
    return 0;
}
