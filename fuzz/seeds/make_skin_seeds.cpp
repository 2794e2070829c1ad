// Writes the seeds of the targets that take skins (skin_reader, skin_pipeline, recovery_file,
// package_catalogue) and of keyed_picture: the example skins and skins generated from fixed seeds, each
// in the form its target reads. Run by `scripts/fuzz seeds`; the files it writes are committed.
// Usage: make_skin_seeds EXAMPLES_FOLDER SEEDS_FOLDER
#include "../FuzzSheet.h"
#include "../GeneratedSkin.h"
#include "../PipelineInput.h"
#include "document/RecoveryFile.h"
#include "document/SkinWriter.h"
#include "package/ZipWriter.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>

namespace {

bool Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    // One time for every file, so that the packages made of them come out the same on every run.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size() ||
        !file.setFileTime(QDateTime(QDate(2024, 12, 9), QTime(12, 0), Qt::UTC), QFileDevice::FileModificationTime)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A package of the skin bytes and a picture, entries named as the designer's Export names them.
QByteArray Package(const QTemporaryDir& scratch, const QString& skinName, const QByteArray& skin,
                   const QString& pictureName, const QByteArray& picture, const QByteArray& stack = {}) {
    const QString skinPath = scratch.filePath(skinName);
    const QString picturePath = scratch.filePath(pictureName);
    const QString stackPath = scratch.filePath(QStringLiteral("stack.ini"));
    const QString packagePath = scratch.filePath(QStringLiteral("out.qsk"));
    Write(skinPath, skin);
    Write(picturePath, picture);
    ZipWriter zip;
    zip.Create(packagePath);
    zip.AddFile(skinName, skinPath);
    zip.AddFile(pictureName, picturePath);
    if (!stack.isEmpty()) {
        Write(stackPath, stack);
        zip.AddFile(QStringLiteral("stack.ini"), stackPath);
    }
    if (zip.Close() != ZipResult::Ok)
        std::fprintf(stderr, "cannot pack %s\n", qPrintable(skinName));
    return Read(packagePath);
}

struct SeedSkin {
    QString name;
    QByteArray bytes; // the skin file
};

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_skin_seeds EXAMPLES_FOLDER SEEDS_FOLDER\n");
        return 2;
    }
    const QDir examples(QString::fromLocal8Bit(argv[1]));
    const QDir seeds(QString::fromLocal8Bit(argv[2]));
    for (const char* target :
         {"skin_reader", "skin_pipeline", "recovery_file", "package_catalogue", "keyed_picture"})
        seeds.mkpath(QString::fromLatin1(target));

    std::vector<SeedSkin> skins;
    for (const QString& folder : examples.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QDir example(examples.filePath(folder));
        for (const QString& ini : example.entryList({QStringLiteral("*.ini")}, QDir::Files))
            skins.push_back({QStringLiteral("example_%1_%2").arg(folder, QFileInfo(ini).completeBaseName()),
                             Read(example.filePath(ini))});
    }
    for (std::uint32_t seed = 1; seed <= 16; ++seed) {
        SkinGenerator generator(seed, kFuzzSheetWidth, kFuzzSheetHeight);
        const SkinDocument document = generator.Make(static_cast<int>(3 + seed * 3 % 22));
        skins.push_back({QStringLiteral("generated_%1").arg(seed, 2, 10, QLatin1Char('0')),
                         SkinFileBytes(document, document.bitmap)});
    }

    // Note sizes and switches of the pipeline's seeds: the designer's start, small, rolled with the
    // focus, a large note in stack mode with the highlights, a note smaller than its borders.
    const struct {
        int width, height;
        std::uint32_t switches;
    } states[] = {{300, 100, 0},
                  {120, 60, 0x2},
                  {300, 100, 0x3 | 1u << 21},
                  {1200, 900, 1u << 20 | 3u << 21},
                  {5, 3, 1u << 23}};

    QTemporaryDir scratch;
    const QByteArray png = FuzzSheetBytes("PNG");
    const QByteArray bmp = FuzzSheetBytes("BMP");
    const QDateTime when = QDateTime::fromMSecsSinceEpoch(1733760000123LL, Qt::UTC);
    int n = 0;
    for (const SeedSkin& skin : skins) {
        const auto& state = states[n % std::size(states)];
        Write(seeds.filePath("skin_reader/" + skin.name + ".ini"), skin.bytes);
        Write(seeds.filePath("skin_pipeline/" + skin.name),
              PipelineHeader(state.width, state.height, state.switches, n, n % 4) + skin.bytes);
        RecoveryRecord record{n % 2 ? QStringLiteral("/home/author/skins/") + skin.name + ".ini" : QString(),
                              QStringLiteral("/home/author/skins/sheet\\n\n.png"), when, skin.bytes};
        Write(seeds.filePath("recovery_file/" + skin.name), RecoveryFileBytes(record));
        const bool keyed = n % 3 == 2;
        Write(seeds.filePath("package_catalogue/" + skin.name + ".qsk"),
              Package(scratch, skin.name + ".ini", skin.bytes, keyed ? "sheet.bmp" : "sheet.png",
                      keyed ? bmp : png, n % 4 == 1 ? skins[(n + 1) % skins.size()].bytes : QByteArray()));
        ++n;
    }

    for (const char* format : {"BMP", "PNG", "JPEG", "ICO"})
        Write(seeds.filePath(QStringLiteral("keyed_picture/sheet.") + QString::fromLatin1(format).toLower()),
              FuzzSheetBytes(format));
    QImage indexed = FuzzSheetImage().convertToFormat(QImage::Format_Indexed8);
    QByteArray indexedBmp;
    {
        QBuffer buffer(&indexedBmp);
        buffer.open(QIODevice::WriteOnly);
        indexed.save(&buffer, "BMP");
    }
    Write(seeds.filePath("keyed_picture/sheet_indexed.bmp"), indexedBmp);
    // One magenta pixel as a GIF: a two-colour table, then the LZW codes clear, 0, end.
    Write(seeds.filePath("keyed_picture/pixel.gif"),
          QByteArray("GIF89a\x01\x00\x01\x00\x80\x00\x00\xFF\x00\xFF\x00\x00\x00"
                     ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;",
                     35));
    std::printf("%d skins\n", n);
    return 0;
}
