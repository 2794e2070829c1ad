#include "EditingFixture.h"
#include "designer/RecoveryKeeper.h"
#include "designer/SkinPaths.h"
#include "dialogs/StateSheetDlg.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <functional>

namespace {

class SavingWindow : public EditingWindow {
protected:
    QString StartPath() override {
        EXPECT_TRUE(QFile::copy(DRAPIER_EXAMPLES "/rich/rich.ini", dir.filePath("rich.ini")));
        EXPECT_TRUE(QFile::copy(DRAPIER_EXAMPLES "/rich/rich.png", dir.filePath("rich.png")));
        return dir.filePath("rich.ini");
    }

    static bool WriteBytes(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
    }

    QStringList Files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }
};

} // namespace

// A full disk (a file-size limit stands in for it) while Ctrl+S writes the skin: the user is told, the
// file on disk and the recovery file stay as they were, and the skin stays marked changed.
TEST_F(SavingWindow, CtrlSThatCannotWriteKeepsTheFileTheMarkAndTheRecoveryFile) {
    const QString skin = window->SkinPath();
    window->StartRecovery(dir.filePath("recovery"));
    ASSERT_TRUE(window->Recovery() && window->Recovery()->IsOn());
    window->Recovery()->SetTimes(RecoveryKeeper::kPeriod, 50);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    // An edit the window offers: a new region colour.
    prompter.colours.push_back(MakeColour(1, 2, 3));
    Click("pickRegion");
    const QString recovery = window->Recovery()->FilePath();
    ASSERT_TRUE(Eventually([&] { return QFile::exists(recovery); }));
    const QByteArray saved = FileBytes(skin);
    const QByteArray kept = FileBytes(recovery);
    const QStringList files = Files();
    ASSERT_TRUE(window->windowTitle().startsWith("* "));

    {
        FileSizeLimit limit(64);
        ASSERT_TRUE(limit.Active());
        QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    }
    EXPECT_EQ(prompter.shown, QStringList{"Error saving " + skin + ": File too large"});
    EXPECT_TRUE(window->windowTitle().startsWith("* ")) << window->windowTitle().toStdString();
    EXPECT_TRUE(window->IsDirty());
    EXPECT_EQ(FileBytes(skin), saved);
    EXPECT_EQ(FileBytes(recovery), kept);
    EXPECT_EQ(Files(), files); // no temporary file left beside the skin

    // With room again the same keys save, and the recovery file has served its turn.
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(prompter.shown.size(), 1);
    EXPECT_FALSE(window->windowTitle().startsWith("* "));
    EXPECT_NE(FileBytes(skin), saved);
    EXPECT_FALSE(QFile::exists(recovery));
    EXPECT_EQ(prompter.unexpected, 0);
}

// A typed name without the extension names another file than the one the chooser asked about: the
// question is asked for the file that will be written, No goes back to the chooser at the typed name.
TEST_F(SavingWindow, TheFileTheExtensionNamesIsNotReplacedWithoutAsking) {
    const struct {
        const char* what;
        QString typed, written;
        std::function<void()> save;
    } cases[] = {
        {"Save As", "blue.v2", "blue.v2.ini", [this] { window->FileSaveAs(); }},
        {"Export", "blue.v2", "blue.v2.qsk", [this] { window->FileExport(); }},
        {"state sheet's Export PNG", "sheet", "sheet.png",
         [this] {
             if (!window->StateSheet())
                 window->ShowStateSheet();
             ASSERT_TRUE(Eventually([&] { return window->StateSheet()->Sheet().IsValid(); }));
             window->StateSheet()->ExportButton()->click();
         }},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.what);
        // Saved, so that Export does not ask to save first.
        ASSERT_TRUE(window->FileSave());
        const QString typed = dir.filePath(test.typed);
        const QString written = dir.filePath(test.written);
        const QString question = test.written + " already exists. Do you want to replace it?";
        ASSERT_TRUE(WriteBytes(written, "the old file"));
        prompter.shown.clear();
        prompter.fileInitials.clear();
        prompter.yesNoPresets.clear();

        // No, then cancel in the chooser that opens again: nothing written.
        prompter.files = {typed, QString()};
        prompter.yesNoCancel = {Prompter::Answer::No};
        test.save();
        EXPECT_EQ(prompter.shown, QStringList{question});
        EXPECT_EQ(prompter.yesNoPresets, std::vector<bool>{false}); // Enter does not replace
        ASSERT_EQ(prompter.fileInitials.size(), 2);
        EXPECT_EQ(prompter.fileInitials[1], typed);
        EXPECT_EQ(FileBytes(written), "the old file");

        // Yes replaces it.
        prompter.files = {typed};
        prompter.yesNoCancel = {Prompter::Answer::Yes};
        test.save();
        EXPECT_EQ(prompter.shown.size(), 2);
        EXPECT_NE(FileBytes(written), "the old file");

        // The name with its extension was asked about by the chooser itself: no second question.
        prompter.files = {written};
        test.save();
        EXPECT_EQ(prompter.shown.size(), 2);
        EXPECT_EQ(prompter.unexpected, 0);
    }
}

TEST_F(SavingWindow, SaveAsStartsInTheSkinsFolderAndBrowseAtAFolderThatExists) {
    prompter.files = {QString()};
    EXPECT_FALSE(window->FileSaveAs());
    EXPECT_EQ(prompter.fileInitials.last(), dir.path());

    // An untitled skin starts in its PNG's folder.
    ASSERT_TRUE(QDir(dir.path()).mkdir("art"));
    window->FileNew();
    prompter.files = {WritePng("art/paper.png", 30, 10)};
    Click("loadPng");
    prompter.files = {QString()};
    EXPECT_FALSE(window->FileSaveAs());
    EXPECT_EQ(prompter.fileInitials.last(), dir.filePath("art"));

    // A folder browsed before that has gone since: the nearest one above it that is still there.
    EXPECT_EQ(BrowseStartFolder(dir.filePath("art/gone/deeper")), dir.filePath("art"));
    EXPECT_EQ(prompter.unexpected, 0);
}
