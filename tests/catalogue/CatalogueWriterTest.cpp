#include "catalogue/CatalogueWriter.h"
#include "CatalogueTestSupport.h"
#include "catalogue/CatalogueFiles.h"
#include "picture/ImageSurface.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

void PutBe32(QByteArray& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((v >> shift) & 0xFF);
}

QByteArray PngChunk(const char* kind, const QByteArray& data) {
    QByteArray chunk;
    PutBe32(chunk, static_cast<uint32_t>(data.size()));
    const QByteArray body = QByteArray(kind) + data;
    chunk += body;
    PutBe32(chunk, static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(body.constData()),
                                               static_cast<uInt>(body.size()))));
    return chunk;
}

// A valid PNG header announcing 30000 x 30000 RGBA pixels (3.6 GB) with almost no data behind it.
QByteArray PictureBomb() {
    QByteArray header;
    PutBe32(header, 30000);
    PutBe32(header, 30000);
    header += QByteArray("\x08\x06\x00\x00\x00", 5);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + PngChunk("IHDR", header) +
           PngChunk("IDAT", qCompress(QByteArray(64, '\0')).mid(4)) + PngChunk("IEND", {});
}

SkinDocument SkinWithMinimumSize(const QString& name, int minimumWidth, int minimumHeight = 0) {
    SkinDocument document = SampleSkin(name);
    document.layout.minimumwidth = minimumWidth;
    document.layout.minimumheight = minimumHeight;
    return document;
}

class CatalogueFolder : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString Path(const QString& name) const { return dir.filePath(name); }
    void Add(const QString& name, const QByteArray& bytes) { ASSERT_TRUE(WritePackage(Path(name), bytes)); }
    void AddSkin(const QString& name, const SkinDocument& document) { Add(name, SkinPackageBytes(document)); }
    bool Exists(const QString& name) const { return QFileInfo::exists(Path(name)); }

    CatalogueResult Run(int jobs = 0, std::function<bool(const CatalogueProgress&)> progress = {}) {
        CatalogueRun run;
        run.jobs = jobs;
        run.progress = std::move(progress);
        return WriteCatalogue(dir.path(), SkinFolderListing(dir.path()), run);
    }

    QStringList Lines() const { return CatalogueText(dir.path()).split(u'\n', Qt::SkipEmptyParts); }

    QTemporaryDir dir;
};

} // namespace

TEST_F(CatalogueFolder, ListsSkinFilesThenPackagesByNameIgnoringCase) {
    for (const char* name :
         {"b.INI", "A.ini", "c.qsk", "B.QSK", "a.qsk", "x.png", "notes.txt", "stack.ini.bak"})
        Add(QString::fromLatin1(name), "x");
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.qsk"));
    ASSERT_EQ(mkfifo(Path("pipe.qsk").toLocal8Bit().constData(), 0600), 0);
    EXPECT_EQ(SkinFolderListing(dir.path()), QStringList({"A.ini", "b.INI", "a.qsk", "B.QSK", "c.qsk"}));
    EXPECT_EQ(SkinFolderListing(Path("folder.qsk")), QStringList());
}

TEST_F(CatalogueFolder, WritesThumbnailsNotesAndOneLinePerPackage) {
    AddSkin("b.qsk", SampleSkin("Beta"));
    AddSkin("A.qsk", SkinWithMinimumSize("Alpha", 560));
    Add("skin.ini", "a skin file is listed, not catalogued");
    const CatalogueResult result = Run();
    EXPECT_EQ(result.packages, 2);
    EXPECT_EQ(result.thumbnails, 2);
    EXPECT_EQ(result.notes, 2);
    EXPECT_EQ(result.failed, 0);
    EXPECT_EQ(result.skipped, 0);
    EXPECT_TRUE(result.catalogueWritten);
    EXPECT_EQ(result.messages, QStringList());
    EXPECT_EQ(result.lastSkinName, "Beta");

    const QByteArray db = ReadBytes(Path("_db.db"));
    ASSERT_GE(db.size(), 2);
    EXPECT_NE(db.left(2), QByteArray("\xff\xfe", 2)); // no byte-order mark
    const QStringList lines = Lines();
    ASSERT_EQ(lines.size(), 2);
    const QString size = QString::number(QFileInfo(Path("A.qsk")).size());
    EXPECT_TRUE(lines[0].startsWith("A,Alpha,Drapier tests,,1700000000," + size + ",,,"))
        << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith("b,Beta,")) << lines[1].toStdString();
    EXPECT_FALSE(Exists("skin.png"));

    ImageSurface thumbnail;
    ASSERT_TRUE(thumbnail.Load(Path("A.png"), kImagePng));
    EXPECT_EQ(thumbnail.Width(), 300);
    EXPECT_EQ(thumbnail.Height(), 150);
    EXPECT_EQ(ReadBytes(Path("A.not")), QByteArray("About Alpha\r\nsecond line"));
}

TEST_F(CatalogueFolder, SecondRunWritesOnlyTheCatalogue) {
    AddSkin("one.qsk", SampleSkin("One"));
    AddSkin("two.qsk", SampleSkin("Two"));
    ASSERT_TRUE(Run().catalogueWritten);
    const QString firstCatalogue = CatalogueText(dir.path());
    // Stand-ins prove the files are left alone; the catalogue is made anew.
    ASSERT_TRUE(WriteBytes(Path("one.png"), "kept"));
    ASSERT_TRUE(WriteBytes(Path("two.not"), "kept too"));
    ASSERT_TRUE(WriteBytes(Path("_db.db"), "stale"));

    const CatalogueResult second = Run();
    EXPECT_EQ(second.thumbnails, 0);
    EXPECT_EQ(second.notes, 0);
    EXPECT_EQ(second.skipped, 2);
    EXPECT_EQ(second.failed, 0);
    EXPECT_EQ(ReadBytes(Path("one.png")), "kept");
    EXPECT_EQ(ReadBytes(Path("two.not")), "kept too");
    EXPECT_EQ(CatalogueText(dir.path()), firstCatalogue);
}

TEST_F(CatalogueFolder, EmptyFolderGetsAnEmptyCatalogue) {
    const CatalogueResult result = Run();
    EXPECT_EQ(result.packages, 0);
    EXPECT_TRUE(result.catalogueWritten);
    EXPECT_TRUE(Exists("_db.db"));
    EXPECT_EQ(QFileInfo(Path("_db.db")).size(), 0);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"_db.db"}));
}

TEST_F(CatalogueFolder, HostilePackagesEachGetALineAndAMessage) {
    const SkinDocument good = SampleSkin("Good");
    const QByteArray skinFile = SkinFileBytes(good, "skin.png");
    const QByteArray whole = SkinPackageBytes(good);
    RawEntry badCrc{"skin.png", PngBytes()};
    badCrc.crc = 1234;
    RawEntry declaredHuge{"skin.png", PngBytes()};
    declaredHuge.uncompressedSize = 0x7FFFFFF0;
    Add("crc.qsk", MakeRawZip({{"skin.ini", skinFile}, badCrc}));
    Add("huge.qsk", MakeRawZip({{"skin.ini", skinFile}, declaredHuge}));
    Add("bomb.qsk", MakeRawZip({{"skin.ini", skinFile}, {"skin.png", PictureBomb()}}));
    Add("cut.qsk", whole.left(whole.size() / 2));
    Add("noskin.qsk", MakeRawZip({{"skin.png", PngBytes()}}));
    Add("garbled.qsk", MakeRawZip({{"skin.ini", skinFile}, {"skin.png", "this is no picture"}}));
    Add("good.qsk", whole);

    const CatalogueResult result = Run(2);
    EXPECT_EQ(result.packages, 7);
    EXPECT_EQ(result.failed, 6);
    EXPECT_EQ(result.thumbnails, 1);
    EXPECT_TRUE(result.catalogueWritten);
    ASSERT_EQ(result.messages.size(), 6);
    for (const QString& message : result.messages)
        EXPECT_TRUE(message.startsWith("Error loading " + dir.path() + "/")) << message.toStdString();
    EXPECT_TRUE(result.messages[0].contains("bomb.qsk"));

    const QStringList lines = Lines();
    ASSERT_EQ(lines.size(), 7);
    for (const QString& line : lines) {
        const QString name = line.section(u',', 0, 0);
        if (name == "good") {
            EXPECT_TRUE(line.startsWith("good,Good,")) << line.toStdString();
            continue;
        }
        const QString size = QString::number(QFileInfo(Path(name + ".qsk")).size());
        EXPECT_EQ(line, name + ",,,,1700000000," + size + ",,,0,0,0,0,0,0,0,0,0,");
        // Nothing is written for it, so the mended package gets its files next time.
        EXPECT_FALSE(Exists(name + ".png")) << name.toStdString();
        EXPECT_FALSE(Exists(name + ".not")) << name.toStdString();
    }
    EXPECT_TRUE(Exists("good.png"));
}

TEST_F(CatalogueFolder, SpecialFileUnderAPackageNameFailsAtOnce) {
    ASSERT_EQ(mkfifo(Path("pipe.qsk").toLocal8Bit().constData(), 0600), 0);
    const CatalogueResult result = WriteCatalogue(dir.path(), {"pipe.qsk"});
    EXPECT_EQ(result.failed, 1);
    EXPECT_TRUE(result.catalogueWritten);
}

TEST_F(CatalogueFolder, FilesThatCannotBeWrittenAreReportedAndTheRunGoesOn) {
    // Links into a folder that is not there: the names look free, but nothing can be written to them.
    AddSkin("broken.qsk", SampleSkin("Broken"));
    AddSkin("fine.qsk", SampleSkin("Fine"));
    for (const char* name : {"broken.png", "broken.not"})
        ASSERT_TRUE(QFile::link(Path("missing/") + name, Path(name)));
    const CatalogueResult result = Run();
    EXPECT_EQ(result.failed, 1);
    EXPECT_EQ(result.thumbnails, 1);
    EXPECT_EQ(result.notes, 1);
    ASSERT_EQ(result.messages.size(), 2);
    EXPECT_EQ(result.messages[0], "Error saving " + Path("broken.png") + ": No such file or directory");
    EXPECT_EQ(result.messages[1], "Error saving " + Path("broken.not") + ": No such file or directory");
    EXPECT_TRUE(Exists("fine.png"));
    EXPECT_EQ(Lines().size(), 2);

    // A catalogue file that cannot be replaced is reported with its full path.
    ASSERT_TRUE(QFile::remove(Path("_db.db")));
    ASSERT_TRUE(QDir(dir.path()).mkdir("_db.db"));
    const CatalogueResult blocked = Run();
    EXPECT_FALSE(blocked.catalogueWritten);
    ASSERT_FALSE(blocked.messages.isEmpty());
    EXPECT_TRUE(blocked.messages.back().startsWith("Error saving " + Path("_db.db") + ": "));
}

TEST_F(CatalogueFolder, CancelledAfterTheFirstPackage) {
    for (const char* name : {"p1", "p2", "p3", "p4"})
        AddSkin(QString::fromLatin1(name) + ".qsk", SampleSkin(QString::fromLatin1(name)));
    std::vector<int> seen;
    const CatalogueResult result = Run(1, [&](const CatalogueProgress& p) {
        seen.push_back(p.done);
        EXPECT_EQ(p.total, 4);
        return p.done < 1;
    });
    EXPECT_TRUE(result.cancelled);
    EXPECT_FALSE(result.catalogueWritten);
    EXPECT_EQ(seen, std::vector<int>({1}));
    EXPECT_EQ(result.finished, 1);
    EXPECT_FALSE(Exists("_db.db"));
    EXPECT_EQ(QDir(dir.path()).entryList({"*.png"}), QStringList({"p1.png"}));
}

TEST_F(CatalogueFolder, ParallelRunWritesWhatASerialRunWrites) {
    // Names that meet once case is ignored are written by the first in list order that loads.
    QTemporaryDir serialDir;
    ASSERT_TRUE(serialDir.isValid());
    const std::vector<std::pair<QString, QByteArray>> packages = {
        {"plain.qsk", SkinPackageBytes(SampleSkin("Plain"))},
        {"wide.qsk", SkinPackageBytes(SkinWithMinimumSize("Wide", 306))},
        {"wider.qsk", SkinPackageBytes(SkinWithMinimumSize("Wider", 560))},
        {"dup.QSK", SkinPackageBytes(SampleSkin("Upper"))},
        {"dup.qsk", SkinPackageBytes(SampleSkin("Lower"))},
        {"e.QSK", "damaged"},
        {"e.qsk", SkinPackageBytes(SampleSkin("Mended"))},
        {"tall.qsk", SkinPackageBytes(SkinWithMinimumSize("Tall", 0, 200))},
    };
    for (const auto& [name, bytes] : packages) {
        Add(name, bytes);
        ASSERT_TRUE(WritePackage(serialDir.filePath(name), bytes));
    }
    const CatalogueResult parallel = Run(3);
    const CatalogueResult serial =
        WriteCatalogue(serialDir.path(), SkinFolderListing(serialDir.path()), CatalogueRun{1, {}, {}});
    EXPECT_EQ(parallel.failed, 1);
    EXPECT_EQ(parallel.skipped, 1); // dup.qsk finds both of dup.QSK's files
    EXPECT_EQ(parallel.thumbnails, serial.thumbnails);
    EXPECT_EQ(parallel.messages.size(), 1);

    const QStringList files = QDir(serialDir.path()).entryList(QDir::Files);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), files);
    for (const QString& file : files)
        EXPECT_EQ(ReadBytes(Path(file)), ReadBytes(serialDir.filePath(file))) << file.toStdString();
    EXPECT_EQ(ReadBytes(Path("dup.not")), "About Upper\r\nsecond line");
    EXPECT_EQ(ReadBytes(Path("e.not")), "About Mended\r\nsecond line");
}
