#include "document/RecoveryFolder.h"
#include "document/SkinDocument.h"
#include "document/SkinWriter.h"
#include "package/PackageTestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

// No process has this number: the kernel's largest is far below it.
constexpr qint64 kDeadProcess = 2147483646;

RecoveryRecord Record(const QString& skinPath = QString()) {
    return {skinPath, QStringLiteral("/skins/x.png"), QDateTime::currentDateTimeUtc(),
            QByteArrayLiteral("\xFF\xFEv\0=\0\x31\0\n\0")};
}

// What a lock file of a designer of this name on this machine holds, with its process number.
QByteArray LockContents(qint64 pid) {
    QTemporaryDir dir;
    QLockFile lock(dir.filePath("real.lock"));
    EXPECT_TRUE(lock.tryLock(0));
    QFile file(dir.filePath("real.lock"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray contents = file.readAll();
    return QByteArray::number(pid) + contents.mid(contents.indexOf('\n'));
}

// What a designer killed while editing leaves: its recovery file and the lock file of its process.
void LeaveDeadDesigner(const QString& recoveryPath, const QByteArray& contents, qint64 pid = kDeadProcess) {
    ASSERT_TRUE(WriteBytes(recoveryPath, contents));
    ASSERT_TRUE(WriteBytes(recoveryPath + ".lock", LockContents(pid)));
}

QStringList Paths(const std::vector<StaleRecovery>& stale) {
    QStringList paths;
    for (const StaleRecovery& s : stale)
        paths << s.FilePath();
    return paths;
}

} // namespace

TEST(RecoverySlot, OneFileOfItsOwnPerDesigner) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.filePath("data/recovery");
    RecoverySlot first(folder);
    EXPECT_FALSE(first.IsOpen());
    EXPECT_FALSE(first.Write(Record()));
    ASSERT_TRUE(first.Open());
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_TRUE(first.FilePath().startsWith(folder + "/"));
    EXPECT_TRUE(first.FilePath().endsWith(".recovery"));
    EXPECT_TRUE(QFile::exists(first.FilePath() + ".lock"));
    // Open until a file is needed: nothing written yet.
    EXPECT_FALSE(QFile::exists(first.FilePath()));

    auto second = std::make_unique<RecoverySlot>(folder);
    ASSERT_TRUE(second->Open());
    EXPECT_NE(second->FilePath(), first.FilePath());

    const RecoveryRecord record = Record(QStringLiteral("/skins/x.ini"));
    ASSERT_TRUE(first.Write(record));
    ASSERT_TRUE(second->Write(Record()));
    EXPECT_EQ(ReadRecoveryFile(first.FilePath()).record, record);
    // Both designers run: neither file is stale, nor their locks.
    EXPECT_TRUE(ClaimStaleRecoveries(folder).empty());
    EXPECT_TRUE(QFile::exists(first.FilePath()));

    // A clean save removes the file and keeps the name for later.
    const QString path = first.FilePath();
    EXPECT_TRUE(first.Remove());
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(first.Remove());
    ASSERT_TRUE(first.Write(record));
    EXPECT_EQ(first.FilePath(), path);

    // A normal exit leaves nothing behind.
    first.Close();
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(QFile::exists(path + ".lock"));
    const QString secondPath = second->FilePath();
    second.reset();
    EXPECT_FALSE(QFile::exists(secondPath));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList());
}

TEST(RecoverySlot, FolderThatCannotBeWrittenTurnsRecoveryOff) {
    QTemporaryDir dir;
    ASSERT_TRUE(WriteBytes(dir.filePath("file"), "not a folder"));
    RecoverySlot underAFile(dir.filePath("file/recovery"));
    EXPECT_FALSE(underAFile.Open());
    EXPECT_FALSE(underAFile.IsOpen());
    EXPECT_FALSE(underAFile.Write(Record()));
    EXPECT_TRUE(underAFile.FilePath().isEmpty());
    RecoverySlot nowhere{QString()};
    EXPECT_FALSE(nowhere.Open());

    // A folder that is there but takes no files, whoever asks (permissions would not stop the superuser).
    RecoverySlot refused(QStringLiteral("/proc"));
    EXPECT_FALSE(refused.Open());
    EXPECT_FALSE(refused.Write(Record()));
}

TEST(RecoverySlot, AFailedWriteKeepsTheLastGoodFile) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("recovery");
    RecoverySlot slot(folder);
    ASSERT_TRUE(slot.Open());
    const RecoveryRecord good = Record(QStringLiteral("/skins/good.ini"));
    ASSERT_TRUE(slot.Write(good));
    // The folder goes away under the designer: the write says so and the designer goes on.
    const QString kept = dir.filePath("kept");
    ASSERT_TRUE(QDir().rename(folder, kept));
    EXPECT_FALSE(slot.Write(Record()));
    ASSERT_TRUE(QDir().rename(kept, folder));
    EXPECT_EQ(ReadRecoveryFile(slot.FilePath()).record, good);
}

TEST(StaleRecovery, FilesOfDeadDesignersAreClaimedOnce) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("recovery");
    ASSERT_TRUE(QDir().mkpath(folder));
    RecoverySlot running(folder);
    ASSERT_TRUE(running.Open());
    ASSERT_TRUE(running.Write(Record()));

    const QString dead = folder + "/drapier-1-dead.recovery";
    LeaveDeadDesigner(dead, RecoveryFileBytes(Record(QStringLiteral("/skins/gone.ini"))));
    // A designer that had this very process number before the numbering began again.
    const QString earlier = folder + "/drapier-2-earlier.recovery";
    LeaveDeadDesigner(earlier, RecoveryFileBytes(Record()), QCoreApplication::applicationPid());
    const QString cut = folder + "/drapier-3-cut.recovery";
    LeaveDeadDesigner(cut, RecoveryFileBytes(Record()).chopped(3));
    // Killed while its skin was clean: only its lock is left, and it is cleared away.
    const QString clean = folder + "/drapier-4-clean.recovery";
    ASSERT_TRUE(WriteBytes(clean + ".lock", LockContents(kDeadProcess)));
    // A recovery file that never had a lock is nobody's.
    const QString unlocked = folder + "/drapier-5-unlocked.recovery";
    ASSERT_TRUE(WriteBytes(unlocked, "pinletsdrapier-recovery 1\n"));
    // Oldest first.
    int age = 50;
    for (const QString& path : {unlocked, cut, earlier, dead}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(
            file.setFileTime(QDateTime::currentDateTime().addSecs(-age), QFileDevice::FileModificationTime));
        age -= 10;
    }

    std::vector<StaleRecovery> stale = ClaimStaleRecoveries(folder);
    ASSERT_EQ(Paths(stale), (QStringList{unlocked, cut, earlier, dead}));
    EXPECT_FALSE(QFile::exists(clean + ".lock"));
    EXPECT_FALSE(stale[0].CanBeLoaded());
    EXPECT_EQ(stale[0].Reading().status, RecoveryReadStatus::Damaged);
    EXPECT_FALSE(stale[1].CanBeLoaded());
    EXPECT_FALSE(stale[1].IsWorthOffering());
    EXPECT_TRUE(stale[2].IsWorthOffering());
    EXPECT_TRUE(stale[3].CanBeLoaded());
    EXPECT_EQ(stale[3].Reading().record.skinPath, "/skins/gone.ini");
    EXPECT_TRUE(stale[3].IsWorthOffering());

    // Claimed: a second designer starting now finds none of them.
    EXPECT_TRUE(ClaimStaleRecoveries(folder).empty());

    // Removed: file and lock gone. Let go: offered again next time.
    EXPECT_TRUE(stale[3].Remove());
    EXPECT_FALSE(QFile::exists(dead));
    EXPECT_FALSE(QFile::exists(dead + ".lock"));
    stale.clear();
    EXPECT_EQ(Paths(ClaimStaleRecoveries(folder)), (QStringList{unlocked, cut, earlier}));
    EXPECT_TRUE(QFile::exists(running.FilePath()));
}

// Only a recovery file that holds nothing its skin file does not goes without a question; one older than
// its skin file still holds work (a designer that kept its changes when the file changed under it).
TEST(StaleRecovery, OnlyWhatTheSkinFileHoldsIsNotWorthOffering) {
    QTemporaryDir dir;
    const QString skin = dir.filePath("saved.ini");
    SkinDocument saved;
    saved.settings.skinname = QStringLiteral("Saved");
    saved.bitmap = QStringLiteral("saved.png");
    ASSERT_TRUE(WriteSkinFile(saved, skin, saved.bitmap, nullptr));
    const QString png = dir.filePath("saved.png");
    SkinDocument edited = saved;
    edited.settings.skinname = QStringLiteral("Edited");
    const QDateTime hourAgo = QDateTime::currentDateTimeUtc().addSecs(-3600);
    const QDateTime later = QDateTime::currentDateTimeUtc().addSecs(5);
    const struct {
        const char* what;
        RecoveryRecord record;
        bool offered;
    } cases[] = {
        {"what the file holds", MakeRecoveryRecord(saved, skin, png, hourAgo), false},
        {"what the file holds, kept later", MakeRecoveryRecord(saved, skin, png, later), false},
        {"changes kept before the file changed", MakeRecoveryRecord(edited, skin, png, hourAgo), true},
        {"another picture", MakeRecoveryRecord(saved, skin, dir.filePath("other.png"), hourAgo), true},
        {"a skin file that is gone", MakeRecoveryRecord(saved, dir.filePath("gone.ini"), png, hourAgo), true},
        {"untitled", MakeRecoveryRecord(saved, QString(), png, hourAgo), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        LeaveDeadDesigner(dir.filePath("old.recovery"), RecoveryFileBytes(c.record));
        std::vector<StaleRecovery> stale = ClaimStaleRecoveries(dir.path());
        ASSERT_EQ(stale.size(), 1u);
        EXPECT_TRUE(stale[0].CanBeLoaded());
        EXPECT_EQ(stale[0].IsWorthOffering(), c.offered);
        EXPECT_TRUE(stale[0].Remove());
    }
    EXPECT_TRUE(ClaimStaleRecoveries(dir.filePath("missing")).empty());
}
