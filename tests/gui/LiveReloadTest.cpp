#include "EditingFixture.h"
#include "designer/SkinFileWatcher.h"

#include <QDir>
#include <QFile>
#include <QUndoStack>

namespace {

const QString kReloadQuestion = "The skin file has changed on disk. Reload it and lose your changes?";

class LiveReload : public EditingWindow {
protected:
    void SetUp() override {
        EditingWindow::SetUp();
        skin = WriteSkin();
        Open(skin);
        ASSERT_EQ(window->FileWatcher()->PathOf(SkinFileWatcher::File::Skin), skin);
    }

    // The skin file as another program writes it: the tree of WriteSkin with two names changed.
    void RewriteSkin(const QString& top, const QString& side) {
        QString error;
        ASSERT_TRUE(WriteSkinFile(KnownSkin(top, side), skin, "skin.png", &error)) << error.toStdString();
    }

    // The PNG rewritten in another colour, and its reload waited for: everything the watch was told
    // before it has been dealt with by then.
    void PictureSentinel(QColor colour) {
        WritePng("skin.png", 64, 48, colour);
        const QString loaded = "skin.png changed on disk and was loaded again.";
        ASSERT_TRUE(Eventually([&] { return window->StatusText() == loaded; }))
            << window->StatusText().toStdString();
    }

    QString skin;
};

} // namespace

TEST_F(LiveReload, PngRewrittenOnDiskShowsInThePreviewWithoutAnEdit) {
    // A tile area over the whole PNG, so that the preview shows the picture's own colours.
    SkinElement paper = Entry(ElementKind::TileArea, "Paper");
    TileAreaRecord& tiles = *paper.As<TileAreaRecord>();
    tiles.tiletype = 1;
    tiles.size = {16, 16};
    tiles.bottomright = {Placement{-1}, Placement{-1}};
    SkinDocument document;
    document.Append(paper);
    skin = WriteSkinFrom(document, "paper");
    Open(skin);
    Select("Paper");
    const CanvasPixel green = MakePixel(30, 200, 40);
    ASSERT_EQ(CountPixels(window->PreviewBuffer(), green), 0);

    WritePng("paper.png", 64, 48, QColor(30, 200, 40));
    ASSERT_TRUE(Eventually([&] { return CountPixels(window->PreviewBuffer(), green) > 0; }));
    EXPECT_EQ(window->SourceImage().Width(), 64);
    EXPECT_EQ(Steps(), 0);
    EXPECT_FALSE(window->IsDirty());
    EXPECT_EQ(Selected(), "Paper");

    // A picture that no longer decodes leaves the last good one.
    QFile spoiled(dir.filePath("paper.png"));
    ASSERT_TRUE(spoiled.open(QIODevice::WriteOnly | QIODevice::Truncate));
    spoiled.write("not a picture");
    spoiled.close();
    const QString kept = "paper.png no longer loads as a picture; the last picture loaded is kept.";
    Eventually([&] { return window->StatusText() == kept; });
    ASSERT_EQ(window->StatusText(), kept);
    EXPECT_GT(CountPixels(window->PreviewBuffer(), green), 0);
    EXPECT_FALSE(window->IsDirty());
    EXPECT_EQ(prompter.unexpected, 0);
}

TEST_F(LiveReload, SkinRewrittenWhileUnchangedReloadsWithTheSelectionKept) {
    Delete("Side");
    window->UndoStack()->undo(); // a history that the reload replaces, back at the saved state
    ASSERT_FALSE(window->IsDirty());
    Select("Side");

    RewriteSkin("Top", "Edge");
    ASSERT_TRUE(Eventually([&] { return Item("Edge") != nullptr; }));
    EXPECT_EQ(Selected(), "Edge");
    EXPECT_FALSE(window->IsDirty());
    EXPECT_TRUE(prompter.shown.isEmpty());

    // The version the other program overwrote is one undo away, marked changed; redo is the file again.
    EXPECT_EQ(Steps(), 1);
    QMenu* edit = window->MenuBar()->actions()[2]->menu();
    window->PrepareMenu(edit);
    EXPECT_EQ(edit->actions().value(0)->text(), "&Undo Reload from Disk");
    window->UndoStack()->undo();
    EXPECT_EQ(Tree(), "Top; Hover (Close, Lamp); Side; Label; Knob");
    EXPECT_EQ(Selected(), "Side");
    EXPECT_TRUE(window->IsDirty());
    window->UndoStack()->redo();
    EXPECT_EQ(Tree(), "Top; Hover (Close, Lamp); Edge; Label; Knob");
    EXPECT_FALSE(window->IsDirty());
}

TEST_F(LiveReload, SkinRewrittenWithUnsavedChangesAsksOnceForEachChange) {
    Delete("Label");
    ASSERT_TRUE(window->IsDirty());

    // No: the edits stay, and the same change is not asked about again.
    prompter.yesNoCancel.push_back(Prompter::Answer::No);
    RewriteSkin("Top", "Edge");
    Eventually([&] { return prompter.shown == QStringList{kReloadQuestion}; });
    ASSERT_EQ(prompter.shown, QStringList{kReloadQuestion});
    EXPECT_EQ(Tree(), "Top; Hover (Close, Lamp); Side; Knob");
    EXPECT_TRUE(window->IsDirty());
    EXPECT_EQ(Steps(), 1);
    RewriteSkin("Top", "Edge"); // the same bytes again
    PictureSentinel(Qt::darkGreen);
    EXPECT_EQ(prompter.shown.size(), 1);

    // A later change asks again; Yes loads the file.
    prompter.yesNoCancel.push_back(Prompter::Answer::Yes);
    RewriteSkin("Roof", "Edge");
    ASSERT_TRUE(Eventually([&] { return Item("Roof") != nullptr; }));
    EXPECT_EQ(prompter.shown.size(), 2);
    EXPECT_EQ(Tree(), "Roof; Hover (Close, Lamp); Edge; Label; Knob");
    EXPECT_FALSE(window->IsDirty());
    // The edits given up for the file are one undo away; the steps before them are gone.
    EXPECT_EQ(Steps(), 1);
    window->UndoStack()->undo();
    EXPECT_EQ(Tree(), "Top; Hover (Close, Lamp); Side; Knob");
    EXPECT_TRUE(window->IsDirty());
    EXPECT_EQ(prompter.unexpected, 0);
}

TEST_F(LiveReload, OwnSavesReloadNothing) {
    Delete("Label");
    ASSERT_TRUE(window->FileSave());
    prompter.files.push_back(dir.filePath("other.ini"));
    ASSERT_TRUE(window->FileSaveAs());
    Delete("Side");
    ASSERT_TRUE(window->FileSave());
    ASSERT_EQ(window->FileWatcher()->PathOf(SkinFileWatcher::File::Skin), dir.filePath("other.ini"));

    PictureSentinel(Qt::darkGreen);
    // A reload would have replaced the history with one step.
    EXPECT_EQ(Steps(), 2);
    EXPECT_FALSE(window->IsDirty());
    EXPECT_TRUE(prompter.shown.isEmpty());
    EXPECT_EQ(prompter.unexpected, 0);
}

TEST_F(LiveReload, SkinDeletedMarksTheDocumentChangedForGood) {
    ASSERT_TRUE(QFile::remove(skin));
    ASSERT_TRUE(Eventually([&] { return window->IsDirty(); }));
    EXPECT_EQ(window->StatusText(), "skin.ini was deleted or moved away; Save writes it again.");
    EXPECT_EQ(Tree(), "Top; Hover (Close, Lamp); Side; Label; Knob");

    // Undoing back to the state that was saved does not make it look saved: the file is gone.
    Delete("Label");
    window->UndoStack()->undo();
    EXPECT_TRUE(window->IsDirty());

    ASSERT_TRUE(window->FileSave());
    EXPECT_TRUE(QFile::exists(skin));
    EXPECT_FALSE(window->IsDirty());

    // A file that cannot be read at all leaves the document as it is.
    ASSERT_TRUE(QFile::remove(skin));
    ASSERT_TRUE(Eventually([&] { return window->IsDirty(); }));
    ASSERT_TRUE(QDir(dir.path()).mkdir("skin.ini"));
    const QString unreadable = "skin.ini can no longer be read; the skin is kept as it is.";
    Eventually([&] { return window->StatusText() == unreadable; });
    ASSERT_EQ(window->StatusText(), unreadable);
    EXPECT_EQ(Tree(), "Top; Hover (Close, Lamp); Side; Label; Knob");
    EXPECT_EQ(prompter.unexpected, 0);
}
