// The editing dialogs as the designer opens them: from the tree, from "New" and from the Edit menu,
// with the preview, the tree, the undo history and the skin file following them.
#include "DialogDriver.h"
#include "DialogFixture.h"
#include "EditingFixture.h"
#include "designer/CommandIds.h"
#include "designer/Pictures.h"
#include "dialogs/ButtonDlg.h"
#include "dialogs/GroupDlg.h"
#include "dialogs/ItemDlg.h"
#include "dialogs/PickActionDlg.h"

#include <QCheckBox>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QUndoStack>

namespace {

const Colour kRed = MakeColour(200, 30, 30);
const Colour kGreen = MakeColour(30, 200, 30);

int CountColour(const Canvas& canvas, Colour colour) {
    int count = 0;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x)
            count += canvas.ColourAt(x, y) == colour;
    }
    return count;
}

class DesignerDialogs : public EditingWindow {
protected:
    void SetUp() override {
        EditingWindow::SetUp();
        SkinDocument document;
        SkinElement fill = Entry(ElementKind::TileArea, "Fill"); // 0
        TileAreaRecord& area = *fill.As<TileAreaRecord>();
        area.topleft = {{10, PlacementMode::Sides, 0}, {10, PlacementMode::Sides, 0}};
        area.bottomright = {{-10, PlacementMode::Sides, 0}, {-10, PlacementMode::Sides, 0}};
        area.solidcol = kRed;
        document.Append(fill);
        document.Append(Entry(ElementKind::HStrip, "Top"));              // 1
        document.Append(Entry(ElementKind::Group, "main"));              // 2
        document.Append(Entry(ElementKind::Group, "main2"));             // 3
        document.Append(Entry(ElementKind::Group, "Hover"));             // 4
        document.Append(Entry(ElementKind::Button, "Close", "hover"));   // 5
        document.Append(Entry(ElementKind::Indicator, "Lamp", "Hover")); // 6
        document.Append(Entry(ElementKind::VStrip, "Side"));             // 7
        document.Append(Entry(ElementKind::Text, "Label"));              // 8
        document.Append(Entry(ElementKind::Button, "Knob"));             // 9
        document.Append(Entry(ElementKind::Layout, "Wide"));             // 10
        skin = WriteSkinFrom(document, "skin");
        Open(skin);
        // At the top of the screen, so that the dialogs fit below where they open.
        window->move(0, 0);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        ASSERT_EQ(Tree(), "Fill; Top; main; main2; Hover (Close, Lamp); Side; Label; Knob; Wide");
    }

    // Double-clicks the item with that label (or a root) with drive working the dialog that opens.
    void Edit(QTreeWidgetItem* item, std::function<void(QDialog*)> drive) {
        OnNextDialog(std::move(drive));
        DoubleClick(item);
    }
    void Edit(const QString& label, std::function<void(QDialog*)> drive) {
        Edit(Item(label), std::move(drive));
    }

    // The dialog's top-left from the window's.
    QPoint OffsetOf(const QDialog* dialog) const { return dialog->pos() - window->pos(); }

    QString skin;
};

} // namespace

TEST_F(DesignerDialogs, ADoubleClickOrEnterOpensTheDialogOfEachKind) {
    const QByteArray before = FileNow();
    const struct {
        QString label;
        QString title;
    } rows[] = {{"Default Layout", "Layout"},
                {"Fill", "TileArea"},
                {"Top", "HStrip"},
                {"main", "Group"},
                {"Close", "Button"},
                {"Lamp", "Indicator"},
                {"Side", "VStrip"},
                {"Label", "Text"},
                {"Wide", "Layout"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label.toStdString());
        QString title;
        QString name;
        bool nameEnabled = false;
        QTreeWidgetItem* item = row.label == "Default Layout" ? window->DefaultLayoutItem() : Item(row.label);
        Edit(item, [&](QDialog* dialog) {
            title = dialog->windowTitle();
            name = AsItemDlg(dialog)->NameBox()->text();
            nameEnabled = AsItemDlg(dialog)->NameBox()->isEnabled();
            // Something changed, so that Cancel has something to put back.
            QTest::keyClick(AsItemDlg(dialog)->NameBox(), Qt::Key_X);
            ClickCancel(dialog);
        });
        EXPECT_EQ(title, row.title);
        // The default layout's name is fixed; every other entry shows its own.
        EXPECT_EQ(name, row.label == "Default Layout" ? "Default layout" : row.label);
        EXPECT_EQ(nameEnabled, row.label != "Default Layout");
    }

    // From the keyboard: Enter on the selected item.
    for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
        Select("Lamp");
        window->Tree()->setFocus();
        QString title;
        OnNextDialog([&](QDialog* dialog) {
            title = dialog->windowTitle();
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QTest::keyClick(window->Tree(), Qt::Key(key));
        EXPECT_EQ(title, "Indicator");
    }

    EXPECT_EQ(Steps(), 0);
    EXPECT_FALSE(window->IsDirty());
    EXPECT_EQ(FileNow(), before);
    EXPECT_EQ(Tree(), "Fill; Top; main; main2; Hover (Close, Lamp); Side; Label; Knob; Wide");
    EXPECT_TRUE(window->isVisible()); // neither Enter nor Escape closed the designer
    EXPECT_EQ(prompter.unexpected, 0);
}

TEST_F(DesignerDialogs, LiveChangesShowAtOnceAndOkIsOneStepThatUndoesToTheSameFile) {
    ASSERT_TRUE(window->FileSave());
    const QByteArray saved = FileBytes(skin);
    const Canvas& preview = window->PreviewBuffer();
    ASSERT_GT(CountColour(preview, kRed), 1000);
    ASSERT_EQ(CountColour(preview, kGreen), 0);

    prompter.colours.push_back(kGreen);
    Edit("Fill", [&](QDialog* dialog) {
        Named<QPushButton>(dialog, "Solid: Pick")->click();
        // The preview follows the dialog while it is open.
        EXPECT_EQ(CountColour(preview, kRed), 0);
        EXPECT_GT(CountColour(preview, kGreen), 1000);

        // A typed name reaches the element with the next change, the tree's label only with OK.
        TypeInto(AsItemDlg(dialog)->NameBox(), "Filler");
        TypeInto(Named<IntegerBox>(dialog, "Width:"), "5");
        EXPECT_EQ(window->Document().elements[0].Name(), "Filler");
        EXPECT_NE(Item("Fill"), nullptr);
        EXPECT_EQ(Item("Filler"), nullptr);
        ClickOk(dialog);
    });
    EXPECT_EQ(Tree(), "Filler; Top; main; main2; Hover (Close, Lamp); Side; Label; Knob; Wide");
    EXPECT_EQ(Steps(), 1);
    EXPECT_EQ(window->UndoStack()->undoText(), "Edit Filler");
    EXPECT_TRUE(window->IsDirty());
    EXPECT_EQ(window->Document().elements[0].As<TileAreaRecord>()->solidcol, kGreen);
    const QByteArray edited = FileNow();

    window->UndoStack()->undo();
    EXPECT_GT(CountColour(preview, kRed), 1000);
    EXPECT_EQ(Tree(), "Fill; Top; main; main2; Hover (Close, Lamp); Side; Label; Knob; Wide");
    EXPECT_FALSE(window->IsDirty());
    ASSERT_TRUE(window->FileSave());
    EXPECT_EQ(FileBytes(skin), saved);
    window->UndoStack()->redo();
    EXPECT_EQ(FileNow(), edited);
    EXPECT_EQ(CountColour(preview, kRed), 0);
}

TEST_F(DesignerDialogs, CancelLeavesNoStepAndPutsTheButtonsPictureBack) {
    const QByteArray before = FileNow();
    const Canvas previewBefore = window->PreviewBuffer();
    const qint64 plain = PictureStrip()[Picture::PlainBitmap].cacheKey();
    const qint64 action = PictureStrip()[Picture::ActionButton].cacheKey();
    ASSERT_EQ(Item("Knob")->icon(0).cacheKey(), plain);

    Edit("Knob", [&](QDialog* dialog) {
        auto* button = static_cast<QItemButtonDlg*>(dialog);
        int picked = 0;
        OnNextDialog([&](QDialog* pickerDialog) {
            auto* picker = static_cast<QPickActionDlg*>(pickerDialog);
            TypeInto(picker->Filter(), "alarm");
            ASSERT_GT(picker->List()->count(), 0);
            picker->List()->setCurrentRow(0);
            picked = picker->ChosenCode();
            picker->accept();
        });
        button->PickActionButton()->click();
        EXPECT_NE(picked, 0);
        EXPECT_EQ(window->Document().elements[9].As<ButtonRecord>()->action, picked);
        // The tree shows the button's new kind of picture at once.
        EXPECT_EQ(Item("Knob")->icon(0).cacheKey(), action);
        TypeInto(Named<IntegerBox>(dialog, "Width:"), "25");
        ClickCancel(dialog);
    });
    EXPECT_EQ(Item("Knob")->icon(0).cacheKey(), plain);
    EXPECT_EQ(Steps(), 0);
    EXPECT_FALSE(window->IsDirty());
    EXPECT_EQ(FileNow(), before);
    EXPECT_TRUE(SamePixels(window->PreviewBuffer(), previewBefore));

    // With OK the picture stays.
    Edit("Knob", [&](QDialog* dialog) {
        OnNextDialog([](QDialog* picker) {
            static_cast<QPickActionDlg*>(picker)->List()->setCurrentRow(1);
            picker->accept();
        });
        static_cast<QItemButtonDlg*>(dialog)->PickActionButton()->click();
        ClickOk(dialog);
    });
    EXPECT_EQ(Item("Knob")->icon(0).cacheKey(), action);
    window->UndoStack()->undo();
    EXPECT_EQ(Item("Knob")->icon(0).cacheKey(), plain);
    EXPECT_EQ(FileNow(), before);
}

TEST_F(DesignerDialogs, NewAndOkIsOneStepNewAndCancelKeepsTheNewElement) {
    const QByteArray before = FileNow();
    OnNextDialog([&](QDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Button");
        EXPECT_EQ(AsItemDlg(dialog)->NameBox()->text(), "Button");
        Titled(dialog, "Draw when Rolled Up")->click();
        ClickOk(dialog);
    });
    window->RunCommand(Command::NewButton);
    EXPECT_EQ(Steps(), 1);
    EXPECT_EQ(window->UndoStack()->undoText(), "New Button");
    EXPECT_EQ(Selected(), "Button");
    EXPECT_TRUE(window->Document().elements.back().Common()->drawrolled);
    const QByteArray withButton = FileNow();

    OnNextDialog([&](QDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Text");
        Titled(dialog, "Bold")->click();
        ClickCancel(dialog);
    });
    window->RunCommand(Command::NewText);
    EXPECT_EQ(Steps(), 2);
    EXPECT_EQ(window->UndoStack()->undoText(), "New Text");
    const SkinElement& text = window->Document().elements.back();
    EXPECT_EQ(text.Name(), "Text");
    EXPECT_FALSE(text.As<TextRecord>()->bold); // Cancel put back the element as it was made

    window->UndoStack()->undo();
    EXPECT_EQ(FileNow(), withButton);
    window->UndoStack()->undo();
    EXPECT_EQ(FileNow(), before);
}

TEST_F(DesignerDialogs, AGroupIsNamedByTheRuleAndItsMembersMoveAlong) {
    const QByteArray before = FileNow();
    const auto name = [&](const QString& typed) {
        return [typed](QDialog* dialog) {
            TypeInto(AsItemDlg(dialog)->NameBox(), typed);
            ClickOk(dialog);
        };
    };
    // "main" is taken, and so is "main2" after it.
    Edit("Hover", name("main"));
    EXPECT_EQ(Tree(), "Fill; Top; main; main2; main22 (Close, Lamp); Side; Label; Knob; Wide");
    const auto& elements = window->Document().elements;
    EXPECT_EQ(elements[5].group, "main22"); // written "hover", shown under "Hover"
    EXPECT_EQ(elements[6].group, "main22");
    EXPECT_EQ(Steps(), 1);
    EXPECT_EQ(window->UndoStack()->undoText(), "Edit main22");

    // An empty name becomes the first free "group" number.
    Edit("main22", name(""));
    EXPECT_EQ(Tree(), "Fill; Top; main; main2; group1 (Close, Lamp); Side; Label; Knob; Wide");
    EXPECT_EQ(elements[5].group, "group1");

    // Cancel leaves name, rules, enabled flag and match mode as they were.
    const QByteArray named = FileNow();
    Edit("group1", [&](QDialog* dialog) {
        auto* group = static_cast<QGroupDlg*>(dialog);
        group->AddButton()->click();
        group->Enabled()->click();
        group->MatchAny()->click();
        TypeInto(group->NameBox(), "other");
        ClickCancel(dialog);
    });
    EXPECT_EQ(FileNow(), named);
    EXPECT_EQ(Steps(), 2);

    window->UndoStack()->undo();
    window->UndoStack()->undo();
    EXPECT_EQ(FileNow(), before);
    EXPECT_EQ(Tree(), "Fill; Top; main; main2; Hover (Close, Lamp); Side; Label; Knob; Wide");
}

TEST_F(DesignerDialogs, ElementDialogsAndTheBrowserShareOneOffsetKeptAfterCancel) {
    QPoint opened;
    const auto moveAndCancel = [&](QPoint to) {
        return [&opened, this, to](QDialog* dialog) {
            opened = OffsetOf(dialog);
            dialog->move(window->pos() + to);
            dialog->reject();
        };
    };
    Edit("Lamp", moveAndCancel({30, 40}));
    EXPECT_EQ(opened, QPoint(100, 100));

    prompter.folders.push_back(dir.path());
    OnNextDialog(moveAndCancel({50, 20}));
    window->RunCommand(Command::FileBrowse);
    EXPECT_EQ(opened, QPoint(30, 40));

    Edit("Wide", moveAndCancel({60, 30}));
    EXPECT_EQ(opened, QPoint(50, 20));
    Edit("main", moveAndCancel({60, 30}));
    EXPECT_EQ(opened, QPoint(60, 30));

    // OK keeps the place as well.
    Edit("Top", [&](QDialog* dialog) {
        dialog->move(window->pos() + QPoint(40, 50));
        ClickOk(dialog);
    });
    prompter.folders.push_back(dir.path());
    OnNextDialog(moveAndCancel({40, 50}));
    window->RunCommand(Command::FileBrowse);
    EXPECT_EQ(opened, QPoint(40, 50));
    EXPECT_EQ(prompter.unexpected, 0);
}

TEST_F(DesignerDialogs, SkinPropertiesIsOneStepAndStackSkinsOpenNone) {
    const QByteArray before = FileNow();
    OnNextDialog([](QDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Skin info and settings");
        TypeInto(Named<QLineEdit>(dialog, "Skin Name:"), "Ribbon");
        TypeInto(Named<QLineEdit>(dialog, "Border width:"), "3");
        dialog->accept();
    });
    window->RunCommand(Command::SkinProperties);
    EXPECT_EQ(window->Document().settings.skinname, "Ribbon");
    EXPECT_EQ(window->Document().settings.selectedborderwidth, 3);
    EXPECT_EQ(Steps(), 1);
    EXPECT_EQ(window->UndoStack()->undoText(), "Note Skin Properties");
    EXPECT_TRUE(window->IsDirty());
    const QByteArray after = FileNow();
    window->UndoStack()->undo();
    EXPECT_EQ(FileNow(), before);
    EXPECT_FALSE(window->IsDirty());
    window->UndoStack()->redo();
    EXPECT_EQ(FileNow(), after);

    // Cancel hands nothing back.
    OnNextDialog([](QDialog* dialog) {
        TypeInto(Named<QLineEdit>(dialog, "Skin Name:"), "Other");
        dialog->reject();
    });
    window->RunCommand(Command::SkinProperties);
    EXPECT_EQ(Steps(), 1);
    EXPECT_EQ(FileNow(), after);

    // A stack skin has no skin information: nothing opens, nothing is recorded.
    window->RunCommand(Command::StackMode);
    const int steps = Steps();
    bool opened = false;
    QTimer::singleShot(0, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            opened = true;
            dialog->reject();
        }
    });
    window->RunCommand(Command::SkinProperties);
    QApplication::processEvents();
    EXPECT_FALSE(opened);
    EXPECT_EQ(Steps(), steps);

    // The element dialogs learn that the skin is a stack skin.
    Edit("Top", [](QDialog* dialog) {
        EXPECT_FALSE(Titled(dialog, "Draw when Unrolled")->isEnabled());
        ClickCancel(dialog);
    });
    EXPECT_EQ(Steps(), steps);
}
