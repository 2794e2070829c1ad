#include "package/FileDigest.h"
#include "PackageTestSupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

// The length and CRC-32 of the whole file, across the megabyte reads; any change of a byte or of the
// length gives another digest; a file that cannot be read gives none.
TEST(FileDigest, LengthAndCrcOfTheWholeFile) {
    QTemporaryDir dir;
    const QByteArray big = NoiseBytes((3 << 20) + 17, 7); // several reads and a short last one
    QByteArray changed = big;
    changed[(2 << 20) + 5] = static_cast<char>(changed[(2 << 20) + 5] ^ 1);
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {{"empty", QByteArray()},
                 {"short", "abc"},
                 {"big", big},
                 {"one byte changed", changed},
                 {"one byte longer", big + 'x'}};
    QList<QByteArray> seen;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = dir.filePath(c.what);
        ASSERT_TRUE(WriteBytes(path, c.bytes));
        const QByteArray digest = FileDigest(path);
        const uLong crc = crc32_z(0, reinterpret_cast<const Bytef*>(c.bytes.constData()),
                                  static_cast<z_size_t>(c.bytes.size()));
        EXPECT_EQ(digest, QByteArray::number(c.bytes.size()) + ':' + QByteArray::number(qulonglong{crc}, 16));
        EXPECT_FALSE(seen.contains(digest));
        seen << digest;
    }
    EXPECT_TRUE(FileDigest(dir.filePath("missing")).isEmpty());
    EXPECT_TRUE(FileDigest(dir.path()).isEmpty()); // a folder
}
