// Package reader and the loader's package path over arbitrary bytes: nothing may crash, hang or
// allocate without bound, whatever the archive claims.
#include "FuzzBudget.h"
#include "document/SkinDocument.h"
#include "document/SkinLoader.h"
#include "package/PackagePicking.h"
#include "package/ZipReader.h"

#include <QByteArray>
#include <QStringList>
#include <cstddef>
#include <cstdint>

namespace {

// Whether the entries the loader would take are within the budget: sizes, and the picture's announced
// size (which a PNG of a few kilobytes may put at hundreds of megabytes).
bool LoadFitsBudget(ZipReader& reader, const QString& innerName) {
    QStringList names;
    for (const ZipEntry& e : reader.Entries())
        names << e.name;
    const PackagePick pick = PickPackageEntries(names, innerName);
    const QString picture = pick.png.isEmpty() ? pick.bmp : pick.png;
    for (const QString& name : {pick.skin, picture}) {
        const int index = reader.FindEntry(name);
        if (index >= 0 && reader.Entries()[static_cast<size_t>(index)].uncompressedSize > kFuzzEntryBudget)
            return false;
    }
    QByteArray bytes;
    const int index = reader.FindEntry(picture);
    if (index < 0 || !reader.Extract(index, &bytes))
        return true;
    if (pick.png.isEmpty())
        return KeyedPictureFitsBudget(bytes);
    return PictureFitsBudget(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                             static_cast<std::size_t>(bytes.size()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    ZipReader reader;
    if (!reader.OpenBytes(bytes))
        return 0;
    const int count = std::min<int>(static_cast<int>(reader.Entries().size()), 8);
    for (int i = 0; i < count; ++i) {
        QByteArray entry;
        const ZipEntry& e = reader.Entries()[static_cast<size_t>(i)];
        // The size checks come before any inflating; past the budget only they are worth running.
        if (e.uncompressedSize > kFuzzEntryBudget && e.uncompressedSize <= ZipReader::kMaxEntrySize)
            continue;
        if (reader.Extract(i, &entry) && entry.size() != static_cast<qsizetype>(e.uncompressedSize))
            __builtin_trap(); // a checked entry must have exactly its declared size
        reader.FindEntry(e.name);
    }
    // One document for both: the second load replaces what the first left.
    SkinDocument document;
    for (const QString& inner : {QString(), QStringLiteral("stack.ini")}) {
        if (LoadFitsBudget(reader, inner))
            LoadSkinFromPackage(document, reader, inner);
    }
    return 0;
}
