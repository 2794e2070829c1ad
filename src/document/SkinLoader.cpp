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

struct DecodedSheet {
    ImageSurface image;
    bool decoded = false;
    QByteArray digest;
};

DecodedSheet DecodeSheet(const QString& path, bool digest) {
    DecodedSheet sheet;
    sheet.decoded = sheet.image.Load(path, kImagePng);
    if (sheet.decoded && digest)
        sheet.digest = FileDigest(path);
    return sheet;
}

bool LoadPlainSkin(SkinDocument& document, const QString& path, bool digestPicture) {
    if (!QFileInfo(path).isFile())
        return false;
    QString text;
    QString imageName;
    if (!ReadPlainSkinText(path, &text, &imageName))
        return false;
    if (imageName.isEmpty()) {
        ReadSkinText(document, text);
        return true;
    }
    const QString imagePath = SiblingPath(path, imageName);
    // The name comes from the file: a pipe or a device such as ../../dev/zero would never end.
    if (!QFileInfo(imagePath).isFile() || !QFile(imagePath).open(QIODevice::ReadOnly)) {
        ReadSkinText(document, text);
        return false;
    }
    if (imageName.endsWith(u".png", Qt::CaseInsensitive)) {
        // The sheet is decoded on another thread while the text is read: neither needs the other.
        std::future<DecodedSheet> decoding;
        try {
            decoding = std::async(std::launch::async, DecodeSheet, imagePath, digestPicture);
        } catch (const std::system_error&) {
        }
        ReadSkinText(document, text);
        DecodedSheet sheet = decoding.valid() ? decoding.get() : DecodeSheet(imagePath, digestPicture);
        document.image = std::move(sheet.image);
        UsePngPicture(document);
        if (sheet.decoded) {
            document.picturePath = imagePath;
            document.pictureDigest = sheet.digest;
        }
        return true;
    }
    document.keyed.Clear();
    document.keyed.Load(imagePath);
    ReadSkinText(document, text);
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

bool LoadSkin(SkinDocument& document, const QString& path, const QString& innerName, bool digestPicture) {
    document.picturePath.clear();
    document.pictureDigest.clear();
    document.displayname = path + QStringLiteral(" (skin in qsk: ") + innerName + u')';
    if (path.isEmpty()) {
        LoadDefaultSkin(document);
        return true;
    }
    if (path.endsWith(u".ini", Qt::CaseInsensitive))
        return LoadPlainSkin(document, path, digestPicture);
    if (path.endsWith(u".qsk", Qt::CaseInsensitive)) {
        ZipReader package;
        return package.Open(path) && LoadSkinFromPackage(document, package, innerName);
    }
    return false;
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
