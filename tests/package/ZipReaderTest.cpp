#include "package/ZipReader.h"
#include "PackageTestSupport.h"
#include "package/ZipWriter.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QByteArray kText = QByteArray("skinname=Blue\nbitmap=blue.png\n").repeated(20);

} // namespace

TEST(ZipReader, ReadsBackWhatTheWriterWrote) {
    QTemporaryDir dir;
    const struct {
        const char* name;
        QByteArray data;
    } files[] = {
        {"empty.ini", QByteArray()},
        {"one.ini", QByteArray("x")},
        {"noise.png", NoiseBytes(300 * 1024, 7)},            // incompressible, several chunks
        {"text.ini", QByteArray("line\n").repeated(200000)}, // 1 MB that deflates to little
        {"stored.gz", NoiseBytes(5000, 8)},
    };
    std::vector<std::pair<QString, QString>> sources;
    for (const auto& f : files) {
        ASSERT_TRUE(WriteBytes(dir.filePath(f.name), f.data));
        sources.emplace_back(f.name, dir.filePath(f.name));
    }
    ASSERT_EQ(WritePackage(dir.filePath("all.qsk"), sources), ZipResult::Ok);

    ZipReader reader;
    ASSERT_TRUE(reader.Open(dir.filePath("all.qsk")));
    ASSERT_EQ(reader.Entries().size(), std::size(files));
    for (const auto& f : files) {
        SCOPED_TRACE(f.name);
        const int index = reader.FindEntry(QString(f.name).toUpper());
        ASSERT_GE(index, 0);
        EXPECT_EQ(reader.Entries()[size_t(index)].name, f.name);
        QByteArray data;
        ASSERT_TRUE(reader.Extract(index, &data));
        EXPECT_EQ(data, f.data);
        // Incompressible data costs only the deflate block headers; text really compresses.
        const ZipEntry& e = reader.Entries()[size_t(index)];
        EXPECT_LE(e.compressedSize, e.uncompressedSize + e.uncompressedSize / 1000 + 16);
        if (QByteArray(f.name) == "text.ini") {
            EXPECT_LT(e.compressedSize, e.uncompressedSize / 100);
        }
    }
    EXPECT_EQ(reader.FindEntry("missing.ini"), -1);
    QByteArray none;
    EXPECT_FALSE(reader.Extract(99, &none));
    EXPECT_EQ(reader.LastError(), ZipReadError::NoSuchEntry);
}

TEST(ZipReader, FindsTheEndRecordBehindAComment) {
    // Lengths around the 1,028-byte search chunks, so the record also straddles a chunk border.
    for (int length : {0, 1, 1001, 1002, 1003, 1004, 1005, 1006, 2030, 2031, 2032, 40000, 65513}) {
        SCOPED_TRACE(length);
        const QByteArray zip = MakeRawZip({{"a.ini", kText}}, QByteArray(length, 'c'));
        ZipReader reader;
        ASSERT_TRUE(reader.OpenBytes(zip));
        QByteArray data;
        ASSERT_TRUE(reader.Extract(0, &data));
        EXPECT_EQ(data, kText);
    }
    // The search covers only the last 65,535 bytes.
    ZipReader reader;
    EXPECT_FALSE(reader.OpenBytes(MakeRawZip({{"a.ini", kText}}, QByteArray(65535, 'c'))));
    EXPECT_EQ(reader.LastError(), ZipReadError::NotAnArchive);
}

TEST(ZipReader, DecodesNamesByTheLanguageFlag) {
    const QByteArray bytes("caf\xc3\xa9.ini");
    ZipReader reader;
    ASSERT_TRUE(reader.OpenBytes(MakeRawZip({{bytes, "x"}, {bytes, "x", kMethodDeflated, kFlagUtf8Name}})));
    EXPECT_EQ(reader.Entries()[0].name, QString::fromUtf8("caf\xc3\x83\xc2\xa9.ini")); // Windows-1252
    EXPECT_EQ(reader.Entries()[1].name, QString::fromUtf8("caf\xc3\xa9.ini"));
}

// Every hostile or damaged archive fails with a reason and never crashes, hangs or over-allocates.
TEST(ZipReader, RefusesDamagedAndHostileArchives) {
    const QByteArray small = "hello, skin";
    const QByteArray compressedSmall = RawDeflate(small);
    const RawEntry lying{.name = "a.ini", .data = small, .uncompressedSize = 5}; // less than the data holds
    const RawEntry longer{.name = "a.ini", .data = small, .uncompressedSize = small.size() + 10};
    const RawEntry badCrc{.name = "a.ini", .data = small, .crc = 0x12345678};
    const RawEntry huge{.name = "a.ini", .data = small, .uncompressedSize = ZipReader::kMaxEntrySize + 1};
    const RawEntry storedMismatch{
        .name = "a.ini", .data = small, .method = kMethodStored, .uncompressedSize = small.size() - 1};
    const RawEntry encrypted{"a.ini", small, kMethodDeflated, kFlagEncrypted};
    const RawEntry unknownMethod{"a.ini", small, 12};
    // Data running into the central directory, and into the next entry's header.
    const RawEntry intoDirectory{
        .name = "a.ini", .data = small, .compressedSize = compressedSmall.size() + 40};
    const RawEntry first{.name = "a.ini", .data = kText, .compressedSize = RawDeflate(kText).size() + 30};
    const RawEntry beyondDirectory{.name = "b.ini", .data = small, .localOffset = 5000, .writeLocal = false};
    QByteArray damagedStream = MakeRawZip({{"a.ini", kText}});
    damagedStream[40] = char(damagedStream[40] ^ 0x55);
    QByteArray badLocal = MakeRawZip({{"a.ini", small}});
    badLocal[0] = 'Q';
    QByteArray shortCount = MakeRawZip({{"a.ini", small}});
    shortCount[shortCount.size() - 22 + 8] = 2; // two entries claimed, one present
    shortCount[shortCount.size() - 22 + 10] = 2;

    const struct {
        const char* what;
        QByteArray zip;
        ZipReadError open; // None: opens, the first entry fails to extract with `extract`
        ZipReadError extract;
    } cases[] = {
        {"no bytes", QByteArray(), ZipReadError::NotAnArchive, {}},
        {"not a zip", QByteArray(5000, 'x'), ZipReadError::NotAnArchive, {}},
        {"fewer entries than counted", shortCount, ZipReadError::BadDirectory, {}},
        {"declared size too small", MakeRawZip({lying}), ZipReadError::None, ZipReadError::DataError},
        {"declared size too large", MakeRawZip({longer}), ZipReadError::None, ZipReadError::DataError},
        {"wrong CRC", MakeRawZip({badCrc}), ZipReadError::None, ZipReadError::CrcMismatch},
        {"over 64 MiB", MakeRawZip({huge}), ZipReadError::None, ZipReadError::TooLarge},
        {"stored sizes differ", MakeRawZip({storedMismatch}), ZipReadError::None, ZipReadError::DataError},
        {"encrypted", MakeRawZip({encrypted}), ZipReadError::None, ZipReadError::Unsupported},
        {"unknown method", MakeRawZip({unknownMethod}), ZipReadError::None, ZipReadError::Unsupported},
        {"data into the directory", MakeRawZip({intoDirectory}), ZipReadError::None, ZipReadError::Overlap},
        {"data into the next entry", MakeRawZip({first, {"b.ini", kText}}), ZipReadError::None,
         ZipReadError::Overlap},
        {"damaged deflate stream", damagedStream, ZipReadError::None, ZipReadError::DataError},
        {"bad local signature", badLocal, ZipReadError::None, ZipReadError::BadLocalHeader},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ZipReader reader;
        if (c.open != ZipReadError::None) {
            EXPECT_FALSE(reader.OpenBytes(c.zip));
            EXPECT_EQ(reader.LastError(), c.open);
            EXPECT_TRUE(reader.Entries().empty());
            continue;
        }
        ASSERT_TRUE(reader.OpenBytes(c.zip));
        QByteArray data = "untouched";
        EXPECT_FALSE(reader.Extract(0, &data));
        EXPECT_EQ(reader.LastError(), c.extract);
        EXPECT_EQ(data, "untouched");
    }

    // The entry outside the archive's data area cannot be read, while its neighbour can.
    ZipReader reader;
    ASSERT_TRUE(reader.OpenBytes(MakeRawZip({{"a.ini", small}, beyondDirectory})));
    QByteArray data;
    EXPECT_TRUE(reader.Extract(0, &data));
    EXPECT_FALSE(reader.Extract(1, &data));
    EXPECT_EQ(reader.LastError(), ZipReadError::Overlap);
}

// An entry whose name is over 255 bytes is left out alone; the rest of the package reads as usual, and
// its space still bounds its neighbours.
TEST(ZipReader, SkipsEntriesWithOverlongNames) {
    const QByteArray longName = QByteArray(150, 'd') + '/' + QByteArray(149, 'f');
    ASSERT_EQ(longName.size(), 300);
    ZipReader reader;
    ASSERT_TRUE(reader.OpenBytes(MakeRawZip(
        {{"skin.ini", kText}, {longName, "far away"}, {"p.png", "picture"}, {QByteArray(256, 'n'), "x"}})));
    EXPECT_EQ(reader.SkippedLongNames(), 2);
    ASSERT_EQ(reader.Entries().size(), 2u);
    EXPECT_EQ(reader.Entries()[0].name, "skin.ini");
    EXPECT_EQ(reader.Entries()[1].name, "p.png");
    QByteArray data;
    ASSERT_TRUE(reader.Extract(1, &data));
    EXPECT_EQ(data, "picture");
    ASSERT_TRUE(reader.Extract(0, &data));
    EXPECT_EQ(data, kText);
    // A name of exactly 255 bytes is kept.
    ASSERT_TRUE(reader.OpenBytes(MakeRawZip({{QByteArray(251, 'n') + ".ini", kText}})));
    EXPECT_EQ(reader.SkippedLongNames(), 0);
    EXPECT_EQ(reader.Entries().size(), 1u);

    // The first entry's data reaches into the skipped one.
    const RawEntry greedy{.name = "skin.ini", .data = kText, .compressedSize = RawDeflate(kText).size() + 20};
    ASSERT_TRUE(reader.OpenBytes(MakeRawZip({greedy, {longName, QByteArray(100, 'z')}})));
    EXPECT_FALSE(reader.Extract(0, &data));
    EXPECT_EQ(reader.LastError(), ZipReadError::Overlap);
}

// The size limit is inclusive: an entry of exactly 64 MiB reads, one byte more is refused (above).
TEST(ZipReader, EntryOfExactlyTheLimitIsRead) {
    const QByteArray zeros(static_cast<qsizetype>(ZipReader::kMaxEntrySize), '\0');
    ZipReader reader;
    ASSERT_TRUE(reader.OpenBytes(MakeRawZip({{"big.png", zeros}})));
    QByteArray data;
    ASSERT_TRUE(reader.Extract(0, &data)) << int(reader.LastError());
    EXPECT_EQ(data.size(), zeros.size());
}

TEST(ZipReader, RefusesOverlappingEntryBomb) {
    // Many directory records pointing into one highly compressed entry: each would inflate to 20 MB.
    const QByteArray zeros(20 * 1024 * 1024, '\0');
    const uint32_t crc = ZipCrc32(0, zeros.constData(), zeros.size());
    const qint64 compressedSize = RawDeflate(zeros).size();
    std::vector<RawEntry> entries{{"bomb0.png", zeros}};
    for (int i = 1; i < 200; ++i) {
        entries.push_back({QByteArray("bomb") + QByteArray::number(i) + ".png", QByteArray(), kMethodDeflated,
                           0, 0, crc, compressedSize, zeros.size(), false});
    }
    const QByteArray zip = MakeRawZip(entries);
    ASSERT_LT(zip.size(), 200 * 1024);
    ZipReader reader;
    ASSERT_TRUE(reader.OpenBytes(zip));
    ASSERT_EQ(reader.Entries().size(), 200u);
    for (int i = 0; i < 200; ++i) {
        QByteArray data;
        EXPECT_FALSE(reader.Extract(i, &data)) << i;
        EXPECT_EQ(reader.LastError(), ZipReadError::Overlap);
    }
}

TEST(ZipReader, RefusesDataThatSpansTheDirectory) {
    // A stored entry whose data reaches over the central directory to a second entry placed after it:
    // its space ends at the directory, not at the next entry.
    const QByteArray a = "a.ini";
    const QByteArray b = "b.png";
    const QByteArray picture = "png!";
    const uint32_t directorySize = 2 * kCentralHeaderSize + uint32_t(a.size() + b.size());
    const uint32_t directoryOffset = kLocalHeaderSize + uint32_t(a.size());
    const uint32_t secondOffset = directoryOffset + directorySize;
    const uint32_t pictureCrc = ZipCrc32(0, picture.constData(), picture.size());

    const ZipHeaderFields first{a, 0, kMethodStored, 0, directorySize, directorySize};
    const ZipHeaderFields second{
        b, 0, kMethodStored, pictureCrc, uint32_t(picture.size()), uint32_t(picture.size())};
    QByteArray zip;
    AppendLocalHeader(zip, first); // its data is the directory itself
    AppendCentralHeader(zip, first, 0);
    AppendCentralHeader(zip, second, secondOffset);
    ASSERT_EQ(uint32_t(zip.size()), secondOffset);
    AppendLocalHeader(zip, second);
    zip += picture;
    PutLe32(zip, kEndOfCentralSignature);
    PutLe32(zip, 0);
    PutLe16(zip, 2);
    PutLe16(zip, 2);
    PutLe32(zip, directorySize);
    PutLe32(zip, directoryOffset);
    PutLe16(zip, 0);

    ZipReader reader;
    ASSERT_TRUE(reader.OpenBytes(zip));
    QByteArray data;
    EXPECT_FALSE(reader.Extract(0, &data));
    EXPECT_EQ(reader.LastError(), ZipReadError::Overlap);
}

TEST(ZipReader, TruncatedPackagesNeverOpen) {
    QTemporaryDir dir;
    ASSERT_TRUE(WriteBytes(dir.filePath("a.ini"), kText));
    ASSERT_TRUE(WriteBytes(dir.filePath("a.png"), NoiseBytes(3000, 3)));
    ASSERT_EQ(WritePackage(dir.filePath("a.qsk"),
                           {{"a.ini", dir.filePath("a.ini")}, {"a.png", dir.filePath("a.png")}}),
              ZipResult::Ok);
    const QByteArray whole = ReadBytes(dir.filePath("a.qsk"));
    for (qsizetype length = 0; length < whole.size(); ++length) {
        ZipReader reader;
        ASSERT_FALSE(reader.OpenBytes(whole.left(length))) << length;
    }
    // A damaged byte anywhere is caught on open or on extraction.
    for (qsizetype at = 0; at < whole.size(); ++at) {
        QByteArray damaged = whole;
        damaged[at] = char(damaged[at] ^ 0x20);
        ZipReader reader;
        if (!reader.OpenBytes(damaged))
            continue;
        for (int i = 0; i < int(reader.Entries().size()); ++i) {
            QByteArray data;
            if (reader.Extract(i, &data)) {
                EXPECT_EQ(data, i == 0 ? kText : ReadBytes(dir.filePath("a.png"))) << at;
            }
        }
    }
}

TEST(ZipReader, OpensOnlyPlainFiles) {
    QTemporaryDir dir;
    ZipReader reader;
    EXPECT_FALSE(reader.Open(dir.filePath("missing.qsk")));
    EXPECT_EQ(reader.LastError(), ZipReadError::CannotOpen);
    EXPECT_FALSE(reader.Open(dir.path()));
    EXPECT_EQ(reader.LastError(), ZipReadError::CannotOpen);
}
