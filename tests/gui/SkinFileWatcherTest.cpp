#include "designer/SkinFileWatcher.h"
#include "package/FileDigest.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr int kPatience = 5000;
using File = SkinFileWatcher::File;
using Change = SkinFileWatcher::Change;

struct Told {
    File file;
    Change change;
    qint64 at;
    bool operator==(const Told& other) const { return file == other.file && change == other.change; }
};

void PrintTo(const Told& t, std::ostream* out) {
    *out << (t.file == File::Skin ? "skin " : "picture ")
         << (t.change == Change::Changed ? "changed"
             : t.change == Change::Gone  ? "gone"
                                         : "unreadable");
}

bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

class Watching : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        skin = dir.filePath("ribbon.ini");
        png = dir.filePath("ribbon.png");
        ASSERT_TRUE(WriteBytes(skin, "[settings]\n"));
        ASSERT_TRUE(WriteBytes(png, "picture 1"));
        clock.start();
        QObject::connect(&watcher, &SkinFileWatcher::FileChanged, [this](File file, Change change) {
            told.push_back({file, change, clock.elapsed()});
        });
        watcher.Watch(skin, png);
    }

    // Waits for the n-th notification.
    bool WaitFor(size_t n) {
        return QTest::qWaitFor([&] { return told.size() >= n; }, kPatience);
    }

    // A change of the picture, told after everything that happened to the skin before it: the files
    // are watched through one channel, in order, and the skin's quiet time started first.
    void PictureSentinel() {
        const size_t before = told.size();
        ++pictureVersion;
        ASSERT_TRUE(WriteBytes(png, "picture " + QByteArray::number(pictureVersion)));
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                for (size_t i = before; i < told.size(); ++i) {
                    if (told[i].file == File::Picture)
                        return true;
                }
                return false;
            },
            kPatience));
    }

    QTemporaryDir dir;
    QString skin;
    QString png;
    int pictureVersion = 1;
    SkinFileWatcher watcher;
    QElapsedTimer clock;
    std::vector<Told> told;
};

} // namespace

TEST_F(Watching, ABurstOfWritesIsToldOnceAfterTheQuietTime) {
    qint64 lastWrite = 0;
    for (int i = 0; i < 6; ++i) {
        ASSERT_TRUE(WriteBytes(skin, "[settings]\nversion=" + QByteArray::number(i) + "\n"));
        lastWrite = clock.elapsed();
        // Let the watch see each write on its own, as an editor saving in steps makes it.
        QCoreApplication::processEvents();
    }
    ASSERT_TRUE(WaitFor(1));
    EXPECT_EQ(told[0], (Told{File::Skin, Change::Changed, 0}));
    EXPECT_GE(told[0].at - lastWrite, SkinFileWatcher::kQuietTime - 20);
    PictureSentinel();
    EXPECT_EQ(told,
              (std::vector<Told>{{File::Skin, Change::Changed, 0}, {File::Picture, Change::Changed, 0}}));
}

TEST_F(Watching, EditorsThatRenameANewFileIntoPlaceAreFollowed) {
    for (int round = 0; round < 3; ++round) {
        const QString fresh = dir.filePath(".ribbon.ini.new");
        ASSERT_TRUE(WriteBytes(fresh, "[settings]\nround=" + QByteArray::number(round) + "\n"));
        ASSERT_EQ(std::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(skin).constData()), 0);
        ASSERT_TRUE(WaitFor(static_cast<size_t>(round) + 1)) << round;
        EXPECT_EQ(told.back(), (Told{File::Skin, Change::Changed, 0}));
    }
    // The watch is on the file now at the path: a write in place is seen too.
    ASSERT_TRUE(WriteBytes(skin, "[settings]\nin place\n"));
    ASSERT_TRUE(WaitFor(4));
    EXPECT_EQ(told.back(), (Told{File::Skin, Change::Changed, 0}));
    // And the way this program saves.
    QSaveFile save(png);
    ASSERT_TRUE(save.open(QIODevice::WriteOnly));
    save.write("picture saved");
    ASSERT_TRUE(save.commit());
    ASSERT_TRUE(WaitFor(5));
    EXPECT_EQ(told.back(), (Told{File::Picture, Change::Changed, 0}));
}

TEST_F(Watching, GoneUnreadableAndBack) {
    ASSERT_TRUE(QFile::remove(skin));
    ASSERT_TRUE(WaitFor(1));
    EXPECT_EQ(told[0], (Told{File::Skin, Change::Gone, 0}));
    ASSERT_TRUE(WriteBytes(skin, "[settings]\nnew=1\n"));
    ASSERT_TRUE(WaitFor(2));
    EXPECT_EQ(told[1], (Told{File::Skin, Change::Changed, 0}));

    // Moved away, then a folder put in its place.
    ASSERT_TRUE(QFile::rename(png, dir.filePath("elsewhere.png")));
    ASSERT_TRUE(WaitFor(3));
    EXPECT_EQ(told[2], (Told{File::Picture, Change::Gone, 0}));
    ASSERT_TRUE(QDir(dir.path()).mkdir("ribbon.png"));
    ASSERT_TRUE(WaitFor(4));
    EXPECT_EQ(told[3], (Told{File::Picture, Change::Unreadable, 0}));
    // Moved back as it was: nothing to load again, so nothing is told.
    ASSERT_TRUE(QDir(dir.path()).rmdir("ribbon.png"));
    ASSERT_TRUE(QFile::rename(dir.filePath("elsewhere.png"), png));
    ASSERT_TRUE(WriteBytes(skin, "[settings]\nnew=2\n"));
    ASSERT_TRUE(WaitFor(5));
    EXPECT_EQ(told[4], (Told{File::Skin, Change::Changed, 0}));
    PictureSentinel();
    EXPECT_EQ(told.size(), 6u);
}

TEST_F(Watching, OwnSavesAndUnchangedBytesTellNothing) {
    QSaveFile save(skin);
    ASSERT_TRUE(save.open(QIODevice::WriteOnly));
    save.write("[settings]\nsaved=1\n");
    ASSERT_TRUE(save.commit());
    watcher.AcceptOwnWrite(skin);
    // Another program writes the same bytes again, or only touches the file.
    ASSERT_TRUE(WriteBytes(skin, "[settings]\nsaved=1\n"));
    QFile touched(skin);
    ASSERT_TRUE(touched.open(QIODevice::ReadWrite));
    ASSERT_TRUE(
        touched.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
    touched.close();
    PictureSentinel();
    EXPECT_EQ(told, (std::vector<Told>{{File::Picture, Change::Changed, 0}}));

    // The next save of another program is told as usual: the own save re-armed the watch.
    ASSERT_TRUE(WriteBytes(skin, "[settings]\nsaved=2\n"));
    ASSERT_TRUE(WaitFor(2));
    EXPECT_EQ(told[1], (Told{File::Skin, Change::Changed, 0}));
}

TEST_F(Watching, WatchReplacesAndStopEnds) {
    EXPECT_EQ(watcher.PathOf(File::Skin), skin);
    EXPECT_EQ(watcher.PathOf(File::Picture), png);
    // A skin without a picture of its own; a picture in another folder.
    QTemporaryDir other;
    const QString otherPng = other.filePath("other.png");
    ASSERT_TRUE(WriteBytes(otherPng, "other 1"));
    watcher.Watch(QString(), otherPng);
    ASSERT_TRUE(WriteBytes(skin, "[settings]\nunwatched=1\n"));
    ASSERT_TRUE(WriteBytes(otherPng, "other 2"));
    ASSERT_TRUE(WaitFor(1));
    EXPECT_EQ(told, (std::vector<Told>{{File::Picture, Change::Changed, 0}}));

    watcher.Stop();
    EXPECT_TRUE(watcher.PathOf(File::Picture).isEmpty());
    // Watching a file that is not there yet tells of it once it comes.
    const QString later = dir.filePath("later.ini");
    watcher.Watch(later, QString());
    ASSERT_TRUE(WriteBytes(otherPng, "other 3"));
    ASSERT_TRUE(WriteBytes(later, "[settings]\n"));
    ASSERT_TRUE(WaitFor(2));
    EXPECT_EQ(told[1], (Told{File::Skin, Change::Changed, 0}));
}

// A digest handed in with the picture is what its changes are told against, instead of reading the file
// again: with a stale one, the very bytes already there count as a change.
TEST_F(Watching, AGivenPictureDigestIsWhatChangesAreToldAgainst) {
    watcher.Watch(skin, png, FileDigest(png));
    ASSERT_TRUE(WriteBytes(png, "picture 2"));
    ASSERT_TRUE(WaitFor(1));
    EXPECT_EQ(told[0], (Told{File::Picture, Change::Changed, 0}));

    watcher.Watch(skin, dir.filePath("other.png"));
    watcher.Watch(skin, png, QByteArrayLiteral("stale"));
    ASSERT_TRUE(WriteBytes(png, "picture 2"));
    ASSERT_TRUE(WaitFor(2));
    EXPECT_EQ(told[1], (Told{File::Picture, Change::Changed, 0}));
}
