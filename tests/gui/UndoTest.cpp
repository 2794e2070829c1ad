#include "EditingFixture.h"
#include "designer/CommandIds.h"
#include "widgets/BitmapMenu.h"
#include "widgets/IntegerBox.h"
#include "widgets/SheetCanvas.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QUndoStack>

namespace {

const QString kProgram = " - Pinlets Skin Designer v4.31";

class UndoWindow : public EditingWindow {
protected:
    void SetUp() override {
        EditingWindow::SetUp();
        skin = WriteSkin();
        Open(skin);
        edit = window->MenuBar()->actions()[2]->menu();
        undo = FindCommand(edit, Command::EditUndo);
        redo = FindCommand(edit, Command::EditRedo);
        ASSERT_NE(undo, nullptr);
        ASSERT_NE(redo, nullptr);
    }

    // The command changes the file, undoing it writes the file as it was, redoing it as it became.
    void ExpectUndoAndRedo(const char* what, const std::function<void()>& command) {
        SCOPED_TRACE(what);
        const QByteArray before = FileNow();
        const int steps = Steps();
        command();
        const QByteArray after = FileNow();
        ASSERT_NE(after, before);
        ASSERT_EQ(Steps(), steps + 1);
        undo->trigger();
        EXPECT_EQ(FileNow(), before);
        redo->trigger();
        EXPECT_EQ(FileNow(), after);
        undo->trigger();
        EXPECT_EQ(FileNow(), before);
        redo->trigger();
        EXPECT_EQ(FileNow(), after);
    }

    QString skin;
    QMenu* edit = nullptr;
    QAction* undo = nullptr;
    QAction* redo = nullptr;
};

} // namespace

TEST_F(UndoWindow, EveryCommandKindIsUndoneToTheSameFile) {
    SkinDocument& document = window->Document();
    QTreeWidget* tree = window->Tree();
    QWidget* view = window->findChild<SheetCanvas*>("sourceView")->viewport();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));

    // The new element's dialog closes at once with OK.
    window->SetEntryEditor([](int) { return true; });
    ExpectUndoAndRedo("new", [&] { window->RunCommand(Command::NewTileArea); });
    const struct {
        const char* what;
        QString label;
        const char* button;
    } clicks[] = {{"copy", "Top", "copyElement"},
                  {"copy of a group", "Hover", "copyElement"},
                  {"delete of a group", "Hover (copy)", "deleteElement"},
                  {"delete", "Side", "deleteElement"},
                  {"move up", "Knob", "moveUp"},
                  {"move down", "Lamp", "moveUp"}};
    for (const auto& click : clicks) {
        ExpectUndoAndRedo(click.what, [&] {
            Select(click.label);
            Click(click.button);
        });
        if (click.label == "Side") {
            EXPECT_EQ(Selected(), "Label");
            undo->trigger();
            EXPECT_EQ(Selected(), "Side"); // undo selects what was selected before
            redo->trigger();
        }
    }
    ExpectUndoAndRedo("group menu", [&] {
        Select("Top");
        ChooseFromPopup(
            [&] { emit tree->customContextMenuRequested(tree->visualItemRect(Item("Top")).center()); },
            "Hover");
    });
    ExpectUndoAndRedo("no group", [&] {
        Select("Close");
        window->SetSelectedGroup(QString());
    });
    ExpectUndoAndRedo("pick drag", [&] {
        Select("Knob");
        QTest::mousePress(view, Qt::LeftButton, {}, {3, 4});
        QTest::mouseMove(view, {9, 9});
        QTest::mouseRelease(view, Qt::LeftButton, {}, {9, 9});
    });
    ExpectUndoAndRedo("pick size with Shift", [&] {
        QTest::mouseClick(view, Qt::RightButton, Qt::ShiftModifier, {40, 8});
    });
    ExpectUndoAndRedo("region colour", [&] {
        prompter.colours.push_back(MakeColour(1, 2, 3));
        Click("pickRegion");
    });
    ExpectUndoAndRedo("clear region colour", [&] { Click("clearRegion"); });
    ExpectUndoAndRedo("stack mode", [&] { window->RunCommand(Command::StackMode); });
    EXPECT_TRUE(window->IsStackSkin());
    undo->trigger();
    // Undone with the same control changes as the menu's switch.
    EXPECT_FALSE(window->IsStackSkin());
    EXPECT_EQ(window->findChild<QLabel*>("sourceLabel")->text(), "Source:");
    redo->trigger();
    EXPECT_EQ(window->findChild<QLabel*>("sourceLabel")->text(), "Count:");
    ExpectUndoAndRedo("stack default colour", [&] {
        prompter.colours.push_back(MakeColour(9, 8, 7));
        window->RunCommand(Command::StackDefaultColour);
    });
    ExpectUndoAndRedo("sticky mode", [&] { window->RunCommand(Command::StickyMode); });

    // The PNG path is part of the file (its bitmap line); undoing loads the picture again.
    const QString wide = WritePng("wide.png", 100, 10, Qt::red);
    ExpectUndoAndRedo("load png", [&] {
        prompter.files.push_back(wide);
        Click("loadPng");
    });
    undo->trigger();
    EXPECT_EQ(window->PngPath(), dir.filePath("skin.png"));
    EXPECT_EQ(window->SourceImage().Width(), 64);
    EXPECT_EQ(document.image.Width(), 64);
    redo->trigger();
    EXPECT_EQ(window->SourceImage().Width(), 100);

    // The dialogs' OK through the entry editor.
    std::function<void(int)> change;
    bool answer = true;
    window->SetEntryEditor([&](int entry) {
        change(entry);
        return answer;
    });
    change = [&](int entry) { document.elements[static_cast<size_t>(entry)].SetName("Renamed"); };
    ExpectUndoAndRedo("edit", [&] { window->EditEntry(0); });
    change = [&](int entry) { document.elements[static_cast<size_t>(entry)].SetName("hover"); };
    ExpectUndoAndRedo("group rename", [&] { window->EditEntry(1); });
    change = [&](int) { document.layout.top = 40; };
    ExpectUndoAndRedo("default layout", [&] { window->EditEntry(-1); });
    change = [&](int entry) { document.elements[static_cast<size_t>(entry)].Common()->drawfocus = true; };
    ExpectUndoAndRedo("new and OK", [&] { window->RunCommand(Command::NewButton); });
    answer = false;
    ExpectUndoAndRedo("new and Cancel", [&] { window->RunCommand(Command::NewVStrip); });
    EXPECT_EQ(prompter.unexpected, 0);
}

TEST_F(UndoWindow, TheChangedMarkFollowsTheHistory) {
    auto title = [&] { return window->windowTitle(); };
    EXPECT_EQ(title(), "skin.ini" + kProgram);
    Select("Top");
    Click("copyElement");
    EXPECT_EQ(title(), "* skin.ini" + kProgram);
    undo->trigger();
    EXPECT_EQ(title(), "skin.ini" + kProgram);
    EXPECT_FALSE(window->IsDirty());
    redo->trigger();
    EXPECT_TRUE(window->IsDirty());

    ASSERT_TRUE(window->FileSave());
    EXPECT_EQ(title(), "skin.ini" + kProgram);
    undo->trigger();
    EXPECT_EQ(title(), "* skin.ini" + kProgram);
    redo->trigger();
    EXPECT_EQ(title(), "skin.ini" + kProgram);

    // A change no step records leaves no saved state to return to.
    Click("moveUp");
    window->MarkDirty();
    undo->trigger();
    EXPECT_TRUE(window->IsDirty());

    // Clearing the history keeps the mark as it is; loading a skin clears it and marks the skin saved.
    window->ClearUndo();
    EXPECT_TRUE(window->IsDirty());
    EXPECT_FALSE(undo->isEnabled());
    Click("copyElement");
    prompter.yesNoCancel.push_back(Prompter::Answer::No);
    Open(skin);
    EXPECT_EQ(Steps(), 0);
    EXPECT_FALSE(window->IsDirty());
}

TEST_F(UndoWindow, EditMenuItemsAndKeys) {
    window->PrepareMenu(edit);
    EXPECT_EQ(edit->actions().indexOf(undo), 0);
    EXPECT_EQ(edit->actions().indexOf(redo), 1);
    EXPECT_EQ(undo->text(), "&Undo");
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());

    Select("Top");
    Click("copyElement");
    Click("moveUp");
    window->PrepareMenu(edit);
    EXPECT_EQ(undo->text(), "&Undo Move Up");
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());
    undo->trigger();
    window->PrepareMenu(edit);
    EXPECT_EQ(undo->text(), "&Undo Copy Top");
    EXPECT_EQ(redo->text(), "&Redo Move Up");
    EXPECT_TRUE(redo->isEnabled());

    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->Tree()->setFocus();
    const std::string copied = "Top; Hover (Close, Lamp); Side; Label; Knob; Top";
    const std::string moved = "Top; Hover (Close, Lamp); Side; Label; Top; Knob";
    QTest::keyClick(window->Tree(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Tree(), moved);
    QTest::keyClick(window->Tree(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Tree(), copied);
    QTest::keyClick(window->Tree(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Tree(), moved);

    // In a text box the keys undo its typing, not the skin.
    auto* titleBox = window->findChild<QLineEdit*>("title");
    titleBox->setFocus();
    const QString typedOver = titleBox->text();
    QTest::keyClicks(titleBox, "abc");
    QTest::keyClick(titleBox, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(titleBox->text(), typedOver);
    EXPECT_EQ(Tree(), moved);
}

TEST_F(UndoWindow, TheHistoryKeepsTheLast200Steps) {
    for (int i = 0; i < 205; ++i) {
        prompter.colours.push_back(MakeColour(i, 0, 0));
        Click("pickRegion");
    }
    EXPECT_EQ(Steps(), 200);
    while (window->UndoStack()->canUndo())
        undo->trigger();
    EXPECT_EQ(window->Document().settings.region, MakeColour(4, 0, 0));
    // The saved state fell out of the history: no state in it is the file any more.
    EXPECT_TRUE(window->IsDirty());
}

// Steps of one run (a burst of nudges) merge into one; anything else between them starts a new step.
TEST_F(UndoWindow, StepsOfOneRunMergeIntoOne) {
    SkinDocument& document = window->Document();
    auto* strip = document.elements[0].As<HStripRecord>();
    auto nudge = [&](int runKey) {
        window->BeginEdit();
        strip->place.x.value += 1;
        window->CommitEdit("Nudge Top", 0, runKey);
    };
    auto plainStep = [&] {
        window->BeginEdit();
        strip->width += 1;
        window->CommitEdit("Edit Top", 0);
    };
    struct Case {
        const char* what;
        std::function<void()> between; // what happens between the two halves of the presses
        int secondKey;
        int steps; // steps pushed in all
    };
    const Case cases[] = {
        {"one run", [] {}, 7, 1},
        {"another key", [] {}, 8, 2},
        {"a step outside the run", plainStep, 7, 3},
        {"undone in between", [&] { undo->trigger(); }, 7, 1},
        {"saved in between", [&] { ASSERT_TRUE(window->FileSave()); }, 7, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Open(skin);
        strip = document.elements[0].As<HStripRecord>();
        const int x = strip->place.x.value;
        nudge(7);
        nudge(7);
        c.between();
        nudge(c.secondKey);
        nudge(c.secondKey);
        EXPECT_EQ(Steps(), c.steps);
        while (undo->isEnabled())
            undo->trigger();
        strip = window->Document().elements[0].As<HStripRecord>();
        EXPECT_EQ(strip->place.x.value, x);
    }
}
