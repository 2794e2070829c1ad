#include "CliExpect.h"
#include "catalogue/CatalogueTestSupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(CatalogueCli, UsageErrorsAndHelp) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const QStringList& args :
         {QStringList{"catalogue"}, QStringList{"catalogue", dir.path(), "--jobs", "0"},
          QStringList{"catalogue", dir.path(), "--jobs", "two"},
          QStringList{"catalogue", dir.path(), "--jobs"}, QStringList{"catalogue", dir.path(), "--fast"},
          QStringList{"catalogue", dir.path(), dir.path()}}) {
        ExpectCliError(args, 2);
        EXPECT_FALSE(QFile::exists(dir.filePath("_db.db")));
    }
    ExpectCliError({"catalogue", dir.filePath("nowhere")}, 1, "nowhere");

    const CliResult help = RunCli({"catalogue", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: drapier-cli catalogue FOLDER [--jobs N] [--quiet]"));
    EXPECT_TRUE(help.out.contains("_db.db"));
}

TEST(CatalogueCli, ProgressSummaryAndExitStatus) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(WritePackage(dir.filePath("blue.QSK"), SkinPackageBytes(SampleSkin("Blue"))));
    ASSERT_TRUE(WritePackage(dir.filePath("green.qsk"), SkinPackageBytes(SampleSkin("Green"))));
    ASSERT_TRUE(WritePackage(dir.filePath("red.qsk"), "not a package"));

    // Standard error is no terminal here: one line per package, in the order they finish.
    const CliResult first = RunCli({"catalogue", dir.path(), "--jobs", "2"});
    EXPECT_EQ(first.status, 1);
    EXPECT_EQ(first.out, "3 packages, 2 thumbnails written, 0 skipped, 1 failed\n");
    const QStringList err = first.err.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(err.size(), 4) << first.err.toStdString();
    for (const char* line : {"blue.QSK: written", "green.qsk: written", "red.qsk: failed"})
        EXPECT_TRUE(first.err.contains(QLatin1String(line))) << line;
    EXPECT_TRUE(err[0].startsWith("[1/3] "));
    EXPECT_TRUE(err[2].startsWith("[3/3] "));
    EXPECT_EQ(err[3], "drapier-cli: Error loading " + dir.filePath("red.qsk") +
                          ": the file is not a ZIP package, or it is cut short");
    EXPECT_TRUE(QFile::exists(dir.filePath("blue.png")));
    EXPECT_EQ(CatalogueText(dir.path()).count('\n'), 3);

    const CliResult quiet = RunCli({"catalogue", dir.path(), "--quiet"});
    EXPECT_EQ(quiet.status, 1);
    EXPECT_EQ(quiet.out, "3 packages, 0 thumbnails written, 2 skipped, 1 failed\n");
    EXPECT_EQ(quiet.err.count('\n'), 1); // the failure alone
    EXPECT_TRUE(quiet.err.startsWith("drapier-cli: Error loading "));

    ASSERT_TRUE(QFile::remove(dir.filePath("red.qsk")));
    const CliResult mended = RunCli({"catalogue", dir.path(), "--quiet", "--jobs", "1"});
    EXPECT_EQ(mended.status, 0);
    EXPECT_EQ(mended.out, "2 packages, 0 thumbnails written, 2 skipped, 0 failed\n");
    EXPECT_EQ(mended.err, "");
}

TEST(CatalogueCli, HtmlWritesTheGalleryPageAndNeverAnotherOne) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(WritePackage(dir.filePath("blue.qsk"), SkinPackageBytes(SampleSkin("Blue"))));
    const CliResult run = RunCli({"catalogue", dir.path(), "--html", "--quiet"});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "1 packages, 1 thumbnails written, 0 skipped, 0 failed\n");
    EXPECT_TRUE(ReadBytes(dir.filePath("index.html")).contains("<h2 class=\"name\" dir=\"auto\">Blue</h2>"));

    ASSERT_TRUE(WriteBytes(dir.filePath("index.html"), "<p>the author's own page</p>"));
    const CliResult refused = RunCli({"catalogue", dir.path(), "--html", "--quiet"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "drapier-cli: Error saving " + dir.filePath("index.html") +
                               ": the file was not written by Drapier, so it is left as it is\n");
    EXPECT_EQ(ReadBytes(dir.filePath("index.html")), "<p>the author's own page</p>");
    // Without --html the page is none of the run's business.
    EXPECT_EQ(RunCli({"catalogue", dir.path(), "--quiet"}).status, 0);
}
