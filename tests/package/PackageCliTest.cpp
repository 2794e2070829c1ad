#include "PackageTestSupport.h"
#include "package/ZipFormat.h"
#include "support/CliRunner.h"
#include "support/EncodedImage.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString Crc(const QByteArray& b) {
    return QStringLiteral("%1").arg(ZipCrc32(0, b.constData(), b.size()), 8, 16, QLatin1Char('0'));
}

} // namespace

TEST(PackageCli, PackThenList) {
    QTemporaryDir dir;
    const QByteArray skin = "skinname=Blue\r\nbitmap=pics\\blue.png\r\nstackfilename=bluestack.ini\r\n";
    const QByteArray png = QByteArray("not really a png ").repeated(100);
    ASSERT_TRUE(WriteBytes(dir.filePath("blue.ini"), skin));
    ASSERT_TRUE(QDir(dir.path()).mkdir("pics"));
    ASSERT_TRUE(WriteBytes(dir.filePath("pics/blue.png"), png));
    ASSERT_TRUE(WriteBytes(dir.filePath("bluestack.ini"), "mode=1\r\n"));

    const CliResult pack = RunCli({"pack", dir.filePath("blue.ini"), "-o", dir.filePath("out")});
    ASSERT_EQ(pack.status, 0) << pack.err.toStdString();
    EXPECT_TRUE(pack.out.isEmpty());
    const CliResult list = RunCli({"list", dir.filePath("out.qsk")}); // the ending was added
    ASSERT_EQ(list.status, 0) << list.err.toStdString();
    const QStringList lines = list.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3) << list.out.toStdString();
    const QStringList first = lines[0].split('\t');
    ASSERT_EQ(first.size(), 5);
    EXPECT_EQ(first[0], "blue.ini");
    EXPECT_EQ(first[1], "deflated");
    EXPECT_EQ(first[3], QString::number(skin.size()));
    EXPECT_EQ(first[4], Crc(skin));
    EXPECT_TRUE(lines[1].startsWith("blue.png\tdeflated\t"));
    EXPECT_TRUE(lines[1].endsWith(QString::number(png.size()) + "\t" + Crc(png)));
    EXPECT_TRUE(lines[2].startsWith("stack.ini\tdeflated\t"));
    EXPECT_LT(first[2].toInt(), skin.size() + 10);

    // Commands that take a skin take its package too, with --inner for the stack skin.
    const CliResult fromIni = RunCli({"geometry", dir.filePath("blue.ini")});
    const CliResult fromPackage = RunCli({"geometry", dir.filePath("out.qsk")});
    EXPECT_EQ(fromPackage.status, 0) << fromPackage.err.toStdString();
    EXPECT_EQ(fromPackage.out, fromIni.out);
    const CliResult inner = RunCli({"geometry", dir.filePath("out.qsk"), "--inner", "stack.ini"});
    EXPECT_EQ(inner.status, 0) << inner.err.toStdString();
}

TEST(PackageCli, FailuresAndUsage) {
    QTemporaryDir dir;
    ASSERT_TRUE(WriteBytes(dir.filePath("nopng.ini"), "skinname=Blue\r\nbitmap=gone.png\r\n"));
    ASSERT_TRUE(WriteBytes(dir.filePath("nobitmap.ini"), "skinname=Blue\r\n"));
    // A skin that would be taken for the package's stack skin, however complete it is otherwise.
    ASSERT_TRUE(WriteBytes(dir.filePath("Stack.INI"), "skinname=Pile\r\nbitmap=nopng.ini\r\n"));
    ASSERT_TRUE(WriteBytes(dir.filePath("keep.qsk"), "the package that was there"));
    ASSERT_TRUE(WriteBytes(dir.filePath("junk.qsk"), "not a package"));
    const QString keep = dir.filePath("keep.qsk");
    const struct {
        QStringList args;
        int status;
        QString mentions;
    } cases[] = {
        {{"pack", dir.filePath("nopng.ini"), "-o", keep}, 1, "Error saving " + keep + ": "},
        {{"pack", dir.filePath("nobitmap.ini"), "-o", keep}, 1, "no PNG"},
        {{"pack", dir.filePath("Stack.INI"), "-o", keep},
         1,
         "drapier-cli: A skin file named stack.ini cannot be packed: packages keep the stack skin under that "
         "name. Save the skin under another name first.\n"},
        {{"pack", dir.filePath("gone.ini"), "-o", keep}, 1, "gone.ini"},
        {{"pack", dir.filePath("nopng.ini")}, 2, "OUT.qsk"},
        {{"pack", "-o", keep}, 2, "SKIN.ini"},
        {{"pack", dir.filePath("a.txt"), "-o", keep}, 2, "a.txt"},
        {{"pack", dir.filePath("nopng.ini"), "-o", keep, "--fast"}, 2, "--fast"},
        {{"list"}, 2, "PKG.qsk"},
        {{"list", dir.filePath("junk.qsk")}, 1, "junk.qsk"},
        {{"list", dir.filePath("gone.qsk")}, 1, "gone.qsk"},
        {{"geometry", dir.filePath("junk.qsk")}, 1, "junk.qsk"},
        {{"geometry", dir.filePath("nobitmap.ini"), "--inner", "stack.ini"}, 1, "--inner"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CliResult r = RunCli(c.args);
        EXPECT_EQ(r.status, c.status);
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.contains(c.mentions)) << r.err.toStdString();
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
    }
    EXPECT_EQ(ReadBytes(keep), "the package that was there");
}

TEST(PackageCli, OddEntryNamesInnerSkinsAndKeyedPictures) {
    QTemporaryDir dir;
    // A picture name holding "%2" is listed as it is, not with a number in its place.
    ASSERT_TRUE(WriteBytes(dir.filePath("odd.ini"), "bitmap=odd%2.png\r\nstackfilename=s.ini\r\n"));
    ASSERT_TRUE(WriteBytes(dir.filePath("odd%2.png"), "png"));
    ASSERT_TRUE(WriteBytes(dir.filePath("s.ini"), "mode=stack\r\n"));
    ASSERT_EQ(RunCli({"pack", dir.filePath("odd.ini"), "-o", dir.filePath("odd.qsk")}).status, 0);
    const CliResult list = RunCli({"list", dir.filePath("odd.qsk")});
    ASSERT_EQ(list.status, 0) << list.err.toStdString();
    const QStringList lines = list.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[1], "odd%2.png\tdeflated\t" + lines[1].section('\t', 2, 2) + "\t3\t" + Crc("png"));

    // convert takes the package's stack skin by --inner like the other skin commands.
    const QString out = dir.filePath("stack-out.ini");
    const CliResult convert = RunCli({"convert", dir.filePath("odd.qsk"), "--inner", "stack.ini", "-o", out});
    ASSERT_EQ(convert.status, 0) << convert.err.toStdString();
    EXPECT_TRUE(QString::fromUtf16(reinterpret_cast<const char16_t*>(ReadBytes(out).constData() + 2))
                    .contains("\nmode=stack\n"));

    // A picture that is not a PNG is the skin's picture all the same, and dump gives its size.
    ASSERT_TRUE(WriteBytes(dir.filePath("old.bmp"), EncodedImage(7, 3, Qt::red, "BMP")));
    ASSERT_TRUE(WriteBytes(dir.filePath("old.ini"), "bitmap=old.bmp\r\n"));
    const CliResult dump = RunCli({"dump", dir.filePath("old.ini")});
    ASSERT_EQ(dump.status, 0) << dump.err.toStdString();
    const QJsonObject d = QJsonDocument::fromJson(dump.outBytes).object();
    EXPECT_FALSE(d["pngsource"].toBool());
    EXPECT_EQ(d["image"].toObject(), (QJsonObject{{"width", 7}, {"height", 3}}));
}

// Other ZIP tools store deep folder paths; a package with one such entry still loads and lists.
TEST(PackageCli, EntryWithOverlongNameIsSkippedAlone) {
    QTemporaryDir dir;
    const QByteArray png = EncodedImage(5, 4, Qt::blue, "PNG");
    const QByteArray longName = QByteArray("docs/") + QByteArray(291, 'x') + ".txt";
    ASSERT_EQ(longName.size(), 300);
    const QString path = dir.filePath("deep.qsk");
    ASSERT_TRUE(WriteBytes(path, MakeRawZip({{"skin.ini", "skinname=Deep\n[button]\nname=b\n\n"},
                                             {longName, "notes"},
                                             {"p.png", png}})));

    const CliResult list = RunCli({"list", path});
    EXPECT_EQ(list.status, 0);
    const QStringList lines = list.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << list.out.toStdString();
    EXPECT_TRUE(lines[0].startsWith("skin.ini\t"));
    EXPECT_TRUE(lines[1].startsWith("p.png\t"));
    EXPECT_EQ(list.err, "drapier-cli: warning: skipped 1 entry whose name is longer than 255 bytes\n");

    const CliResult dump = RunCli({"dump", path});
    ASSERT_EQ(dump.status, 0) << dump.err.toStdString();
    const QJsonObject d = QJsonDocument::fromJson(dump.outBytes).object();
    EXPECT_EQ(d["image"].toObject(), (QJsonObject{{"width", 5}, {"height", 4}}));
    EXPECT_EQ(d["settings"].toObject()["skinname"].toString(), "Deep");
}
