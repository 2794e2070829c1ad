// Package reader and the loader's package path over arbitrary bytes: nothing may crash, hang or
// allocate without bound, whatever the archive claims.
#include "document/SkinDocument.h"
#include "document/SkinLoader.h"
#include "package/ZipReader.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    ZipReader reader;
    if (!reader.OpenBytes(bytes))
        return 0;
    const int count = std::min<int>(static_cast<int>(reader.Entries().size()), 8);
    for (int i = 0; i < count; ++i) {
        QByteArray entry;
        if (reader.Extract(i, &entry) &&
            entry.size() != static_cast<qsizetype>(reader.Entries()[i].uncompressedSize))
            __builtin_trap(); // a checked entry must have exactly its declared size
        reader.FindEntry(reader.Entries()[i].name);
    }
    SkinDocument document;
    LoadSkinFromPackage(document, reader, QString());
    LoadSkinFromPackage(document, reader, QStringLiteral("stack.ini"));
    return 0;
}
