#include "EditingFixture.h"
#include "designer/CommandIds.h"
#include "designer/Pictures.h"
#include "widgets/FooButton.h"
#include "widgets/IntegerBox.h"

#include <QCheckBox>
#include <QPushButton>
#include <QUndoStack>

namespace {

const QColor kGrey(128, 128, 128);

// The document's list, "; " between names; groups are read back in lower case.
std::string Names(const SkinDocument& document) {
    QStringList names;
    for (const SkinElement& e : document.elements)
        names << (e.group.isEmpty() ? e.Name() : e.Name() + "@" + e.group);
    return names.join("; ").toStdString();
}

} // namespace

TEST_F(EditingWindow, ButtonsAndKeysThroughTheWindow) {
    Open(WriteSkin());
    window->show();
    const std::string start = "Top; Hover (Close, Lamp); Side; Label; Knob";
    ASSERT_EQ(Tree(), start);

    // Without a selection, or with a root selected, nothing happens.
    for (QTreeWidgetItem* root :
         {static_cast<QTreeWidgetItem*>(nullptr), window->ElementsItem(), window->DefaultLayoutItem()}) {
        window->Tree()->setCurrentItem(root);
        for (const char* name : {"copyElement", "deleteElement", "moveUp", "moveDown"})
            Click(name);
        EXPECT_EQ(Tree(), start);
    }
    EXPECT_FALSE(window->IsDirty());
    EXPECT_EQ(Steps(), 0);

    Select("Top");
    Click("copyElement");
    EXPECT_EQ(Tree(), "Top; Hover (Close, Lamp); Side; Label; Knob; Top");
    EXPECT_EQ(window->SelectedEntry(), 7);
    EXPECT_TRUE(window->IsDirty());

    Click("moveUp");
    EXPECT_EQ(Tree(), "Top; Hover (Close, Lamp); Side; Label; Top; Knob");
    // The document follows the tree, members right after their group.
    EXPECT_EQ(Names(window->Document()), "Top; Hover; Close@hover; Lamp@hover; Side; Label; Top; Knob");
    EXPECT_EQ(Selected(), "Top");
    EXPECT_EQ(window->SelectedEntry(), 6);

    // The Delete key works while the tree has the focus; the next sibling takes the selection.
    window->Tree()->setFocus();
    QTest::keyClick(window->Tree(), Qt::Key_Delete);
    EXPECT_EQ(Tree(), start);
    EXPECT_EQ(Selected(), "Knob");

    Select("Close");
    Click("moveDown");
    EXPECT_EQ(Tree(), "Top; Hover (Lamp, Close); Side; Label; Knob");
    const int steps = Steps();
    Click("moveDown"); // the last in its group stays there: no step
    EXPECT_EQ(Steps(), steps);

    Select("Hover");
    Click("copyElement");
    EXPECT_EQ(Tree(), "Top; Hover (Lamp, Close); Side; Label; Knob; Hover (copy) (Lamp, Close)");
    EXPECT_EQ(Selected(), "Hover (copy)");
    Click("deleteElement");
    Click("moveUp"); // the selection went to Knob, the sibling before
    EXPECT_EQ(Tree(), "Top; Hover (Lamp, Close); Side; Knob; Label");
    Select("Hover");
    Click("deleteElement");
    EXPECT_EQ(Tree(), "Top; Side; Knob; Label");
    EXPECT_EQ(window->Document().elements.size(), 4u);
    EXPECT_EQ(Selected(), "Side");
    EXPECT_EQ(prompter.unexpected, 0);
}

TEST_F(EditingWindow, MoveUpOnAFirstChildChangesNothing) {
    Open(WriteSkin());
    for (const char* label : {"Top", "Close"}) {
        Select(label);
        Click("moveUp");
        EXPECT_EQ(Tree(), "Top; Hover (Close, Lamp); Side; Label; Knob");
        EXPECT_FALSE(window->IsDirty());
        EXPECT_EQ(Steps(), 0);
    }
}

TEST_F(EditingWindow, NewPopsTheElementMenuAndNamesElementsUniquely) {
    // Each new element's dialog closes at once with OK (the dialogs are driven in DialogWiringTest).
    window->SetEntryEditor([](int) { return true; });
    window->show();
    auto* newButton = window->findChild<FooButton*>("newElement");
    QPoint at;
    const std::string items = ChooseFromPopup([&] { newButton->click(); }, "Horizontal strip", &at);
    EXPECT_EQ(
        items,
        "Horizontal strip; Vertical strip; Indicator; Button/Bitmap; Text; Tile area; Layout; Group; -; "
        "Frame from Picture\u2026");
    EXPECT_EQ(at, newButton->MenuPosition());
    window->RunCommand(Command::NewHStrip);
    window->findChild<QCheckBox*>("rolled")->setChecked(true);
    window->RunCommand(Command::NewHStrip);
    EXPECT_EQ(Tree(), "H Strip; H Strip1; H Strip2");
    EXPECT_EQ(Selected(), "H Strip2");
    const auto& elements = window->Document().elements;
    EXPECT_TRUE(elements[0].Common()->drawunrolled);
    EXPECT_FALSE(elements[0].Common()->drawrolled);
    EXPECT_TRUE(elements[2].Common()->drawrolled);
    EXPECT_FALSE(elements[2].Common()->drawunrolled);
    EXPECT_EQ(Steps(), 3);
    EXPECT_EQ(window->UndoStack()->undoText(), "New H Strip");
    EXPECT_TRUE(window->IsDirty());

    const struct {
        int command;
        QString label;
    } kinds[] = {{Command::NewVStrip, "V Strip"},     {Command::NewIndicator, "Indicator"},
                 {Command::NewButton, "Button"},      {Command::NewText, "Text"},
                 {Command::NewTileArea, "Tile Area"}, {Command::NewLayout, "Layout"},
                 {Command::NewGroup, "Group"}};
    for (const auto& kind : kinds) {
        window->RunCommand(kind.command);
        EXPECT_EQ(Selected(), kind.label.toStdString());
    }
}

TEST_F(EditingWindow, GroupMenuOnARightClick) {
    Open(WriteSkin());
    window->show();
    QTreeWidget* tree = window->Tree();
    auto rightClick = [&](const QString& label) {
        const QPoint at = tree->visualItemRect(Item(label)).center();
        return [tree, at] { emit tree->customContextMenuRequested(at); };
    };
    EXPECT_EQ(ChooseFromPopup(rightClick("Side"), "Hover"), "Hover; -; -- No group --");
    EXPECT_EQ(Tree(), "Top; Hover (Close, Side, Lamp); Label; Knob");
    EXPECT_EQ(Selected(), "Side");
    EXPECT_EQ(window->Document().elements[3].group, "Hover");
    EXPECT_EQ(window->UndoStack()->undoText(), "Group Hover");

    ChooseFromPopup(rightClick("Close"), "-- No group --");
    EXPECT_EQ(Tree(), "Top; Hover (Side, Lamp); Close; Label; Knob");
    const int steps = Steps();
    ChooseFromPopup(rightClick("Close"), QString()); // closed without a choice
    EXPECT_EQ(Steps(), steps);

    // No menu for a group, and none in a skin without groups.
    EXPECT_EQ(ChooseFromPopup(rightClick("Hover"), QString()), "(no menu)");
    EXPECT_EQ(Selected(), "Hover"); // the right click selects all the same
    Delete("Hover");
    EXPECT_EQ(ChooseFromPopup(rightClick("Close"), QString()), "(no menu)");
}

TEST_F(EditingWindow, DoubleClickAndNewGoThroughTheEntryEditor) {
    Open(WriteSkin());
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    // Without an editor nothing opens and nothing changes.
    window->SetEntryEditor({});
    DoubleClick(Item("Top"));
    EXPECT_EQ(Steps(), 0);

    std::vector<int> opened;
    bool answer = true;
    std::function<void(SkinElement&)> change = [](SkinElement&) {};
    window->SetEntryEditor([&](int entry) {
        opened.push_back(entry);
        if (entry >= 0) {
            SkinElement& element = window->Document().elements[static_cast<size_t>(entry)];
            const SkinElement backup = element;
            change(element);
            if (!answer)
                element = backup;
        }
        return answer;
    });

    DoubleClick(window->DefaultLayoutItem());
    DoubleClick(window->ElementsItem());
    DoubleClick(Item("Hover"));
    DoubleClick(Item("Lamp"));
    EXPECT_EQ(opened, (std::vector<int>{-1, 1, 4}));
    EXPECT_TRUE(Item("Hover")->isExpanded()); // a double click does not fold a group
    EXPECT_EQ(Steps(), 0);                    // OK without a change is no step
    EXPECT_FALSE(window->IsDirty());

    change = [](SkinElement& e) { e.SetName("Lamp lit"); };
    DoubleClick(Item("Lamp"));
    EXPECT_EQ(Tree(), "Top; Hover (Close, Lamp lit); Side; Label; Knob");
    EXPECT_EQ(window->UndoStack()->undoText(), "Edit Lamp lit");
    EXPECT_TRUE(window->IsDirty());

    answer = false;
    DoubleClick(Item("Top"));
    EXPECT_EQ(Steps(), 1);
}

TEST_F(EditingWindow, ALiveEditRefreshesItsItem) {
    Open(WriteSkin());
    SkinElement& knob = window->Document().elements[6];
    knob.SetName("Knob with action");
    knob.As<ButtonRecord>()->action = 3;
    window->RefreshTreeItem(6);
    QTreeWidgetItem* item = Item("Knob with action");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->icon(0).cacheKey(), PictureStrip()[Picture::ActionButton].cacheKey());
    knob.As<ButtonRecord>()->action = 0;
    window->RefreshTreeItem(6);
    EXPECT_EQ(item->icon(0).cacheKey(), PictureStrip()[Picture::PlainBitmap].cacheKey());
}

TEST_F(EditingWindow, GreyingFollowsTheNoteSettings) {
    Open(QStringLiteral(DRAPIER_EXAMPLES "/rich/rich.ini"));
    auto colour = [&](const QString& label) { return window->Tree()->ItemColour(Item(label)); };
    auto width = window->findChild<IntegerBox*>("width");
    EXPECT_EQ(colour("focus"), kGrey);
    EXPECT_EQ(colour("Focus accent"), kGrey);
    EXPECT_NE(colour("nofocus"), kGrey);
    EXPECT_NE(colour("Quiet accent"), kGrey);
    window->findChild<QCheckBox*>("focus")->setChecked(true);
    EXPECT_NE(colour("focus"), kGrey);
    EXPECT_NE(colour("Focus accent"), kGrey);
    EXPECT_EQ(colour("Quiet accent"), kGrey);

    // The narrow layout takes over below 200 pixels: the default layout greys, the layout darkens.
    EXPECT_NE(window->Tree()->ItemColour(window->DefaultLayoutItem()), kGrey);
    EXPECT_EQ(colour("Narrow"), kGrey);
    width->SetValue(150);
    EXPECT_EQ(window->Tree()->ItemColour(window->DefaultLayoutItem()), kGrey);
    EXPECT_NE(colour("Narrow"), kGrey);
    EXPECT_FALSE(window->IsDirty());
}

TEST_F(EditingWindow, AnEntryOfNoKnownKindIsReported) {
    window->Document().Append(SkinElement::Make(ElementKind::Blank));
    window->RebuildTree();
    window->RedrawPreview();
    EXPECT_EQ(prompter.shown, QStringList("Should never be here"));

    // A group whose member is itself a group: the copy leaves that one out and says so.
    window->Document().elements.clear();
    window->Document().Append(Entry(ElementKind::Group, "outer"));
    window->Document().Append(Entry(ElementKind::Group, "inner", "outer"));
    window->RebuildTree(0);
    window->CopySelected();
    EXPECT_EQ(prompter.shown.last(),
              "Should never be here as children have to be a real element not a group");
    EXPECT_EQ(Tree(), "outer (inner); outer (copy)");
}
