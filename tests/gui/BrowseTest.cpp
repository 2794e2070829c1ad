#include "EditingFixture.h"
#include "catalogue/CatalogueTestSupport.h"
#include "designer/CommandIds.h"
#include "dialogs/BrowseDlg.h"
#include "document/StyleString.h"
#include "widgets/BitmapMenu.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QLabel>
#include <QListWidget>
#include <QProgressDialog>

namespace {

const QString kProgram = "Pinlets Skin Designer v4.31";

class BrowseSkins : public EditingWindow {
protected:
    void SetUp() override {
        EditingWindow::SetUp();
        ASSERT_TRUE(skins.isValid());

        // The skin being edited before browsing, in a folder of its own.
        SkinDocument current = SampleSkin("Current");
        current.settings.defaultstyle = StyleWithNoteColour(QString(), MakeColour(1, 2, 3));
        currentPath = dir.filePath("current.ini");
        ASSERT_TRUE(WriteSkinFile(current, currentPath, "current.png", nullptr));
        ASSERT_TRUE(WriteBytes(dir.filePath("current.png"), PngBytes()));

        // The browsed folder: two skin files, three packages, and what is not listed.
        SkinDocument bravo = SampleSkin("Bravo");
        bravo.settings.defaultstyle = StyleWithNoteColour(QString(), MakeColour(10, 20, 30));
        ASSERT_TRUE(WriteSkinFile(bravo, skins.filePath("b.ini"), "b.png", nullptr));
        ASSERT_TRUE(WriteBytes(skins.filePath("b.png"), PngBytes()));
        ASSERT_TRUE(WriteSkinFile(SampleSkin("Alpha"), skins.filePath("A.INI"), "a.png", nullptr));
        for (const char* name : {"Charlie", "Delta", "Zulu"}) {
            const QString file = QString::fromLatin1(name).left(1) + (name[0] == 'Z' ? ".QSK" : ".qsk");
            ASSERT_TRUE(WritePackage(skins.filePath(file), SkinPackageBytes(SampleSkin(name))));
        }
        ASSERT_TRUE(QDir(skins.path()).mkdir("folder.qsk"));
        ASSERT_TRUE(WriteBytes(skins.filePath("readme.txt"), "x"));
    }

    void OpenCurrent() {
        prompter.files.push_back(currentPath);
        window->FileOpen();
        ASSERT_EQ(window->Document().settings.skinname, "Current");
    }

    // Runs Browse on the folder (by the command, or by `start`); `inside` works the browser while it is
    // open, then it is closed as its Close button closes it.
    void Browse(const std::function<void(QBrowseDlg&)>& inside, const std::function<void()>& start = {}) {
        prompter.folders.push_back(skins.path());
        bool opened = false;
        QTimer::singleShot(0, window.get(), [&] {
            QBrowseDlg* browser = window->findChild<QBrowseDlg*>();
            ASSERT_NE(browser, nullptr);
            opened = true;
            inside(*browser);
            browser->findChild<QPushButton*>("close")->click();
        });
        if (start)
            start();
        else
            window->RunCommand(Command::FileBrowse);
        EXPECT_TRUE(opened);
    }

    QString Path(const QString& name) const { return skins.filePath(name); }
    NoteSettings Settings() const { return window->CurrentNoteSettings(); }

    QTemporaryDir skins;
    QString currentPath;
};

} // namespace

TEST_F(BrowseSkins, SelectingEntriesShowsThemAndClosingBringsBackTheSkin) {
    OpenCurrent();
    const RecentList recent = window->Recent();
    // The File menu's item runs the command.
    QAction* browseItem = nullptr;
    for (QAction* action : window->MenuBar()->actions().first()->menu()->actions())
        if (CommandOf(action) == Command::FileBrowse)
            browseItem = action;
    ASSERT_NE(browseItem, nullptr);
    EXPECT_EQ(browseItem->text(), "&Browse\tCtrl-B");

    Browse(
        [&](QBrowseDlg& dialog) {
            QBrowseDlg* browser = &dialog;
            EXPECT_EQ(browser->windowTitle(), "Browse skins");
            EXPECT_TRUE(browser->isModal());
            EXPECT_EQ(browser->findChild<QLabel*>("folder")->text(), skins.path());
            QStringList names;
            for (int i = 0; i < browser->List()->count(); ++i)
                names << browser->List()->item(i)->text();
            EXPECT_EQ(names, QStringList({"A.INI", "b.ini", "C.qsk", "D.qsk", "Z.QSK"}));
            EXPECT_EQ(window->Document().settings.skinname, "Current"); // listing loads nothing
            // Tabbing into the list makes its first row current; only choosing an entry loads it.
            QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
            QApplication::sendEvent(browser->List(), &focus);
            EXPECT_EQ(browser->List()->currentRow(), 0);
            EXPECT_EQ(window->Document().settings.skinname, "Current");

            browser->List()->setCurrentRow(1);
            EXPECT_EQ(window->Document().settings.skinname, "Bravo");
            EXPECT_EQ(window->Document().elements.size(), 2u);
            EXPECT_EQ(window->SkinPath(), Path("b.ini"));
            EXPECT_EQ(window->windowTitle(), kProgram + " - b.ini");
            EXPECT_EQ(Settings().notecolour, MakeColour(10, 20, 30));
            EXPECT_EQ(window->SourceImage().Width(), 40);

            browser->List()->setCurrentRow(2); // a package without a default style
            EXPECT_EQ(window->Document().settings.skinname, "Charlie");
            EXPECT_EQ(window->windowTitle(), kProgram + " - C.qsk");
            EXPECT_EQ(Settings().notecolour, MakeColour(255, 255, 180));
            EXPECT_FALSE(window->IsDirty());
        },
        [&] { browseItem->trigger(); });

    EXPECT_EQ(window->Document().settings.skinname, "Current");
    EXPECT_EQ(window->SkinPath(), currentPath);
    EXPECT_EQ(window->windowTitle(), "current.ini - " + kProgram);
    EXPECT_EQ(Settings().notecolour, MakeColour(1, 2, 3));
    EXPECT_FALSE(window->IsDirty());
    EXPECT_EQ(window->Recent(), recent);
    EXPECT_EQ(prompter.shown, QStringList());

    // The next browse starts in the folder chosen last.
    Browse([](QBrowseDlg&) {});
    EXPECT_EQ(prompter.folderInitials.size(), 2);
    EXPECT_EQ(prompter.folderInitials.back(), skins.path());
}

TEST_F(BrowseSkins, UntitledSkinComesBackAsNew) {
    prompter.files.push_back(dir.filePath("current.png"));
    window->findChild<QPushButton*>("loadPng")->click(); // a picture of its own, still untitled
    window->MarkClean();
    Browse([&](QBrowseDlg& browser) { browser.List()->setCurrentRow(3); });
    EXPECT_TRUE(window->SkinPath().isEmpty());
    EXPECT_EQ(window->windowTitle(), "(untitled) - " + kProgram);
    EXPECT_TRUE(window->Document().elements.empty());
    EXPECT_EQ(window->PngPath(), dir.filePath("current.png"));
    EXPECT_FALSE(window->IsDirty());
}

TEST_F(BrowseSkins, CancelAtTheSavePromptKeepsTheChanges) {
    OpenCurrent();
    prompter.colours.push_back(MakeColour(1, 2, 3));
    window->findChild<QPushButton*>("pickRegion")->click();
    ASSERT_TRUE(window->IsDirty());

    prompter.yesNoCancel.push_back(Prompter::Answer::Cancel);
    window->RunCommand(Command::FileBrowse);
    EXPECT_EQ(prompter.shown, QStringList({"Save changes?"}));
    EXPECT_TRUE(prompter.folderInitials.isEmpty()); // no chooser
    EXPECT_TRUE(window->IsDirty());
    EXPECT_EQ(window->Document().settings.region, MakeColour(1, 2, 3));

    // No, then a cancelled chooser: nothing was browsed, so nothing is lost either.
    prompter.yesNoCancel.push_back(Prompter::Answer::No);
    prompter.folders.push_back(QString());
    window->RunCommand(Command::FileBrowse);
    EXPECT_EQ(prompter.folderInitials.size(), 1);
    EXPECT_TRUE(window->IsDirty());
    EXPECT_EQ(window->Document().settings.region, MakeColour(1, 2, 3));
    EXPECT_EQ(prompter.unexpected, 0);
}

TEST_F(BrowseSkins, CatalogueLeavesTheDocumentAndCanBeCancelled) {
    OpenCurrent();
    window->findChild<QCheckBox*>("highlightAreas")->setChecked(true);
    Browse([&](QBrowseDlg& browser) {
        browser.List()->setCurrentRow(2);
        const SkinDocument before = window->Document();
        const NoteSettings settingsBefore = Settings();

        browser.findChild<QPushButton*>("writeCatalogue")->click();
        EXPECT_EQ(window->Document().elements, before.elements);
        EXPECT_EQ(window->Document().settings, before.settings);
        EXPECT_EQ(window->SkinPath(), Path("C.qsk"));
        const NoteSettings after = Settings();
        EXPECT_EQ(after.created, "<Created>");
        EXPECT_EQ(after.source, "<Sender>");
        EXPECT_EQ(after.title, "Zulu"); // the last package's name
        EXPECT_EQ(after.width, settingsBefore.width);
        EXPECT_EQ(after.height, settingsBefore.height);
        EXPECT_EQ(after.focus, settingsBefore.focus);
        EXPECT_EQ(after.notecolour, settingsBefore.notecolour);
        EXPECT_TRUE(window->findChild<QCheckBox*>("highlightAreas")->isChecked());
        EXPECT_EQ(QDir(skins.path()).entryList({"*.png"}), QStringList({"b.png", "C.png", "D.png", "Z.png"}));
        EXPECT_EQ(CatalogueText(skins.path()).count('\n'), 3);
        EXPECT_EQ(prompter.shown, QStringList()); // nothing to report

        // Cancel pressed once the first package is through: one package at a time, so one only.
        for (const char* name : {"C.png", "D.png", "Z.png", "_db.db"})
            ASSERT_TRUE(QFile::remove(Path(name)));
        browser.SetJobs(1);
        std::vector<int> reports;
        QObject::connect(&browser, &QBrowseDlg::CatalogueProgressed, &browser, [&](int done, int total) {
            reports.push_back(done);
            EXPECT_EQ(total, 3);
            if (done == 1)
                browser.findChild<QProgressDialog*>()->cancel();
        });
        browser.WriteCatalogue();
        EXPECT_EQ(reports, std::vector<int>({1}));
        EXPECT_FALSE(QFile::exists(Path("_db.db")));
        EXPECT_EQ(QDir(skins.path()).entryList({"*.png"}), QStringList({"b.png", "C.png"}));
        ASSERT_EQ(prompter.shown.size(), 1);
        EXPECT_EQ(prompter.shown[0],
                  "Writing the catalogue was cancelled; " + Path("_db.db") + " was not written.");
        EXPECT_EQ(window->Document().elements, before.elements);
    });
    EXPECT_EQ(window->Document().settings.skinname, "Current");
}

TEST_F(BrowseSkins, FailedPackagesAreReportedAfterTheRun) {
    ASSERT_TRUE(WritePackage(Path("E.qsk"), "damaged"));
    Browse([&](QBrowseDlg& browser) {
        browser.findChild<QPushButton*>("refresh")->click();
        EXPECT_EQ(browser.List()->count(), 6);
        browser.WriteCatalogue();
    });
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(prompter.shown[0], "4 packages, 3 thumbnails written, 0 skipped, 1 failed.\n\nError loading " +
                                     Path("E.qsk") + ": the file is not a ZIP package, or it is cut short");
    EXPECT_EQ(CatalogueText(skins.path()).count('\n'), 4);
}

TEST_F(BrowseSkins, GalleryPageIsTheLastStepWhenAskedForEachTime) {
    Browse([&](QBrowseDlg& browser) {
        QCheckBox* page = browser.findChild<QCheckBox*>("writeGallery");
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->text(), "Also write a gallery page (index.html)");
        EXPECT_FALSE(page->isChecked());
        browser.findChild<QPushButton*>("writeCatalogue")->click();
        EXPECT_FALSE(QFile::exists(Path("index.html")));

        // Three packages, then the page: four steps.
        page->setChecked(true);
        std::vector<std::pair<int, int>> reports;
        QObject::connect(&browser, &QBrowseDlg::CatalogueProgressed, &browser,
                         [&](int done, int total) { reports.emplace_back(done, total); });
        browser.WriteCatalogue();
        ASSERT_EQ(reports.size(), 4u);
        EXPECT_EQ(reports.back(), std::make_pair(4, 4));
        EXPECT_EQ(reports.front().second, 4);
        const QByteArray html = ReadBytes(Path("index.html"));
        for (const char* name : {"Charlie", "Delta", "Zulu"})
            EXPECT_TRUE(html.contains(QByteArray("dir=\"auto\">") + name + "</h2>")) << name;
        EXPECT_EQ(prompter.shown, QStringList());

        // Someone else's page stays, and the run says so.
        ASSERT_TRUE(WriteBytes(Path("index.html"), "mine"));
        browser.WriteCatalogue();
        ASSERT_EQ(prompter.shown.size(), 1);
        EXPECT_EQ(prompter.shown[0],
                  "3 packages, 0 thumbnails written, 3 skipped, 0 failed.\n\nError saving " +
                      Path("index.html") + ": the file was not written by Drapier, so it is left as it is");
        EXPECT_EQ(ReadBytes(Path("index.html")), "mine");
    });
    Browse([&](QBrowseDlg& browser) {
        EXPECT_FALSE(browser.findChild<QCheckBox*>("writeGallery")->isChecked());
    });
}
