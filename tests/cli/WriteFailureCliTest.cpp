#include "CliExpect.h"
#include "catalogue/CatalogueTestSupport.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/mount.h>

namespace {

const QString kRich = QStringLiteral(DRAPIER_EXAMPLES "/rich/rich.ini");
const QString kPlain = QStringLiteral(DRAPIER_EXAMPLES "/plain/plain.ini");
const QByteArray kOld = "what was there before\n";

QStringList FilesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden);
}

// A small file system of its own, taken away again however the test ends.
class SmallTmpfs {
public:
    explicit SmallTmpfs(const QString& at) : m_at(at.toLocal8Bit()) {
        m_mounted = mount("tmpfs", m_at.constData(), "tmpfs", 0, "size=64k") == 0;
        m_error = m_mounted ? 0 : errno;
    }
    ~SmallTmpfs() {
        if (m_mounted)
            umount2(m_at.constData(), MNT_DETACH);
    }
    SmallTmpfs(const SmallTmpfs&) = delete;
    SmallTmpfs& operator=(const SmallTmpfs&) = delete;

    bool Mounted() const { return m_mounted; }
    const char* Why() const { return std::strerror(m_error); }

private:
    QByteArray m_at;
    bool m_mounted = false;
    int m_error = 0;
};

} // namespace

// Every command that writes a file, with the write cut short (a file-size limit stands in for a full
// disk): exit status 1, one line naming the file, and the file that was there is kept byte for byte.
TEST(WriteFailureCli, FailedWritesExitOneAndKeepTheOldFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkdir("skins"));
    ASSERT_TRUE(WritePackage(dir.filePath("skins/blue.qsk"), SkinPackageBytes(SampleSkin("Blue"))));
    // The package's size, so that only its last piece, the central directory, is cut off.
    const QString whole = dir.filePath("whole.qsk");
    ASSERT_EQ(RunCli({"pack", kPlain, "-o", whole}).status, 0);
    const rlim_t packageSize = static_cast<rlim_t>(QFileInfo(whole).size());
    ASSERT_TRUE(QFile::remove(whole));

    struct Case {
        const char* what;
        QStringList args;
        QString output; // the file that must stay as it was
        rlim_t limit;
    };
    const QString skins = dir.filePath("skins");
    const Case cases[] = {
        {"convert, a skin smaller than the write buffer",
         {"convert", kRich, "-o", dir.filePath("out.ini")},
         dir.filePath("out.ini"),
         100},
        {"pack, the central directory cut off",
         {"pack", kPlain, "-o", dir.filePath("out.qsk")},
         dir.filePath("out.qsk"),
         packageSize - 10},
        {"render", {"render", kRich, "-o", dir.filePath("out.png")}, dir.filePath("out.png"), 100},
        {"sheet", {"sheet", kRich, "-o", dir.filePath("sheet.png")}, dir.filePath("sheet.png"), 100},
        {"catalogue", {"catalogue", skins, "--quiet"}, dir.filePath("skins/_db.db"), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(WriteBytes(c.output, kOld));
        const QStringList before = FilesIn(QFileInfo(c.output).path());
        CliResult r;
        {
            FileSizeLimit limit(c.limit);
            ASSERT_TRUE(limit.Active());
            r = RunCli(c.args);
        }
        EXPECT_EQ(r.status, 1) << r.err.toStdString();
        EXPECT_TRUE(r.err.startsWith("drapier-cli: ")) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QFileInfo(c.output).fileName())) << r.err.toStdString();
        EXPECT_EQ(ReadBytes(c.output), kOld);
        if (c.args.front() != "catalogue") {
            EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
            EXPECT_EQ(FilesIn(QFileInfo(c.output).path()), before) << "no temporary file is left";
        }
    }
}

// The fault as a user met it: a skin saved to a full file system. Needs a tmpfs of its own, which only
// a test allowed to mount may have.
TEST(WriteFailureCli, ConvertOnAFullFileSystemKeepsTheSkin) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const SmallTmpfs full(dir.path());
    if (!full.Mounted())
        GTEST_SKIP() << "cannot mount a tmpfs here (" << full.Why() << "); it needs root or CAP_SYS_ADMIN";
    const QString target = dir.filePath("rich.ini");
    ASSERT_TRUE(WriteBytes(target, ReadBytes(kPlain)));
    {
        // Fill what is left.
        QFile filler(dir.filePath("filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }
    const CliResult r = RunCli({"convert", kRich, "-o", target});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "drapier-cli: Error saving " + target + ": No space left on device\n");
    EXPECT_EQ(ReadBytes(target), ReadBytes(kPlain));
    EXPECT_EQ(FilesIn(dir.path()), QStringList({"filler", "rich.ini"}));
}
