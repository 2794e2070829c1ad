#include "catalogue/CatalogueFiles.h"

#include "catalogue/CatalogueLine.h"
#include "package/ZipEntryName.h"

#include <QDir>
#include <QSaveFile>
#include <QStringEncoder>
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

// Windows-1252 bytes when the code page holds the character (a round trip proves it), else empty.
QByteArray Windows1252Of(QStringEncoder& encoder, const QString& text) {
    encoder.resetState();
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError() || DecodeWindows1252(bytes.constData(), bytes.size()) != text)
        return {};
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
    QStringEncoder encoder("windows-1252");
    if (!encoder.isValid())
        return text.toLatin1();
    const QByteArray whole = Windows1252Of(encoder, text);
    if (!whole.isEmpty() || text.isEmpty())
        return whole;
    QByteArray out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        const QByteArray bytes = Windows1252Of(encoder, character);
        out += bytes.isEmpty() ? CatalogueField(character, true).toLatin1() : bytes;
        i += length - 1;
    }
    return out;
}

QByteArray CatalogueFileBytes(const QString& text) {
    QByteArray bytes(text.size() * 2, Qt::Uninitialized);
    qToLittleEndian<char16_t>(text.utf16(), text.size(), bytes.data());
    return bytes;
}

bool SaveWholeFile(const QString& path, const QByteArray& bytes, QString* reason) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    *reason = file.errorString();
    return false;
}
