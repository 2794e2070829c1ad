#include "package/ZipWriter.h"
#include "PackageTestSupport.h"
#include "package/PackageTime.h"
#include "package/SkinPackageExport.h"
#include "package/ZipFormat.h"
#include "package/ZipReader.h"
#include "package/ZipSourceStamp.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QDateTime kWhen(QDate(2021, 3, 4), QTime(5, 6, 8), Qt::LocalTime);

// A file with a known modification time.
void MakeFile(const QString& path, const QByteArray& bytes, const QDateTime& modified = kWhen) {
    ASSERT_TRUE(WriteBytes(path, bytes));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(modified, QFileDevice::FileModificationTime));
}

QByteArray Inflated(const QByteArray& raw, int size) {
    QByteArray out(size, '\0');
    z_stream z{};
    inflateInit2(&z, -15);
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(raw.constData()));
    z.avail_in = uInt(raw.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = uInt(out.size());
    const int status = inflate(&z, Z_FINISH);
    inflateEnd(&z);
    return status == Z_STREAM_END ? out : QByteArray();
}

uint32_t Crc(const QByteArray& b) {
    return ZipCrc32(0, b.constData(), b.size());
}

} // namespace

TEST(ZipWriter, WritesExactHeaders) {
    QTemporaryDir dir;
    const QByteArray skin = QByteArray("[button]\nname=close\n").repeated(40);
    const QByteArray archive = "already compressed";
    MakeFile(dir.filePath("blue.ini"), skin);
    MakeFile(dir.filePath("old.ZIP"), archive);
    const QString package = dir.filePath("blue.qsk");

    ASSERT_EQ(
        WritePackage(package, {{"blue.ini", dir.filePath("blue.ini")}, {"old.ZIP", dir.filePath("old.ZIP")}}),
        ZipResult::Ok);
    const QByteArray zip = ReadBytes(package);
    const char* p = zip.constData();

    const DosDateTime dos = ToDosDateTime(kWhen);
    EXPECT_EQ(dos.time, (5 << 11) | (6 << 5) | 4);
    EXPECT_EQ(dos.date, (41 << 9) | (3 << 5) | 4);
    const uint32_t unixTime = uint32_t(kWhen.toSecsSinceEpoch());

    struct Expected {
        QByteArray name, data;
        uint16_t method;
    };
    const Expected expected[] = {{"blue.ini", skin, kMethodDeflated}, {"old.ZIP", archive, kMethodStored}};
    qint64 at = 0;
    std::vector<qint64> localOffsets;
    std::vector<uint32_t> compressedSizes;
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.name.toStdString());
        localOffsets.push_back(at);
        const char* h = p + at;
        EXPECT_EQ(GetLe32(h), kLocalHeaderSignature);
        EXPECT_EQ(GetLe16(h + 4), 20);
        EXPECT_EQ(GetLe16(h + 6), 0); // flags patched back to 0: no data descriptor
        EXPECT_EQ(GetLe16(h + 8), e.method);
        EXPECT_EQ(GetLe16(h + 10), dos.time);
        EXPECT_EQ(GetLe16(h + 12), dos.date);
        EXPECT_EQ(GetLe32(h + 14), Crc(e.data));
        const uint32_t csize = GetLe32(h + 18);
        compressedSizes.push_back(csize);
        EXPECT_EQ(GetLe32(h + 22), uint32_t(e.data.size()));
        EXPECT_EQ(GetLe16(h + 26), e.name.size());
        EXPECT_EQ(GetLe16(h + 28), 17);
        EXPECT_EQ(QByteArray(h + 30, e.name.size()), e.name);
        const char* x = h + 30 + e.name.size();
        EXPECT_EQ(QByteArray(x, 5), QByteArray("UT\x0d\x00\x07", 5));
        EXPECT_EQ(GetLe32(x + 5), unixTime);
        const QByteArray data(x + 17, csize);
        if (e.method == kMethodStored)
            EXPECT_EQ(data, e.data);
        else
            EXPECT_EQ(Inflated(data, int(e.data.size())), e.data);
        at += 30 + e.name.size() + 17 + csize; // the next header follows the data directly
    }

    const qint64 centralOffset = at;
    for (size_t i = 0; i < 2; ++i) {
        const Expected& e = expected[i];
        SCOPED_TRACE(e.name.toStdString());
        const char* c = p + at;
        EXPECT_EQ(GetLe32(c), kCentralHeaderSignature);
        EXPECT_EQ(GetLe16(c + 4), 0x0B17);
        EXPECT_EQ(GetLe16(c + 6), 20);
        EXPECT_EQ(GetLe16(c + 8), 0);
        EXPECT_EQ(GetLe16(c + 10), e.method);
        EXPECT_EQ(GetLe16(c + 12), dos.time);
        EXPECT_EQ(GetLe16(c + 14), dos.date);
        EXPECT_EQ(GetLe32(c + 16), Crc(e.data));
        EXPECT_EQ(GetLe32(c + 20), compressedSizes[i]);
        EXPECT_EQ(GetLe32(c + 24), uint32_t(e.data.size()));
        EXPECT_EQ(GetLe16(c + 28), e.name.size());
        EXPECT_EQ(GetLe16(c + 30), 9);
        EXPECT_EQ(GetLe16(c + 32), 0);
        EXPECT_EQ(GetLe16(c + 34), 0);
        EXPECT_EQ(GetLe16(c + 36), 0);
        EXPECT_EQ(GetLe32(c + 38), 0x81800020u); // an ordinary writable file
        EXPECT_EQ(GetLe32(c + 42), uint32_t(localOffsets[i]));
        EXPECT_EQ(QByteArray(c + 46, e.name.size()), e.name);
        const char* x = c + 46 + e.name.size();
        EXPECT_EQ(QByteArray(x, 5), QByteArray("UT\x05\x00\x07", 5));
        EXPECT_EQ(GetLe32(x + 5), unixTime);
        at += 46 + e.name.size() + 9;
    }

    ASSERT_EQ(zip.size(), at + 22); // nothing follows the end record
    const char* end = p + at;
    EXPECT_EQ(GetLe32(end), kEndOfCentralSignature);
    EXPECT_EQ(GetLe16(end + 4), 0);
    EXPECT_EQ(GetLe16(end + 6), 0);
    EXPECT_EQ(GetLe16(end + 8), 2);
    EXPECT_EQ(GetLe16(end + 10), 2);
    EXPECT_EQ(GetLe32(end + 12), uint32_t(at - centralOffset));
    EXPECT_EQ(GetLe32(end + 16), uint32_t(centralOffset));
    EXPECT_EQ(GetLe16(end + 20), 0);
}

TEST(ZipWriter, StoresArchiveEndingsAndDeflatesTheRest) {
    const struct {
        const char* name;
        bool stored;
    } cases[] = {{"a.Z", true},    {"a.z", true},   {"a.ZIP", true}, {"a.zoo", true}, {"a.arc", true},
                 {"a.lzh", true},  {"a.ARJ", true}, {"a.gz", true},  {"a.tgz", true}, {"a.png", false},
                 {"a.ini", false}, {"zip", false},  {"a.tar", false}};
    for (const auto& c : cases)
        EXPECT_EQ(IsStoredEnding(c.name), c.stored) << c.name;
}

namespace {

// Random bytes of only the lower or the upper half of the byte values, switching every `run` bytes: no
// repeats to find, yet each stretch needs only 7 bits a byte.
QByteArray HalfRanges(qsizetype size, qsizetype run) {
    QByteArray b = NoiseBytes(size, 9);
    for (qsizetype i = 0; i < size; ++i)
        b[i] = char((b[i] & 0x7F) | ((i / run) % 2 ? 0x80 : 0));
    return b;
}

} // namespace

// Whatever the data, a deflated entry comes out within 0.5 % (or 64 bytes) of zlib at level 8, and reads
// back whole. Incompressible stretches are stored without a search; nothing else may be.
TEST(ZipWriter, DeflatedEntriesStayCloseToLevelEight) {
    const QByteArray noise = NoiseBytes(64 * 1024, 1);
    const QByteArray zeros(2 * 1024 * 1024, '\0');
    QByteArray alternating;
    for (int i = 0; i < 64; ++i)
        alternating += NoiseBytes(1000, 100 + i) + QByteArray(1000, 'z');
    const QByteArray block = NoiseBytes(5000, 7);
    const QByteArray text = QByteArray("[button]\nname=close\nplace=-20,4\nsize=16x16\n\n").repeated(2000);
    const struct {
        const char* what;
        QByteArray data;
    } cases[] = {
        {"noise then zeros", noise + zeros},
        {"zeros then noise", zeros + noise},
        {"noise", NoiseBytes(1024 * 1024, 2)},
        {"a picture's worth of noise, then its repeat 20 KB on", NoiseBytes(20000, 3) + NoiseBytes(20000, 3)},
        {"noise, then the same 16 KB again far behind the start",
         NoiseBytes(40000, 4) + NoiseBytes(40000, 4).left(16384)},
        {"noise and zeros by the kilobyte", alternating},
        {"one noise block over and over", block.repeated(40)},
        {"halves of the byte range by the 4 KB", HalfRanges(256 * 1024, 4096)},
        {"halves of the byte range by the 32 KB", HalfRanges(256 * 1024, 32768)},
        {"skin text", text},
        {"runs between noise and text, each way",
         zeros.left(40000) + noise + zeros.left(50000) + text.left(40000) + QByteArray(20000, 'q') + noise},
        {"noise with a short text tail", NoiseBytes(70000, 5) + "name=x\n"},
        {"empty", QByteArray()},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MakeFile(dir.filePath("data.bin"), c.data);
        const QString package = dir.filePath("out.qsk");
        ASSERT_EQ(WritePackage(package, {{"data.bin", dir.filePath("data.bin")}}), ZipResult::Ok);
        ZipReader reader;
        ASSERT_TRUE(reader.Open(package));
        ASSERT_EQ(reader.Entries().size(), 1u);
        EXPECT_EQ(reader.Entries()[0].method, kMethodDeflated);
        const qint64 ours = reader.Entries()[0].compressedSize;
        const qint64 reference = RawDeflate(c.data, 8).size();
        EXPECT_LE(ours, std::max(reference + 64, reference + reference / 200))
            << "level 8 gives " << reference << " bytes";
        QByteArray back;
        ASSERT_TRUE(reader.Extract(0, &back));
        EXPECT_TRUE(back == c.data);
    }
}

TEST(ZipWriter, ExternalAttributesFollowTheFile) {
    EXPECT_EQ(ExternalAttributes(false, false, false, false), 0x81800020u);
    EXPECT_EQ(ExternalAttributes(false, true, false, false), 0x81000021u);
    EXPECT_EQ(ExternalAttributes(false, false, false, true), 0x81C00020u);
    EXPECT_EQ(ExternalAttributes(false, false, true, false), 0x81800022u);
    EXPECT_EQ(ExternalAttributes(true, false, false, false), 0x41800010u);

    QTemporaryDir dir;
    const struct {
        const char* name;
        QFileDevice::Permissions permissions;
        uint32_t attributes;
    } files[] = {
        {"plain.png", QFileDevice::ReadOwner | QFileDevice::WriteOwner, 0x81800020u},
        {"locked.png", QFileDevice::ReadOwner, 0x81000021u},
        {"tool.png", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner, 0x81C00020u},
    };
    for (const auto& f : files) {
        const QString path = dir.filePath(f.name);
        MakeFile(path, "x");
        ASSERT_TRUE(QFile::setPermissions(path, f.permissions));
        EXPECT_EQ(ReadSourceStamp(QFileInfo(path)).externalAttributes, f.attributes) << f.name;
    }
}

TEST(ZipWriter, NamesOutsideWindows1252AreUtf8WithTheFlag) {
    QTemporaryDir dir;
    MakeFile(dir.filePath("src"), "data");
    const struct {
        QString name;
        QByteArray stored;
        bool utf8;
    } cases[] = {
        {QString::fromUtf8("caf\xc3\xa9\xe2\x82\xac.ini"), QByteArray("caf\xe9\x80.ini"), false},
        {QString::fromUtf8("\xd0\xbd\xd0\xbe\xd1\x82\xd0\xb0.png"),
         QByteArray("\xd0\xbd\xd0\xbe\xd1\x82\xd0\xb0.png"), true},
        {QStringLiteral("skins\\blue.png"), QByteArray("skins/blue.png"), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        const QString package = dir.filePath("names.qsk");
        ASSERT_EQ(WritePackage(package, {{c.name, dir.filePath("src")}}), ZipResult::Ok);
        const QByteArray zip = ReadBytes(package);
        EXPECT_EQ(GetLe16(zip.constData() + 6), c.utf8 ? kFlagUtf8Name : 0);
        EXPECT_EQ(zip.mid(30, c.stored.size()), c.stored);

        ZipReader reader;
        ASSERT_TRUE(reader.Open(package));
        ASSERT_EQ(reader.Entries().size(), 1u);
        QString expectedName = c.name;
        expectedName.replace(u'\\', u'/');
        EXPECT_EQ(reader.Entries()[0].name, expectedName);
        EXPECT_EQ(reader.Entries()[0].flags & kFlagUtf8Name, c.utf8 ? kFlagUtf8Name : 0);
    }
}

TEST(ZipWriter, FailuresNeverReplaceThePackage) {
    QTemporaryDir dir;
    MakeFile(dir.filePath("blue.ini"), "skinname=blue\n");
    MakeFile(dir.filePath("blue.png"), "png bytes");
    const QString package = dir.filePath("blue.qsk");
    const QByteArray good = "a package that was there before";
    ASSERT_TRUE(WriteBytes(package, good));

    const struct {
        const char* what;
        QString entry;
        QString source;
        ZipResult result;
    } cases[] = {
        {"missing source", "gone.png", dir.filePath("gone.png"), ZipResult::SourceUnreadable},
        {"source is a folder", "sub.png", dir.path(), ZipResult::SourceUnreadable},
        {"empty name", "", dir.filePath("blue.png"), ZipResult::EmptyName},
        {"name over 255 bytes", QString(252, u'n') + ".png", dir.filePath("blue.png"),
         ZipResult::NameTooLong},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ZipWriter writer;
        ASSERT_EQ(writer.Create(package), ZipResult::Ok);
        ASSERT_EQ(writer.AddFile("blue.ini", dir.filePath("blue.ini")), ZipResult::Ok);
        EXPECT_EQ(writer.AddFile(c.entry, c.source), c.result);
        EXPECT_FALSE(writer.ErrorString().isEmpty());
        // The first failure sticks: nothing more is written and the close reports it.
        EXPECT_EQ(writer.AddFile("blue.png", dir.filePath("blue.png")), c.result);
        EXPECT_EQ(writer.Close(), c.result);
        EXPECT_EQ(ReadBytes(package), good);
    }
    // A name of exactly 255 bytes is still fine.
    ZipWriter writer;
    ASSERT_EQ(writer.Create(package), ZipResult::Ok);
    EXPECT_EQ(writer.AddFile(QString(251, u'n') + ".png", dir.filePath("blue.png")), ZipResult::Ok);
    EXPECT_EQ(writer.Close(), ZipResult::Ok);
    EXPECT_NE(ReadBytes(package), good);
    // No temporary files are left behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 3);
}

TEST(ZipWriter, MisuseIsReported) {
    QTemporaryDir dir;
    MakeFile(dir.filePath("a.ini"), "x");
    ZipWriter unopened;
    EXPECT_EQ(unopened.AddFile("a.ini", dir.filePath("a.ini")), ZipResult::NotOpen);
    EXPECT_EQ(unopened.Close(), ZipResult::NotOpen);

    ZipWriter closed;
    ASSERT_EQ(closed.Create(dir.filePath("a.qsk")), ZipResult::Ok);
    ASSERT_EQ(closed.Close(), ZipResult::Ok);
    EXPECT_EQ(closed.AddFile("a.ini", dir.filePath("a.ini")), ZipResult::Closed);
    EXPECT_EQ(closed.Close(), ZipResult::Closed);

    ZipWriter nowhere;
    EXPECT_EQ(nowhere.Create(""), ZipResult::BadArguments);
    ZipWriter badFolder;
    EXPECT_NE(badFolder.Create(dir.filePath("no/such/folder/a.qsk")), ZipResult::Ok);
    EXPECT_FALSE(badFolder.ErrorString().isEmpty());
}

TEST(ZipWriter, AbandonedPackageLeavesNothing) {
    QTemporaryDir dir;
    MakeFile(dir.filePath("a.ini"), "x");
    {
        ZipWriter writer;
        ASSERT_EQ(writer.Create(dir.filePath("a.qsk")), ZipResult::Ok);
        ASSERT_EQ(writer.AddFile("a.ini", dir.filePath("a.ini")), ZipResult::Ok);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"a.ini"});
}

TEST(SkinPackageExport, EntriesFollowTheSkin) {
    QTemporaryDir dir;
    MakeFile(dir.filePath("blue.ini"), "bitmap=pics\\blue.png\n");
    ASSERT_TRUE(QDir(dir.path()).mkdir("pics"));
    MakeFile(dir.filePath("pics/blue.png"), "png");
    MakeFile(dir.filePath("bluestack.ini"), "mode=1\n");

    const struct {
        const char* stack;
        QStringList names;
    } cases[] = {
        {"", {"blue.ini", "blue.png"}},
        {"bluestack.ini", {"blue.ini", "blue.png", "stack.ini"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stack);
        const SkinPackageSources sources =
            PackageSourcesFor(dir.filePath("blue.ini"), "pics\\blue.png", c.stack);
        EXPECT_EQ(sources.pngPath, dir.filePath("pics/blue.png"));
        QString reason;
        ASSERT_TRUE(ExportSkinPackage(dir.filePath("blue.qsk"), sources, &reason)) << reason.toStdString();
        ZipReader reader;
        ASSERT_TRUE(reader.Open(dir.filePath("blue.qsk")));
        QStringList names;
        for (const ZipEntry& e : reader.Entries())
            names << e.name;
        EXPECT_EQ(names, c.names);
        if (c.names.size() == 3) {
            QByteArray stack;
            ASSERT_TRUE(reader.Extract(2, &stack));
            EXPECT_EQ(stack, "mode=1\n");
        }
    }

    // A missing stack file fails the export and keeps the package that was there.
    const QByteArray before = ReadBytes(dir.filePath("blue.qsk"));
    QString reason;
    EXPECT_FALSE(ExportSkinPackage(dir.filePath("blue.qsk"),
                                   PackageSourcesFor(dir.filePath("blue.ini"), "pics/blue.png", "gone.ini"),
                                   &reason));
    EXPECT_TRUE(reason.contains("gone.ini")) << reason.toStdString();
    EXPECT_EQ(ReadBytes(dir.filePath("blue.qsk")), before);
}
