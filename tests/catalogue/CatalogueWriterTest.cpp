#include "catalogue/CatalogueWriter.h"
#include "CatalogueTestSupport.h"
#include "catalogue/CatalogueFiles.h"
#include "picture/ImageSurface.h"
#include "support/FileSizeLimit.h"

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
    const QByteArray otherPicture = PngBytes(7, 7);
    ASSERT_TRUE(WriteBytes(Path("one.png"), otherPicture));
    ASSERT_TRUE(WriteBytes(Path("two.not"), "kept too"));
    ASSERT_TRUE(WriteBytes(Path("_db.db"), "stale"));

    const CatalogueResult second = Run();
    EXPECT_EQ(second.thumbnails, 0);
    EXPECT_EQ(second.notes, 0);
    EXPECT_EQ(second.skipped, 2);
    EXPECT_EQ(second.failed, 0);
    EXPECT_EQ(ReadBytes(Path("one.png")), otherPicture);
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
    Add("nopicture.qsk", MakeRawZip({{"skin.ini", skinFile}}));
    Add("garbled.qsk", MakeRawZip({{"skin.ini", skinFile}, {"skin.png", "this is no picture"}}));
    Add("good.qsk", whole);

    const CatalogueResult result = Run(2);
    EXPECT_EQ(result.packages, 8);
    EXPECT_EQ(result.failed, 7);
    EXPECT_EQ(result.thumbnails, 1);
    EXPECT_EQ(result.notes, 3);
    EXPECT_TRUE(result.catalogueWritten);
    const QString error = "Error loading " + dir.path() + "/";
    EXPECT_EQ(result.messages,
              QStringList({error + "bomb.qsk: the skin's picture cannot be decoded",
                           error + "crc.qsk: an entry of the package fails its CRC check",
                           error + "cut.qsk: the file is not a ZIP package, or it is cut short",
                           error + "garbled.qsk: the skin's picture cannot be decoded",
                           error + "huge.qsk: an entry of the package is too large",
                           error + "nopicture.qsk: the package holds no picture (.png or .bmp entry)",
                           error + "noskin.qsk: the package holds no skin file"}));

    const QStringList lines = Lines();
    ASSERT_EQ(lines.size(), 8);
    for (const QString& line : lines) {
        const QString name = line.section(u',', 0, 0);
        SCOPED_TRACE(name.toStdString());
        // A picture that does not decode does not hide what the skin file says; only the thumbnail,
        // which needs the picture, is left out.
        if (name == "good" || name == "bomb" || name == "garbled") {
            EXPECT_TRUE(line.startsWith(name + ",Good,Drapier tests,")) << line.toStdString();
            EXPECT_EQ(ReadBytes(Path(name + ".not")), "About Good\r\nsecond line");
            EXPECT_EQ(Exists(name + ".png"), name == "good");
            continue;
        }
        const QString size = QString::number(QFileInfo(Path(name + ".qsk")).size());
        EXPECT_EQ(line, name + ",,,,1700000000," + size + ",,,0,0,0,0,0,0,0,0,0,");
        // Nothing is written for it, so the mended package gets its files next time.
        EXPECT_FALSE(Exists(name + ".png"));
        EXPECT_FALSE(Exists(name + ".not"));
    }
}

// A file of an earlier run that was cut short (an empty notes file, a thumbnail that does not decode) is
// made again; one with its content, or a notes file as empty as the notes, is kept.
TEST_F(CatalogueFolder, EmptyOrDamagedFilesAreWrittenAgain) {
    SkinDocument quiet = SampleSkin("Quiet");
    quiet.settings.notes.clear();
    const QByteArray picture = PngBytes(9, 9);
    struct Case {
        const char* name;
        SkinDocument skin;
        QByteArray thumbnail; // what lies there before the run
        QByteArray notes;
        bool thumbnailWritten;
        bool notesWritten;
    };
    const Case cases[] = {
        {"empty", SampleSkin("Empty"), "", "", true, true},
        {"cut", SampleSkin("Cut"), picture.left(picture.size() / 2), "About", true, false},
        {"text", SampleSkin("Text"), "no picture", "x", true, false},
        {"whole", SampleSkin("Whole"), picture, "", false, true},
        {"quiet", quiet, picture, "", false, false},
    };
    for (const Case& c : cases) {
        const QString name = QString::fromLatin1(c.name);
        AddSkin(name + ".qsk", c.skin);
        ASSERT_TRUE(WriteBytes(Path(name + ".png"), c.thumbnail));
        ASSERT_TRUE(WriteBytes(Path(name + ".not"), c.notes));
    }
    const CatalogueResult result = Run();
    EXPECT_EQ(result.failed, 0);
    EXPECT_EQ(result.skipped, 1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString name = QString::fromLatin1(c.name);
        const QByteArray thumbnail = ReadBytes(Path(name + ".png"));
        if (c.thumbnailWritten) {
            ImageSurface decoded;
            ASSERT_TRUE(decoded.Decode(thumbnail, kImagePng));
            EXPECT_EQ(decoded.Width(), 300);
        } else {
            EXPECT_EQ(thumbnail, c.thumbnail);
        }
        const QByteArray notes = ReadBytes(Path(name + ".not"));
        EXPECT_EQ(notes, c.notesWritten ? NotesFileBytes(c.skin.settings.notes) : c.notes);
    }
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

// A full disk (a file-size limit stands in for it): every file that cannot be written whole is reported
// and counted, the old one stays byte for byte, and the run goes on with the next file.
TEST_F(CatalogueFolder, WritesCutShortKeepTheOldFilesAndAreCounted) {
    struct Case {
        const char* what;
        rlim_t limit;
        QStringList failing; // the files reported, in order
        bool catalogueWritten;
    };
    const Case cases[] = {
        {"nothing fits", 0, {"a.png", "a.not", "b.png", "b.not", "_db.db"}, false},
        // Notes (20 bytes) and the catalogue (220) fit under 600 bytes; thumbnails (about 1.9 KB) do not.
        {"only small files fit", 600, {"a.png", "b.png"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        const auto path = [&](const QString& name) { return folder.filePath(name); };
        ASSERT_TRUE(WritePackage(path("a.qsk"), SkinPackageBytes(SampleSkin("A"))));
        ASSERT_TRUE(WritePackage(path("b.qsk"), SkinPackageBytes(SampleSkin("B"))));
        // What a run that failed before writes were safe left: an empty thumbnail and notes file.
        for (const char* name : {"b.png", "b.not"})
            ASSERT_TRUE(WriteBytes(path(name), ""));
        ASSERT_TRUE(WriteBytes(path("_db.db"), "the old catalogue"));
        const QStringList before = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);

        CatalogueResult result;
        {
            FileSizeLimit limit(c.limit);
            ASSERT_TRUE(limit.Active());
            result = WriteCatalogue(folder.path(), SkinFolderListing(folder.path()), CatalogueRun{1, {}, {}});
        }
        EXPECT_EQ(result.failed, 2);
        EXPECT_EQ(result.catalogueWritten, c.catalogueWritten);
        ASSERT_EQ(result.messages.size(), c.failing.size());
        for (qsizetype i = 0; i < c.failing.size(); ++i)
            EXPECT_EQ(result.messages[i], "Error saving " + path(c.failing[i]) + ": File too large");
        EXPECT_FALSE(QFileInfo::exists(path("a.png")));
        EXPECT_EQ(ReadBytes(path("b.png")), "");
        EXPECT_EQ(ReadBytes(path("_db.db")) == "the old catalogue", !c.catalogueWritten);
        if (c.catalogueWritten) {
            EXPECT_EQ(ReadBytes(path("b.not")), "About B\r\nsecond line");
            EXPECT_EQ(ReadBytes(path("a.not")), "About A\r\nsecond line");
            EXPECT_EQ(CatalogueText(folder.path()).count(u'\n'), 2);
        } else {
            EXPECT_EQ(ReadBytes(path("b.not")), "");
            // No temporary file is left behind.
            EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), before);
        }
    }
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
