// Packages against the standard ZIP tools: what we write they accept, what they write we read.
#include "PackageTestSupport.h"
#include "package/SkinPackageExport.h"
#include "package/ZipFormat.h"
#include "package/ZipReader.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

#define REQUIRE_TOOL(name)                                                                                   \
    if (!HasTool(name))                                                                                      \
    GTEST_SKIP() << name << " is not installed"

const QByteArray kSkin = QByteArray("skinname=Blue\r\nbitmap=blue.png\r\n").repeated(30);
const QByteArray kStack = "mode=1\r\n";

QByteArray Picture() {
    return NoiseBytes(40000, 11);
}

// A skin folder with its picture and stack skin, exported to blue.qsk.
struct ExportedSkin {
    QTemporaryDir dir;
    QString package;
    bool ok = false;
    ExportedSkin() {
        package = dir.filePath("blue.qsk");
        ok = WriteBytes(dir.filePath("blue.ini"), kSkin) && WriteBytes(dir.filePath("blue.png"), Picture()) &&
             WriteBytes(dir.filePath("bluestack.ini"), kStack) &&
             ExportSkinPackage(
                 package, PackageSourcesFor(dir.filePath("blue.ini"), "blue.png", "bluestack.ini"), nullptr);
    }
};

// Every entry of the archive, read with our reader, by name.
std::map<QString, QByteArray> ReadAll(const QString& path, QStringList* names = nullptr) {
    std::map<QString, QByteArray> all;
    ZipReader reader;
    if (!reader.Open(path))
        return all;
    for (int i = 0; i < int(reader.Entries().size()); ++i) {
        QByteArray data;
        if (names)
            *names << reader.Entries()[size_t(i)].name;
        if (reader.Extract(i, &data))
            all[reader.Entries()[size_t(i)].name] = data;
    }
    return all;
}

} // namespace

TEST(ZipInterop, StandardToolsAcceptOurPackages) {
    ExportedSkin skin;
    ASSERT_TRUE(skin.ok);

    {
        REQUIRE_TOOL("unzip");
        const ToolRun test = RunTool("unzip", {"-t", skin.package});
        EXPECT_EQ(test.status, 0) << test.out.toStdString();
        EXPECT_TRUE(test.out.contains("No errors detected")) << test.out.toStdString();
        for (const auto& [name, bytes] :
             {std::pair{"blue.ini", kSkin}, {"blue.png", Picture()}, {"stack.ini", kStack}}) {
            QProcess p;
            p.start("unzip", {"-p", skin.package, name});
            ASSERT_TRUE(p.waitForFinished(30000));
            EXPECT_EQ(p.readAllStandardOutput(), bytes) << name;
        }
    }
    {
        REQUIRE_TOOL("python3");
        const ToolRun test = RunTool("python3", {"-m", "zipfile", "-t", skin.package});
        EXPECT_EQ(test.status, 0) << test.out.toStdString();
        EXPECT_TRUE(test.out.contains("Done testing")) << test.out.toStdString();
    }
    {
        REQUIRE_TOOL("zipinfo");
        const ToolRun info = RunTool("zipinfo", {"-v", skin.package});
        ASSERT_EQ(info.status, 0) << info.out.toStdString();
        EXPECT_EQ(info.out.count(QRegularExpression("extended local header:\\s+no")), 3)
            << info.out.toStdString();
        EXPECT_EQ(info.out.count(QRegularExpression("extended local header:\\s+yes")), 0);
        EXPECT_EQ(info.out.count(QRegularExpression("version of encoding software:\\s+2\\.3")), 3);
        EXPECT_EQ(info.out.count("A subfield with ID 0x5455 (universal time) and 5 data bytes"), 3);
        EXPECT_EQ(info.out.count("The local extra field has UTC/GMT modification/access/creation times"), 3)
            << info.out.toStdString();
    }
    {
        REQUIRE_TOOL("bsdtar");
        const ToolRun list = RunTool("bsdtar", {"-tvf", skin.package});
        EXPECT_EQ(list.status, 0) << list.out.toStdString();
        for (const char* name : {"blue.ini", "blue.png", "stack.ini"})
            EXPECT_TRUE(list.out.contains(name)) << list.out.toStdString();
    }
}

TEST(ZipInterop, WeReadPackagesOfInfoZip) {
    REQUIRE_TOOL("zip");
    QTemporaryDir dir;
    ASSERT_TRUE(WriteBytes(dir.filePath("blue.ini"), kSkin));
    ASSERT_TRUE(WriteBytes(dir.filePath("blue.png"), Picture()));
    const struct {
        const char* what;
        QStringList args;
    } cases[] = {
        {"deflated", {"-q", "-X", "-8", "deflated.qsk", "blue.ini", "blue.png"}},
        {"stored", {"-q", "-X", "-0", "stored.qsk", "blue.ini", "blue.png"}},
        {"with extra fields", {"-q", "-9", "extras.qsk", "blue.ini", "blue.png"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(RunTool("zip", c.args, dir.path()).status, 0);
        const auto all = ReadAll(dir.filePath(c.args[c.args.size() - 3]));
        ASSERT_EQ(all.size(), 2u);
        EXPECT_EQ(all.at("blue.ini"), kSkin);
        EXPECT_EQ(all.at("blue.png"), Picture());
    }

    // Streamed from standard input to standard output: sizes only in data descriptors behind the data.
    for (const QStringList& args : {QStringList{"-q", "-fd", "-", "-"}, QStringList{"-q", "-", "-"}}) {
        QProcess p;
        p.setWorkingDirectory(dir.path());
        p.start("zip", args);
        ASSERT_TRUE(p.waitForStarted());
        p.write(kSkin);
        p.closeWriteChannel();
        ASSERT_TRUE(p.waitForFinished(30000));
        const QByteArray zip = p.readAllStandardOutput();
        ASSERT_FALSE(zip.isEmpty());
        ASSERT_NE(GetLe16(zip.constData() + 6) & kFlagDataDescriptor, 0);
        ZipReader reader;
        ASSERT_TRUE(reader.OpenBytes(zip));
        ASSERT_EQ(reader.Entries().size(), 1u);
        QByteArray data;
        ASSERT_TRUE(reader.Extract(0, &data));
        EXPECT_EQ(data, kSkin);
    }
}

TEST(ZipInterop, WeReadPackagesOfBsdtarAndPython) {
    QTemporaryDir dir;
    ASSERT_TRUE(WriteBytes(dir.filePath("blue.ini"), kSkin));
    ASSERT_TRUE(WriteBytes(dir.filePath("blue.png"), Picture()));
    struct Case {
        const char* tool;
        const char* package;
        QStringList args;
    };
    const QString python = "import sys, zipfile\n"
                           "with zipfile.ZipFile(sys.argv[1], 'w', int(sys.argv[2])) as z:\n"
                           "    z.write('blue.ini'); z.write('blue.png')\n";
    const Case cases[] = {
        {"bsdtar", "bsdtar.qsk", {"--format", "zip", "-cf", "bsdtar.qsk", "blue.ini", "blue.png"}},
        {"bsdtar",
         "bsdtar-stored.qsk",
         {"--format", "zip", "--options", "zip:compression=store", "-cf", "bsdtar-stored.qsk", "blue.ini",
          "blue.png"}},
        {"python3", "python.qsk", {"-c", python, "python.qsk", "8"}},
        {"python3", "python-stored.qsk", {"-c", python, "python-stored.qsk", "0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.package);
        if (!HasTool(c.tool)) {
            ADD_FAILURE() << c.tool << " is not installed";
            continue;
        }
        const ToolRun run = RunTool(c.tool, c.args, dir.path());
        ASSERT_EQ(run.status, 0) << run.out.toStdString();
        const auto all = ReadAll(dir.filePath(c.package));
        ASSERT_EQ(all.size(), 2u);
        EXPECT_EQ(all.at("blue.ini"), kSkin);
        EXPECT_EQ(all.at("blue.png"), Picture());
    }
}
