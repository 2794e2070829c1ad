#include "picture/SafeFileWrite.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void WriteOld(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QStringList FilesIn(const QTemporaryDir& dir) {
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
}

struct FailingWrite {
    const char* what;
    qint64 size;   // bytes of new content
    rlim_t limit;  // the file-size limit while writing
    bool streamed; // through SafeFileWriter in pieces, else WriteFileSafely
};

} // namespace

// The old file stays byte for byte and the caller hears of it, whether the write fails in a call or
// only when the buffered rest is flushed at the end (content smaller than the write buffer).
TEST(SafeFileWrite, AFailedWriteKeepsTheOldFileAndSaysWhy) {
    const FailingWrite cases[] = {
        {"small content, nothing may be written", 100, 0, false},
        {"small content, cut short", 100, 10, false},
        {"content larger than the buffer", 200000, 1000, false},
        {"streamed, small pieces", 300, 50, true},
        {"streamed, large pieces", 200000, 70000, true},
    };
    for (const FailingWrite& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString path = dir.filePath("file.bin");
        const QByteArray old("the old content\n");
        WriteOld(path, old);
        const QByteArray content(c.size, 'x');

        bool saved = true;
        QString reason;
        {
            FileSizeLimit limit(c.limit);
            ASSERT_TRUE(limit.Active());
            if (c.streamed) {
                SafeFileWriter writer;
                saved = writer.Open(path);
                for (qint64 at = 0; saved && at < content.size(); at += 100)
                    saved =
                        writer.Write(content.constData() + at, std::min<qint64>(100, content.size() - at));
                saved = writer.Commit() && saved;
                reason = writer.ErrorString();
                EXPECT_FALSE(writer.Commit()) << "a failed writer never commits later";
            } else {
                saved = WriteFileSafely(path, content, &reason);
            }
        }
        EXPECT_FALSE(saved);
        EXPECT_EQ(reason.toStdString(), "File too large") << "the system's reason, even for a short write";
        EXPECT_EQ(ReadAll(path), old);
        EXPECT_EQ(FilesIn(dir), QStringList{"file.bin"}) << "no temporary file is left behind";
    }
}

TEST(SafeFileWrite, WritesReplaceWholeAndStreamsMayPatchBack) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("file.bin");
    WriteOld(path, QByteArray(5000, 'o'));

    QString reason;
    ASSERT_TRUE(WriteFileSafely(path, "short", &reason)) << reason.toStdString();
    EXPECT_EQ(ReadAll(path), QByteArray("short"));

    SafeFileWriter writer;
    ASSERT_TRUE(writer.Open(path));
    ASSERT_TRUE(writer.Write("header??body"));
    EXPECT_EQ(writer.Pos(), 12);
    ASSERT_TRUE(writer.Seek(6));
    ASSERT_TRUE(writer.Write("!!"));
    ASSERT_TRUE(writer.Seek(12));
    ASSERT_TRUE(writer.Write("-end"));
    EXPECT_EQ(ReadAll(path), QByteArray("short")) << "nothing shows before the commit";
    ASSERT_TRUE(writer.Commit()) << writer.ErrorString().toStdString();
    EXPECT_EQ(ReadAll(path), QByteArray("header!!body-end"));
}

TEST(SafeFileWrite, AbandonedOrImpossibleWritesLeaveNothing) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("file.bin");
    WriteOld(path, "old");
    {
        SafeFileWriter writer;
        ASSERT_TRUE(writer.Open(path));
        ASSERT_TRUE(writer.Write("new content"));
    } // destroyed without Commit
    EXPECT_EQ(ReadAll(path), QByteArray("old"));
    EXPECT_EQ(FilesIn(dir), QStringList{"file.bin"});

    QString reason;
    EXPECT_FALSE(WriteFileSafely(dir.filePath("no/such/folder/file.bin"), "x", &reason));
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_FALSE(WriteFileSafely(QString(), "x", &reason));
    EXPECT_FALSE(reason.isEmpty());
}
