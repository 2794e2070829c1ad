#include "EditingFixture.h"
#include "designer/CommandIds.h"
#include "dialogs/LintDlg.h"
#include "widgets/BitmapMenu.h"
#include "widgets/IntegerBox.h"
#include "widgets/SheetCanvas.h"

#include <QLabel>

namespace {

const QString kNoName = "ERROR: The skin has no name.  Click Edit/Info to set this\n\n";
const QString kMinimumWidth = "WARN: The Minimum Width is set very low\n\n";

class CheckAndLint : public EditingWindow {
protected:
    // The File menu's item for the command, as the user reaches it.
    QAction* FileItem(int command) {
        QMenu* file = window->MenuBar()->actions().first()->menu();
        window->PrepareMenu(file);
        return FindCommand(file, command);
    }

    // A named skin with a narrow layout of a low minimum width, a button cut partly outside its 32 by 16
    // picture, and a drawn corner of the picture that no element uses.
    QString MakeSkin() {
        SkinDocument d;
        d.settings.skinname = "Lint me";
        d.layout.left = d.layout.right = d.layout.bottom = 3;
        SkinElement narrow = Entry(ElementKind::Group, "narrow");
        narrow.As<GroupRecord>()->rules = {{"Width", "is less than", "200"}};
        d.Append(narrow);
        SkinElement layout = Entry(ElementKind::Layout, "Narrow", "narrow");
        SkinLayout& l = *layout.As<SkinLayout>();
        l.left = l.right = l.bottom = 3;
        l.minimumwidth = 80;
        d.Append(layout);
        SkinElement close = Entry(ElementKind::Button, "Close");
        close.As<ButtonRecord>()->size = {8, 8};
        close.As<ButtonRecord>()->source = {28, 0};
        d.Append(close);
        const QString path = dir.filePath("lint.ini");
        QString error;
        EXPECT_TRUE(WriteSkinFile(d, path, "lint.png", &error)) << error.toStdString();
        QImage picture(32, 16, QImage::Format_ARGB32);
        picture.fill(Qt::transparent);
        for (int x = 0; x < 4; ++x)
            picture.setPixelColor(x, 12, QColor(10, 20, 30));
        EXPECT_TRUE(picture.save(dir.filePath("lint.png")));
        return path;
    }
};

} // namespace

TEST_F(CheckAndLint, CheckForErrorsReportsForTheStateOfTheBoxes) {
    QAction* check = FileItem(Command::FileCheck);
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(check->text(), "Check for E&rrors");
    EXPECT_TRUE(check->isEnabled());

    // The default skin has no name.
    check->trigger();
    EXPECT_EQ(prompter.shown, QStringList{kNoName});

    prompter.files.push_back(MakeSkin());
    window->FileOpen();
    check->trigger();
    EXPECT_EQ(prompter.shown.last(), "No errors found");

    // A narrow note brings in the layout whose minimum width is low.
    window->findChild<IntegerBox*>("width")->SetValue(150);
    check->trigger();
    EXPECT_EQ(prompter.shown.last(), kMinimumWidth);

    // In stack mode the elements are checked too.
    window->RunCommand(Command::StackMode);
    window->Document().elements[2].As<ButtonRecord>()->action = 3;
    check->trigger();
    EXPECT_EQ(prompter.shown.last(),
              kMinimumWidth + "WARN: Button 'Close' uses an invalid action for a stack.\n");
    EXPECT_EQ(prompter.unexpected, 0);
}

TEST_F(CheckAndLint, LintWindowFollowsTheDocumentAndShowsTheChosenFinding) {
    prompter.files.push_back(MakeSkin());
    window->FileOpen();
    QAction* item = FileItem(Command::FileLint);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), QString("Check Sprite Sheet") + QChar(0x2026));
    item->trigger();

    QLintDlg* lint = window->LintWindow();
    ASSERT_NE(lint, nullptr);
    EXPECT_TRUE(lint->isVisible());
    EXPECT_FALSE(lint->isModal());
    QTreeWidget* list = lint->List();
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(0)->text(0), "source-outside");
    EXPECT_EQ(list->topLevelItem(0)->text(1),
              "Button 'Close' (element 2): source 28,0 with size 8x8 runs outside the 32x16 picture");
    EXPECT_EQ(list->topLevelItem(1)->text(0), "uncovered-area");
    EXPECT_EQ(list->topLevelItem(1)->text(1),
              "Picture area 0,8 to 8,16 has visible pixels that no source rectangle covers");
    EXPECT_EQ(lint->findChild<QLabel*>("summary")->text(), "2 findings.");

    // Choosing a finding selects its element and tints its rectangle.
    SheetCanvas* view = window->findChild<SheetCanvas*>("sourceView");
    list->setFocus();
    list->setCurrentItem(list->topLevelItem(0));
    EXPECT_EQ(window->SelectedEntry(), 2);
    EXPECT_EQ(view->ExtraTint(), QRect(28, 0, 8, 8));
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(window->SelectedEntry(), 2);
    EXPECT_EQ(view->ExtraTint(), QRect(0, 8, 8, 8));

    // An edit that mends the button: the window lints again by itself, shortly after.
    window->Document().elements[2].As<ButtonRecord>()->source = {0, 8};
    window->RedrawPreview();
    EXPECT_TRUE(lint->RefreshPending());
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->topLevelItemCount() == 0; }, 5000));
    EXPECT_EQ(lint->findChild<QLabel*>("summary")->text(), "No findings.");
    EXPECT_TRUE(view->ExtraTint().isEmpty());

    // A finding comes back; the window keeps to the one chosen while the list changes around it.
    window->Document().Append(Entry(ElementKind::Group, "Spare"));
    window->MarkDirty();
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->topLevelItemCount() == 1; }, 5000));
    list->setCurrentItem(list->topLevelItem(0));
    EXPECT_EQ(window->SelectedEntry(), 3);
    EXPECT_TRUE(view->ExtraTint().isEmpty());
    window->Document().elements[2].As<ButtonRecord>()->source = {30, 0};
    window->MarkDirty();
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->topLevelItemCount() == 3; }, 5000));
    EXPECT_EQ(lint->ChosenFinding(), 1);
    EXPECT_EQ(list->selectedItems().first()->text(0), "unused-group");

    // Closed, it lets go of the tint and does no work on changes.
    list->setCurrentItem(list->topLevelItem(0));
    EXPECT_EQ(view->ExtraTint(), QRect(30, 0, 8, 8));
    QTest::keyClick(list, Qt::Key_Escape);
    EXPECT_FALSE(lint->isVisible());
    EXPECT_TRUE(view->ExtraTint().isEmpty());
    window->RedrawPreview();
    EXPECT_FALSE(lint->RefreshPending());

    // Opened again, it shows the document as it is now.
    window->Document().elements[2].As<ButtonRecord>()->source = {0, 8};
    window->RunCommand(Command::FileLint);
    EXPECT_TRUE(lint->isVisible());
    EXPECT_EQ(window->LintWindow(), lint);
    ASSERT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(list->topLevelItem(0)->text(0), "unused-group");
    EXPECT_EQ(lint->ChosenFinding(), -1);
    EXPECT_EQ(prompter.unexpected, 0);
}

TEST_F(CheckAndLint, LintOfASkinWithoutAPicture) {
    prompter.files.push_back(MakeSkin());
    window->FileOpen();
    window->Document().image.Clear();
    window->RunCommand(Command::FileLint);
    QLintDlg* lint = window->LintWindow();
    ASSERT_NE(lint, nullptr);
    EXPECT_EQ(lint->List()->topLevelItemCount(), 0);
    EXPECT_EQ(lint->findChild<QLabel*>("summary")->text(),
              "No findings. The skin has no picture, so its source rectangles and areas are not checked.");
}
