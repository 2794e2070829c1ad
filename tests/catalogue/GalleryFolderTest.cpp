#include "CatalogueTestSupport.h"
#include "catalogue/CatalogueFiles.h"
#include "catalogue/CatalogueWriter.h"
#include "catalogue/GalleryPage.h"
#include "support/FileSizeLimit.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Every file of the folder but the page, with its bytes.
std::map<QString, QByteArray> FilesBesideThePage(const QString& folder) {
    std::map<QString, QByteArray> files;
    for (const QString& name : QDir(folder).entryList(QDir::Files)) {
        if (name != kGalleryPageName)
            files[name] = ReadBytes(QDir(folder).filePath(name));
    }
    return files;
}

QStringList CardNames(const QString& page) {
    QStringList names;
    QRegularExpressionMatchIterator it =
        QRegularExpression(R"(<h2 class="name" dir="auto">(.*?)</h2>)").globalMatch(page);
    while (it.hasNext())
        names << it.next().captured(1);
    return names;
}

class GalleryFolder : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        SkinDocument wide = SampleSkin("Wide");
        wide.layout.minimumwidth = 560; // a 600 by 300 canvas, shrunk to 300 by 150
        SkinDocument tall = SampleSkin("Tall");
        tall.layout.minimumheight = 400;
        for (const auto& [name, skin] : {std::pair{"wide.qsk", wide}, {"tall #2.qsk", tall}})
            ASSERT_TRUE(WritePackage(dir.filePath(name), SkinPackageBytes(skin)));
        ASSERT_TRUE(WritePackage(dir.filePath("broken.qsk"), "not a package"));
    }

    CatalogueResult RunWithPage(bool* written = nullptr) {
        CatalogueResult result = WriteCatalogue(dir.path(), SkinFolderListing(dir.path()));
        const bool pageWritten = AddGalleryPage(dir.path(), result);
        if (written)
            *written = pageWritten;
        return result;
    }
    QString Page() const { return QString::fromUtf8(ReadBytes(dir.filePath(kGalleryPageName))); }

    QTemporaryDir dir;
};

} // namespace

TEST_F(GalleryFolder, PageFollowsTheListAndLeavesTheOtherFilesAsTheyAre) {
    // The same folder catalogued without a page: every other file must come out the same.
    QTemporaryDir plain;
    ASSERT_TRUE(plain.isValid());
    for (const QString& name : QDir(dir.path()).entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(dir.filePath(name), plain.filePath(name)));
    for (const QString& name : QDir(plain.path()).entryList(QDir::Files))
        ASSERT_TRUE(WritePackage(plain.filePath(name), ReadBytes(plain.filePath(name))));
    WriteCatalogue(plain.path(), SkinFolderListing(plain.path()));

    bool written = false;
    const CatalogueResult first = RunWithPage(&written);
    EXPECT_TRUE(written);
    EXPECT_TRUE(first.pageWritten);
    EXPECT_EQ(first.pagePath, dir.filePath("index.html"));
    EXPECT_EQ(first.messages.size(), 1); // the broken package's alone
    EXPECT_EQ(FilesBesideThePage(dir.path()), FilesBesideThePage(plain.path()));
    const QString page = Page();
    EXPECT_EQ(CardNames(page), QStringList({"broken.qsk", "Tall", "Wide"}));
    EXPECT_TRUE(page.contains(R"(<img src="wide.png" width="300" height="150" loading="lazy" alt="Wide">)"));
    // A 923 by 461 canvas shrunk to 300 wide.
    EXPECT_TRUE(
        page.contains(R"(<img src="tall%20%232.png" width="300" height="149" loading="lazy" alt="Tall">)"));

    // On the next run every thumbnail is there already: their sizes come from their headers, and the
    // page comes out the same.
    const CatalogueResult second = RunWithPage(&written);
    EXPECT_TRUE(written);
    EXPECT_EQ(second.thumbnails, 0);
    EXPECT_EQ(Page(), page);

    // A thumbnail that is no PNG is made again, and the page shows it as before.
    ASSERT_TRUE(WriteBytes(dir.filePath("wide.png"), "not a picture"));
    RunWithPage(&written);
    EXPECT_TRUE(written);
    EXPECT_EQ(Page(), page);

    // One that cannot be made shows no picture, and the page is still written.
    ASSERT_TRUE(QFile::remove(dir.filePath("wide.png")));
    ASSERT_TRUE(QDir(dir.path()).mkdir("wide.png"));
    RunWithPage(&written);
    EXPECT_TRUE(written);
    EXPECT_FALSE(Page().contains("src=\"wide.png\""));
}

TEST_F(GalleryFolder, AnEmptyFolderGetsAPageSayingSo) {
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    CatalogueResult result = WriteCatalogue(empty.path(), SkinFolderListing(empty.path()));
    EXPECT_TRUE(AddGalleryPage(empty.path(), result));
    EXPECT_TRUE(
        ReadBytes(empty.filePath("index.html")).contains("There are no skin packages in this folder."));
}

TEST_F(GalleryFolder, APageDrapierDidNotWriteIsNeverReplaced) {
    const QByteArray theirs = "<!DOCTYPE html><html><head><title>My skins</title></head></html>";
    const QString path = dir.filePath("index.html");
    ASSERT_TRUE(WriteBytes(path, theirs));
    bool written = true;
    const CatalogueResult result = RunWithPage(&written);
    EXPECT_FALSE(written);
    EXPECT_FALSE(result.pageWritten);
    ASSERT_EQ(result.messages.size(), 2);
    EXPECT_EQ(result.messages.back(),
              "Error saving " + path + ": the file was not written by Drapier, so it is left as it is");
    EXPECT_EQ(ReadBytes(path), theirs);
    EXPECT_TRUE(result.catalogueWritten); // the rest of the run is done all the same

    // Nor a folder, a pipe or a link under the page's name.
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QFile::link(dir.filePath("wide.qsk"), path));
    EXPECT_FALSE(WriteGalleryPage(dir.path(), {}).written);
    EXPECT_TRUE(QFileInfo(path).isSymLink());

    // Our own page is replaced, and a cancelled run writes none.
    ASSERT_TRUE(QFile::remove(path));
    RunWithPage(&written);
    EXPECT_TRUE(written);
    RunWithPage(&written);
    EXPECT_TRUE(written);
    CatalogueResult cancelled;
    cancelled.cancelled = true;
    EXPECT_FALSE(AddGalleryPage(dir.path(), cancelled));
    EXPECT_TRUE(cancelled.messages.isEmpty());
}

TEST_F(GalleryFolder, APageThatCannotBeWrittenKeepsTheOldOne) {
    bool written = false;
    RunWithPage(&written);
    ASSERT_TRUE(written);
    const QByteArray before = ReadBytes(dir.filePath("index.html"));
    ASSERT_TRUE(WritePackage(dir.filePath("more.qsk"), SkinPackageBytes(SampleSkin("More"))));
    CatalogueResult result = WriteCatalogue(dir.path(), SkinFolderListing(dir.path()));
    {
        FileSizeLimit limit(1000); // far below the page
        ASSERT_TRUE(limit.Active());
        EXPECT_FALSE(AddGalleryPage(dir.path(), result));
    }
    EXPECT_EQ(ReadBytes(dir.filePath("index.html")), before);
    ASSERT_FALSE(result.messages.isEmpty());
    EXPECT_TRUE(result.messages.back().startsWith("Error saving " + dir.filePath("index.html") + ": "));
}

TEST_F(GalleryFolder, APackageWhosePictureDoesNotDecodeShowsItsTexts) {
    ASSERT_TRUE(WritePackage(dir.filePath("blank.qsk"), SkinPackageBytes(SampleSkin("Blank"), "no PNG")));
    const CatalogueResult result = RunWithPage();
    ASSERT_EQ(result.cards.size(), 4);
    const GalleryCard& blank = result.cards[0];
    EXPECT_EQ(blank.fileName, "blank.qsk");
    EXPECT_TRUE(blank.skinRead);
    EXPECT_FALSE(blank.pictureDecoded);
    EXPECT_EQ(blank.skinName, "Blank");
    EXPECT_EQ(result.failed, 2); // it is reported, as the broken package is
    EXPECT_FALSE(QFile::exists(dir.filePath("blank.png")));
    const QString page = Page();
    EXPECT_EQ(CardNames(page), QStringList({"Blank", "broken.qsk", "Tall", "Wide"}));
    EXPECT_TRUE(page.contains("About Blank\nsecond line"));
    EXPECT_FALSE(page.contains("src=\"blank.png\""));
}
