// Package reader and the loader's package path over arbitrary bytes: nothing may crash, hang or
// allocate without bound, whatever the archive claims.
#include "FuzzBudget.h"
#include "FuzzTarget.h"
#include "document/SkinDocument.h"
#include "document/SkinLoader.h"
#include "package/ZipReader.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

DRAPIER_FUZZ_TARGET(package_reader) {
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
        // A checked entry must have exactly its declared size.
        if (reader.Extract(i, &entry))
            FUZZ_REQUIRE(entry.size() == static_cast<qsizetype>(e.uncompressedSize));
        reader.FindEntry(e.name);
    }
    // One document for both: the second load replaces what the first left.
    SkinDocument document;
    for (const QString& inner : {QString(), QStringLiteral("stack.ini")}) {
        if (PackageLoadFitsBudget(reader, inner))
            LoadSkinFromPackage(document, reader, inner);
    }
    return 0;
}
