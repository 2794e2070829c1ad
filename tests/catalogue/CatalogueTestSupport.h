#pragma once

// Skin packages made in memory for the catalogue tests and the browser's.

#include "document/SkinDocument.h"
#include "document/SkinWriter.h"
#include "package/PackageTestSupport.h"

#include <QBuffer>
#include <QColor>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>

inline QByteArray PngBytes(int width = 40, int height = 20, QColor colour = QColor(20, 120, 220)) {
    QImage picture(width, height, QImage::Format_ARGB32);
    picture.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return bytes;
}

// A skin named `name` with a full-width solid strip at the top and a text showing the title.
inline SkinDocument SampleSkin(const QString& name) {
    SkinDocument document;
    document.settings.skinname = name;
    document.settings.authorname = QStringLiteral("Drapier tests");
    document.settings.notes = QStringLiteral("About ") + name + QStringLiteral("^Msecond line");
    SkinElement strip = SkinElement::Make(ElementKind::HStrip);
    HStripRecord* h = strip.As<HStripRecord>();
    h->drawunrolled = h->drawrolled = true;
    h->place = {Placement{0}, Placement{0}};
    h->extent = {Placement{-1}, 20};
    h->striptype = 2;
    h->solidcol = MakeColour(40, 90, 160);
    document.Append(std::move(strip));
    SkinElement title = SkinElement::Make(ElementKind::Text);
    TextRecord* t = title.As<TextRecord>();
    t->drawunrolled = true;
    t->place = {Placement{4}, Placement{2}};
    t->extent = {Placement{-4}, 16};
    t->text = QStringLiteral("%TITLE%");
    t->transparent = true;
    t->col = MakeColour(255, 255, 255);
    document.Append(std::move(title));
    return document;
}

// The package the export would make of the skin: its file and its picture.
inline QByteArray SkinPackageBytes(const SkinDocument& document, const QByteArray& png = PngBytes()) {
    return MakeRawZip({{"skin.ini", SkinFileBytes(document, QStringLiteral("skin.png"))}, {"skin.png", png}});
}

// Writes the file with a fixed modification time, so that runs in different folders compare equal.
inline bool WritePackage(const QString& path, const QByteArray& bytes) {
    if (!WriteBytes(path, bytes))
        return false;
    QFile file(path);
    return file.open(QIODevice::ReadWrite) &&
           file.setFileTime(QDateTime::fromSecsSinceEpoch(1700000000), QFileDevice::FileModificationTime);
}

// The catalogue file's text.
inline QString CatalogueText(const QString& folder) {
    const QByteArray bytes = ReadBytes(QDir(folder).filePath(QStringLiteral("_db.db")));
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData()), bytes.size() / 2);
}
