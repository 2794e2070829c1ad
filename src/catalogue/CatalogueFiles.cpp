#include "catalogue/CatalogueFiles.h"

#include "catalogue/CatalogueLine.h"
#include "package/ZipEntryName.h"
#include "picture/PngDecoder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QtEndian>
#include <algorithm>

namespace {

bool NameBefore(const QString& a, const QString& b) {
    const int folded = a.compare(b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}

QStringList NamesEndingWith(const QStringList& names, const QString& ending) {
    QStringList matching;
    for (const QString& name : names) {
        if (name.endsWith(ending, Qt::CaseInsensitive))
            matching << name;
    }
    std::sort(matching.begin(), matching.end(), NameBefore);
    return matching;
}

// The Windows-1252 byte of each character the code page holds.
const QHash<char16_t, char>& Windows1252Bytes() {
    static const QHash<char16_t, char> bytes = [] {
        QHash<char16_t, char> table;
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            const QString decoded = DecodeWindows1252(&byte, 1);
            if (decoded.size() == 1 && decoded[0] != QChar::ReplacementCharacter)
                table.insert(decoded[0].unicode(), byte);
        }
        return table;
    }();
    return bytes;
}

} // namespace

QStringList SkinFolderListing(const QString& folder) {
    // Regular files only: a pipe or a device named like a package would never finish reading.
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::NoSort);
    return NamesEndingWith(names, QStringLiteral(".ini")) + NamesEndingWith(names, QStringLiteral(".qsk"));
}

QString ThumbnailNameOf(const QString& packageName) {
    return packageName.chopped(std::min<qsizetype>(4, packageName.size())) + QStringLiteral(".png");
}

QString NotesNameOf(const QString& packageName) {
    return packageName.chopped(std::min<qsizetype>(4, packageName.size())) + QStringLiteral(".not");
}

QString NotesFileText(const QString& notes) {
    QString text = notes;
    text.replace(QStringLiteral("^M"), QStringLiteral("\r\n"));
    return text;
}

QByteArray NotesFileBytes(const QString& notes) {
    const QString text = NotesFileText(notes);
    const QHash<char16_t, char>& table = Windows1252Bytes();
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto found = table.constFind(text[i].unicode());
        if (found != table.constEnd()) {
            out += *found;
            continue;
        }
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        out += CatalogueField(text.mid(i, length), true).toLatin1();
        i += length - 1;
    }
    return out;
}

bool ThumbnailPresent(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return false;
    // Something that is no file (a folder, a pipe) is not ours to replace; writing it would fail anyway.
    if (!info.isFile())
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true;
    const QByteArray bytes = file.readAll();
    PictureData picture;
    QString error;
    return DecodePng(reinterpret_cast<const unsigned char*>(bytes.constData()),
                     static_cast<size_t>(bytes.size()), picture, error);
}

bool NotesPresent(const QString& path, const QByteArray& notesBytes) {
    const QFileInfo info(path);
    return info.exists() && (!info.isFile() || info.size() > 0 || notesBytes.isEmpty());
}

QByteArray CatalogueFileBytes(const QString& text) {
    QByteArray bytes(text.size() * 2, Qt::Uninitialized);
    qToLittleEndian<char16_t>(text.utf16(), text.size(), bytes.data());
    return bytes;
}
