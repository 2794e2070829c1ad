#include "document/SkinLoader.h"

#include "document/PlainSkinText.h"
#include "document/SkinDocument.h"
#include "document/SkinReader.h"
#include "package/FileDigest.h"
#include "package/FilePaths.h"
#include "package/PackagePicking.h"
#include "package/ZipEntryName.h"
#include "package/ZipReader.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <future>
#include <system_error>

// The resources live in the static core library; they must be registered from global scope.
static void InitDrapierResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(drapier);
        return true;
    }();
    (void)done;
}

namespace {

const QString kDefaultSkinPicture = QStringLiteral(":/default_skin.png");

// The picture of a keyed skin becomes the document's picture; the PNG surface no longer applies.
void UseKeyedPicture(SkinDocument& document) {
    document.keyed.ApplyKey(document.settings.transparent);
    document.image.Clear();
    document.picturePath.clear();
    document.pictureDigest.clear();
    document.pngsource = false;
}

void UsePngPicture(SkinDocument& document) {
    document.keyed.Clear();
    document.picturePath.clear();
    document.pictureDigest.clear();
    document.pngsource = true;
}

} // namespace

struct DecodedSheet {
    ImageSurface image;
    bool decoded = false;
};

namespace {

DecodedSheet DecodeSheet(const QString& path) {
    DecodedSheet sheet;
    sheet.decoded = sheet.image.Load(path, kImagePng);
    return sheet;
}

} // namespace

// What a skin file's load has read so far: its text, and the PNG it names decoding on another thread.
struct PlainSkinStart {
    QString path;
    bool digestPicture = false;
    bool readable = false; // the skin file was read
    bool pictureOpens = true;
    QString text;
    QString imageName;
    QString imagePath;
    std::future<DecodedSheet> decoding;
};

namespace {

PlainSkinStart StartPlainSkin(const QString& path, bool digestPicture) {
    PlainSkinStart start;
    start.path = path;
    start.digestPicture = digestPicture;
    start.readable = QFileInfo(path).isFile() && ReadPlainSkinText(path, &start.text, &start.imageName);
    if (!start.readable || start.imageName.isEmpty())
        return start;
    start.imagePath = SiblingPath(path, start.imageName);
    // The name comes from the file: a pipe or a device such as ../../dev/zero would never end.
    start.pictureOpens =
        QFileInfo(start.imagePath).isFile() && QFile(start.imagePath).open(QIODevice::ReadOnly);
    // The sheet is decoded on another thread while the text is read: neither needs the other.
    if (start.pictureOpens && start.imageName.endsWith(u".png", Qt::CaseInsensitive)) {
        try {
            start.decoding = std::async(std::launch::async, DecodeSheet, start.imagePath);
        } catch (const std::system_error&) {
        }
    }
    return start;
}

bool FinishPlainSkin(SkinDocument& document, PlainSkinStart& start) {
    if (!start.readable)
        return false;
    if (start.imageName.isEmpty()) {
        ReadSkinText(document, start.text);
        return true;
    }
    if (!start.pictureOpens) {
        ReadSkinText(document, start.text);
        return false;
    }
    if (start.imageName.endsWith(u".png", Qt::CaseInsensitive)) {
        ReadSkinText(document, start.text);
        // Taken here, while the other thread decodes, and kept only when the decode succeeds.
        const QByteArray digest = start.digestPicture ? FileDigest(start.imagePath) : QByteArray();
        DecodedSheet sheet = start.decoding.valid() ? start.decoding.get() : DecodeSheet(start.imagePath);
        document.image = std::move(sheet.image);
        UsePngPicture(document);
        if (sheet.decoded) {
            document.picturePath = start.imagePath;
            document.pictureDigest = digest;
        }
        return true;
    }
    document.keyed.Clear();
    document.keyed.Load(start.imagePath);
    ReadSkinText(document, start.text);
    // The key colour comes from the text just read.
    UseKeyedPicture(document);
    return true;
}

bool Extract(ZipReader& package, const QString& name, QByteArray* bytes) {
    const int index = package.FindEntry(name);
    return index >= 0 && package.Extract(index, bytes);
}

} // namespace

QString PackagedSkinText(const QByteArray& bytes) {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.constData());
    if (bytes.size() >= 2 && b[0] == 0xFF && b[1] == 0xFE) {
        // An odd last byte is no whole character and is dropped.
        const qsizetype length = (bytes.size() - 2) / 2;
        QString text(length, Qt::Uninitialized);
        QChar* out = text.data();
        for (qsizetype i = 0; i < length; ++i)
            out[i] = QChar(static_cast<char16_t>(b[2 + 2 * i] | (b[3 + 2 * i] << 8)));
        return text;
    }
    return DecodeWindows1252(bytes.constData(), bytes.size());
}

bool LoadSkinFromPackage(SkinDocument& document, ZipReader& package, const QString& innerName) {
    QStringList names;
    for (const ZipEntry& e : package.Entries())
        names << e.name;
    const PackagePick pick = PickPackageEntries(names, innerName);
    if (!pick.IsSkin())
        return false;
    // Everything is taken from the archive before the document changes, so a damaged entry leaves it
    // as it was.
    QByteArray skinBytes;
    QByteArray picture;
    const bool png = !pick.png.isEmpty();
    if (!Extract(package, pick.skin, &skinBytes) || !Extract(package, png ? pick.png : pick.bmp, &picture))
        return false;
    const QString text = PackagedSkinText(skinBytes);
    skinBytes.clear();
    if (png) {
        document.image.Decode(picture, kImagePng);
        ReadSkinText(document, text);
        UsePngPicture(document);
    } else {
        document.keyed.Decode(picture);
        ReadSkinText(document, text);
        UseKeyedPicture(document);
    }
    return true;
}

void LoadDefaultSkin(SkinDocument& document) {
    InitDrapierResources();
    ReadSkinText(document, QString());
    document.image.LoadFromResource(kDefaultSkinPicture, kImagePng);
    UsePngPicture(document);
}

namespace {

bool LoadSkinStarted(SkinDocument& document, const QString& path, const QString& innerName,
                     bool digestPicture, PlainSkinStart* started) {
    document.picturePath.clear();
    document.pictureDigest.clear();
    document.displayname = path + QStringLiteral(" (skin in qsk: ") + innerName + u')';
    if (path.isEmpty()) {
        LoadDefaultSkin(document);
        return true;
    }
    if (path.endsWith(u".ini", Qt::CaseInsensitive)) {
        if (started)
            return FinishPlainSkin(document, *started);
        PlainSkinStart start = StartPlainSkin(path, digestPicture);
        return FinishPlainSkin(document, start);
    }
    if (path.endsWith(u".qsk", Qt::CaseInsensitive)) {
        ZipReader package;
        return package.Open(path) && LoadSkinFromPackage(document, package, innerName);
    }
    return false;
}

} // namespace

bool LoadSkin(SkinDocument& document, const QString& path, const QString& innerName, bool digestPicture) {
    return LoadSkinStarted(document, path, innerName, digestPicture, nullptr);
}

SkinLoadAhead::SkinLoadAhead() = default;

SkinLoadAhead::SkinLoadAhead(const QString& path, bool digestPicture) {
    if (path.endsWith(u".ini", Qt::CaseInsensitive))
        m_start = std::make_unique<PlainSkinStart>(StartPlainSkin(path, digestPicture));
}

SkinLoadAhead::~SkinLoadAhead() = default;

bool SkinLoadAhead::Finish(SkinDocument& document, const QString& path, bool digestPicture) {
    std::unique_ptr<PlainSkinStart> start = std::move(m_start);
    if (start && (start->path != path || start->digestPicture != digestPicture))
        start.reset();
    return LoadSkinStarted(document, path, QString(), digestPicture, start.get());
}

bool LoadSourcePicture(SkinDocument& document, const QString& path, ImageSurface& shown) {
    if (!path.isEmpty() && path == document.picturePath && document.pngsource && document.image.IsValid()) {
        shown = document.image;
        return true;
    }
    shown.Clear();
    if (!shown.Load(path, kImagePng))
        return false;
    // Only a PNG turns the skin to the PNG form: any other picture keeps its colour key.
    document.image = shown;
    if (shown.Kind() == kImagePng)
        document.pngsource = true;
    document.picturePath = shown.Kind() == kImagePng ? path : QString();
    document.pictureDigest.clear();
    return true;
}

ImageSurface SourcePictureOf(const SkinDocument& document) {
    if (document.pngsource)
        return document.image;
    ImageSurface picture;
    picture.MakeFromCanvas(document.keyed.Picture());
    return picture;
}
