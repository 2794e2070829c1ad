#include "EditingFixture.h"
#include "designer/CommandIds.h"
#include "designer/SkinFileWatcher.h"
#include "document/SkinWriter.h"
#include "package/SkinPackageExport.h"
#include "widgets/BitmapMenu.h"
#include "widgets/ColourSwatch.h"
#include "widgets/IntegerBox.h"
#include "widgets/TreeCtrlEx.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QString kProgram = " - Pinlets Skin Designer v4.31";

// A skin file's text after its UTF-16 mark.
QString SkinText(const QString& path) {
    const QByteArray bytes = FileBytes(path);
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData() + 2),
                              (bytes.size() - 2) / 2);
}

class DesignerWindow : public EditingWindow {
protected:
    // A skin file with a strip, a group with a member and a rolled-only text, and its PNG beside it.
    QString MakeSkin(const QString& name, int mode = 0) {
        SkinDocument document;
        document.settings.mode = mode;
        document.Append(Entry(ElementKind::HStrip, "Top"));
        document.Append(Entry(ElementKind::Group, "Hover"));
        document.Append(Entry(ElementKind::Button, "Close", "hover"));
        SkinElement rolledOnly = Entry(ElementKind::Text, "Rolled title");
        rolledOnly.Common()->drawunrolled = false;
        rolledOnly.Common()->drawrolled = true;
        document.Append(rolledOnly);
        return WriteSkinFrom(document, name, 40, 20);
    }

    // An edit the window itself offers: picking a region colour marks the skin changed. Each pick is
    // another colour, as choosing the colour the skin already has changes nothing.
    void Edit() {
        prompter.colours.push_back(MakeColour(1, 2, 3 + edits++));
        Click("pickRegion");
    }

    QString Title() const { return window->windowTitle(); }

    int edits = 0;
};

TEST_F(DesignerWindow, StartsUntitledWithTheDefaultSkinAndStartValues) {
    EXPECT_EQ(Title(), "(untitled)" + kProgram);
    EXPECT_FALSE(window->IsDirty());
    EXPECT_TRUE(window->Document().elements.empty());
    EXPECT_EQ(window->Document().image.Width(), 80);
    const NoteSettings settings = window->CurrentNoteSettings();
    EXPECT_EQ(settings.width, 300);
    EXPECT_EQ(settings.height, 100);
    EXPECT_EQ(settings.scrolltop, 25);
    EXPECT_EQ(settings.scrollbottom, 100);
    EXPECT_EQ(settings.dpi, 96);
    EXPECT_EQ(settings.title, "Pinlets Drapier");
    EXPECT_EQ(settings.source, "Ivo Brannet");
    EXPECT_EQ(settings.stackname, "Reference");
    EXPECT_EQ(settings.notecolour, MakeColour(255, 255, 180));
    EXPECT_EQ(settings.pencolour, MakeColour(255, 64, 255));
    EXPECT_FALSE(settings.created.isEmpty());
    EXPECT_EQ(window->Tree()->topLevelItemCount(), 2);
    EXPECT_EQ(window->DefaultLayoutItem()->text(0), "Default Layout");
    EXPECT_EQ(window->ElementsItem()->text(0), "Elements");
    EXPECT_EQ(prompter.shown, QStringList());
}

TEST_F(DesignerWindow, TitleAndDirtyFlagThroughEditSaveAndNew) {
    Edit();
    EXPECT_TRUE(window->IsDirty());
    EXPECT_EQ(Title(), "* (untitled)" + kProgram);

    prompter.files.push_back(dir.filePath("blue"));
    EXPECT_TRUE(window->FileSave());
    EXPECT_TRUE(QFile::exists(dir.filePath("blue.ini")));
    EXPECT_EQ(window->SkinPath(), dir.filePath("blue.ini"));
    EXPECT_EQ(Title(), "blue.ini" + kProgram);
    EXPECT_FALSE(window->IsDirty());
    EXPECT_EQ(window->Recent()[0], dir.filePath("blue.ini"));

    Edit();
    EXPECT_EQ(Title(), "* blue.ini" + kProgram);
    EXPECT_TRUE(window->FileSave()); // to the same file, no chooser
    EXPECT_EQ(Title(), "blue.ini" + kProgram);

    Edit();
    prompter.yesNoCancel.push_back(Prompter::Answer::No);
    window->FileNew();
    EXPECT_EQ(prompter.shown.last(), "Save changes?");
    EXPECT_EQ(Title(), "(untitled)" + kProgram);
    EXPECT_FALSE(window->IsDirty());
    EXPECT_TRUE(window->SkinPath().isEmpty());
    EXPECT_EQ(prompter.unexpected, 0);
}

TEST_F(DesignerWindow, SavePromptAnswers) {
    const QString skin = MakeSkin("answers");
    Open(skin);
    ASSERT_EQ(window->Document().elements.size(), 4u);

    // Cancel: nothing happens.
    Edit();
    prompter.yesNoCancel.push_back(Prompter::Answer::Cancel);
    window->FileNew();
    EXPECT_EQ(window->Document().elements.size(), 4u);
    EXPECT_TRUE(window->IsDirty());

    // Yes: saved, then the command goes on.
    prompter.yesNoCancel.push_back(Prompter::Answer::Yes);
    window->FileNew();
    EXPECT_TRUE(window->Document().elements.empty());
    EXPECT_FALSE(window->IsDirty());
    EXPECT_TRUE(SkinText(skin).contains("region=1,2,3"));

    // No: the changes are dropped.
    Edit();
    prompter.yesNoCancel.push_back(Prompter::Answer::No);
    window->FileNew();
    EXPECT_FALSE(window->IsDirty());
    EXPECT_EQ(prompter.shown.count("Save changes?"), 3);
    EXPECT_EQ(prompter.unexpected, 0);
}

TEST_F(DesignerWindow, YesThatSavesNothingStopsTheCommand) {
    window->Document().Append(Entry(ElementKind::HStrip, "unsaved work"));
    Edit();

    // The untitled skin's save turns into Save As, whose chooser is cancelled.
    prompter.yesNoCancel.push_back(Prompter::Answer::Yes);
    prompter.files.push_back(QString());
    window->FileNew();
    EXPECT_TRUE(window->IsDirty());
    EXPECT_EQ(window->Document().elements.size(), 1u);

    prompter.yesNoCancel.push_back(Prompter::Answer::Yes);
    prompter.files.push_back(QString());
    window->FileOpen();
    EXPECT_EQ(prompter.fileInitials.size(), 2); // the Open chooser never came up
    EXPECT_TRUE(window->IsDirty());

    // A write that fails is reported and stops the command too.
    const QString unwritable = dir.filePath("missing-folder/new.ini");
    prompter.yesNoCancel.push_back(Prompter::Answer::Yes);
    prompter.files.push_back(unwritable);
    window->FileNew();
    EXPECT_TRUE(prompter.shown.last().startsWith("Error saving " + unwritable + ": "));
    EXPECT_TRUE(window->IsDirty());
    EXPECT_TRUE(window->SkinPath().isEmpty());
    EXPECT_EQ(window->Document().elements.size(), 1u);

    // Exit: Yes with a cancelled chooser, then Cancel, keep the window open.
    window->show();
    prompter.yesNoCancel.push_back(Prompter::Answer::Yes);
    prompter.files.push_back(QString());
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    prompter.yesNoCancel.push_back(Prompter::Answer::Cancel);
    window->RunCommand(Command::FileExit);
    EXPECT_TRUE(window->isVisible());

    prompter.yesNoCancel.push_back(Prompter::Answer::No);
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());
}

TEST_F(DesignerWindow, CleanWindowClosesWithoutAsking) {
    window->show();
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(DesignerWindow, SaveOfAPackagedSkinAsksForASkinFile) {
    const QString skin = MakeSkin("packed");
    const QString package = dir.filePath("packed.qsk");
    QString reason;
    ASSERT_TRUE(ExportSkinPackage(package, {skin, dir.filePath("packed.png"), QString()}, &reason))
        << reason.toStdString();
    const QByteArray packageBytes = FileBytes(package);

    Open(package);
    EXPECT_EQ(Title(), "packed.qsk" + kProgram);
    EXPECT_EQ(window->Document().elements.size(), 4u);
    Edit();
    prompter.files.push_back(dir.filePath("unpacked"));
    EXPECT_TRUE(window->FileSave());
    EXPECT_EQ(FileBytes(package), packageBytes);
    EXPECT_EQ(window->SkinPath(), dir.filePath("unpacked.ini"));
    EXPECT_TRUE(QFile::exists(dir.filePath("unpacked.ini")));
}

// The catalogue writes a thumbnail named like a package's picture beside the package: opening or browsing
// the package still shows and draws the package's own picture, while the PNG path stays the folder's.
TEST_F(DesignerWindow, APackageShowsItsOwnPictureNotTheFileOfItsNameBesideIt) {
    const QString skin = MakeSkin("packed"); // its picture is 40 by 20
    const QString package = dir.filePath("packed.qsk");
    QString reason;
    ASSERT_TRUE(ExportSkinPackage(package, {skin, dir.filePath("packed.png"), QString()}, &reason))
        << reason.toStdString();
    WritePng("packed.png", 90, 30, Qt::red);
    Open(package);
    CDrapierDlg started(prompter, *store);
    started.StartUp(package); // named on the command line
    for (const CDrapierDlg* shown : {window.get(), &started}) {
        EXPECT_EQ(shown->PngPath(), dir.filePath("packed.png"));
        EXPECT_EQ(shown->SourceImage().Width(), 40);
        EXPECT_EQ(shown->Document().image.Width(), 40);
        // Nor is the folder's file watched as the skin's picture.
        EXPECT_EQ(shown->FileWatcher()->PathOf(SkinFileWatcher::File::Picture), QString());
    }
    EXPECT_EQ(prompter.unexpected, 0);
}

TEST_F(DesignerWindow, SaveAsAppendsIniUnlessPresent) {
    const struct {
        QString chosen, written;
    } cases[] = {{"plain", "plain.ini"}, {"CAPS.INI", "CAPS.INI"}, {"other.txt", "other.txt.ini"}};
    for (const auto& test : cases) {
        prompter.files.push_back(dir.filePath(test.chosen));
        EXPECT_TRUE(window->FileSaveAs());
        EXPECT_TRUE(QFile::exists(dir.filePath(test.written))) << test.written.toStdString();
        EXPECT_EQ(window->SkinPath(), dir.filePath(test.written));
        EXPECT_EQ(Title(), test.written + kProgram);
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("plain")));
    EXPECT_EQ(prompter.fileFilters.first(), "ini files (*.ini)|*.ini|All files (*.*)|*.*||");
}

TEST_F(DesignerWindow, ExportMessagesInTheirOrder) {
    window->FileExport();
    EXPECT_EQ(prompter.shown.last(), "Can't export - current skin is not yet saved");

    prompter.files.push_back(dir.filePath("blue"));
    ASSERT_TRUE(window->FileSaveAs());
    window->FileExport();
    EXPECT_EQ(prompter.shown.last(), "Can't export - no PNG loaded");

    prompter.files.push_back(WritePng("art.png", 30, 10, Qt::red));
    Click("loadPng");
    EXPECT_TRUE(window->IsDirty());
    EXPECT_EQ(window->SourceImage().Width(), 30);

    prompter.okCancel.push_back(false);
    window->FileExport();
    EXPECT_EQ(prompter.shown.last(), "You need to save changes first. Do that now?");
    EXPECT_TRUE(window->IsDirty());

    const int choosers = prompter.fileInitials.size();
    prompter.okCancel.push_back(true);
    prompter.files.push_back(dir.filePath("blue"));
    window->FileExport();
    EXPECT_FALSE(window->IsDirty());
    ASSERT_EQ(prompter.fileInitials.size(), choosers + 1);
    EXPECT_EQ(prompter.fileInitials.last(), dir.filePath("blue"));
    EXPECT_EQ(prompter.fileFilters.last(), "qsk files (*.qsk)|*.qsk|All files (*.*)|*.*||");
    EXPECT_TRUE(QFile::exists(dir.filePath("blue.qsk")));
    const int messages = prompter.shown.size();

    prompter.files.push_back(dir.filePath("no-such-folder/out"));
    window->FileExport();
    ASSERT_EQ(prompter.shown.size(), messages + 1);
    EXPECT_TRUE(
        prompter.shown.last().startsWith("Error saving " + dir.filePath("no-such-folder/out.qsk") + ": "));
    EXPECT_EQ(prompter.unexpected, 0);
}

TEST_F(DesignerWindow, OpenLoadsTreePictureAndRecentList) {
    const QString a = MakeSkin("a"), b = MakeSkin("b"), c = MakeSkin("c");
    Open(a);
    EXPECT_EQ(Title(), "a.ini" + kProgram);
    EXPECT_EQ(window->PngPath(), dir.filePath("a.png"));
    EXPECT_EQ(window->SourceImage().Width(), 40);

    EXPECT_EQ(Tree(), "Top; Hover (Close); Rolled title"); // the member stands under its group
    // Drawn only while rolled, so greyed on the unrolled note.
    EXPECT_EQ(window->Tree()->ItemColour(Item("Rolled title")), QColor(128, 128, 128));
    EXPECT_NE(window->Tree()->ItemColour(Item("Top")), QColor(128, 128, 128));
    window->findChild<QCheckBox*>("rolled")->setChecked(true);
    EXPECT_NE(window->Tree()->ItemColour(Item("Rolled title")), QColor(128, 128, 128));

    Open(b);
    Open(a);
    Open(c);
    EXPECT_EQ(window->Recent(), (RecentList{a, b, c, ""}));
    EXPECT_EQ(store->value("mru3").toString(), c);

    QMenu* file = window->MenuBar()->actions().first()->menu();
    QMenu* recent = nullptr;
    for (QAction* action : file->actions())
        if (action->text() == "Recent")
            recent = action->menu();
    ASSERT_NE(recent, nullptr);
    ASSERT_EQ(recent->actions().size(), 3);
    EXPECT_EQ(recent->actions()[0]->text(), a);
    EXPECT_EQ(CommandOf(recent->actions()[2]), Command::Recent1 + 2);

    // Reopening the newest leaves the list and the store alone.
    store->setValue("mru1", "sentinel");
    window->RunCommand(Command::Recent1);
    EXPECT_EQ(store->value("mru1").toString(), "sentinel");
    EXPECT_EQ(window->Recent()[0], a);
    EXPECT_EQ(window->SkinPath(), a);
}

TEST_F(DesignerWindow, FailedLoadIsReportedAndKeepsWhatWasRead) {
    const QString skin = MakeSkin("nopicture");
    QFile::remove(dir.filePath("nopicture.png"));
    Open(skin);
    EXPECT_EQ(prompter.shown.last(),
              "An error occurred loading the skin\n\nAre you sure the skin has a valid bitmap?");
    EXPECT_EQ(window->Document().elements.size(), 4u);
    EXPECT_EQ(window->SkinPath(), skin);
    const ImageSurface& blank = window->SourceImage();
    EXPECT_EQ(blank.Width(), 150);
    EXPECT_EQ(blank.Height(), 75);
    EXPECT_EQ(blank.BitsPerPixel(), 1);
    for (const QPoint p : {QPoint(0, 0), QPoint(75, 37), QPoint(149, 74)})
        EXPECT_EQ(blank.PixelColour(p.x(), p.y()), MakeColour(0, 0, 0));
}

TEST_F(DesignerWindow, JpegPictureKeepsItsColourKey) {
    SkinDocument document;
    document.settings.transparent = MakeColour(255, 255, 255);
    QString error;
    const QString skin = dir.filePath("photo.ini");
    ASSERT_TRUE(WriteSkinFile(document, skin, "photo.jpg", &error)) << error.toStdString();
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(QColor(255, 255, 255));
    ASSERT_TRUE(picture.save(dir.filePath("photo.jpg"), "JPG"));
    Open(skin);
    EXPECT_EQ(window->SourceImage().Width(), 40);
    EXPECT_FALSE(window->Document().pngsource);
    EXPECT_TRUE(window->Document().keyed.IsValid());
}

TEST_F(DesignerWindow, ReopenAndDrops) {
    window->FileReopen(); // no skin path: nothing
    EXPECT_TRUE(window->Document().elements.empty());

    const QString skin = MakeSkin("dropped");
    EXPECT_FALSE(window->OpenDroppedFiles({skin, skin}));
    EXPECT_FALSE(window->OpenDroppedFiles({dir.filePath("dropped.png")}));
    EXPECT_TRUE(window->Document().elements.empty());
    EXPECT_TRUE(window->OpenDroppedFiles({skin}));
    EXPECT_EQ(window->Document().elements.size(), 4u);
    EXPECT_EQ(window->Recent()[0], skin);

    window->Document().elements.clear();
    window->FileReopen();
    EXPECT_EQ(window->Document().elements.size(), 4u);
    EXPECT_EQ(prompter.unexpected, 0);
}

TEST_F(DesignerWindow, CommandLineSkinLoadsWithoutTouchingRecentList) {
    const QString skin = MakeSkin("started", 1);
    CDrapierDlg started(prompter, *store);
    started.StartUp(skin);
    EXPECT_EQ(started.windowTitle(), "started.ini" + kProgram);
    EXPECT_TRUE(started.IsStackSkin());
    EXPECT_EQ(started.Recent(), RecentList());

    CDrapierDlg failed(prompter, *store);
    failed.StartUp(dir.filePath("absent.ini"));
    EXPECT_EQ(failed.windowTitle(), "(untitled)" + kProgram);
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(DesignerWindow, ModeSwitchingEnablesTheRightControls) {
    const char* stickyOnly[] = {"created", "title",    "transmit",  "email",     "locked",
                                "rolled",  "attached", "moreabove", "morebelow", "scrollbar",
                                "image",   "user1",    "user2",     "user3",     "sync",
                                "stand",   "solo",     "pickPen",   "scrolltop", "scrollbottom"};
    const char* always[] = {"ontop", "alarm",  "focus",      "instack", "stackname", "bulk",
                            "width", "height", "pickSticky", "dpi",     "source"};
    auto expectMode = [&](bool stack) {
        for (const char* name : stickyOnly)
            EXPECT_EQ(window->findChild<QWidget*>(name)->isEnabled(), !stack) << name;
        for (const char* name : always)
            EXPECT_TRUE(window->findChild<QWidget*>(name)->isEnabled()) << name;
    };
    auto text = [&](const char* name) {
        if (auto* label = window->findChild<QLabel*>(name))
            return label->text();
        if (auto* box = window->findChild<QCheckBox*>(name))
            return box->text();
        return window->findChild<QLineEdit*>(name)->text();
    };
    window->SetCommandHandler(Command::SkinProperties, [] {});
    QMenu* view = window->MenuBar()->actions()[1]->menu();
    QMenu* edit = window->MenuBar()->actions()[2]->menu();

    const struct {
        int command;
        bool stack;
        QString source, sourceLabel, instack, highlightAreas, group;
    } modes[] = {
        {Command::StackMode, true, "3", "Count:", "Stacked up", "Title/Border Areas", " Stack settings "},
        {Command::StickyMode, false, "Ivo Brannet", "Source:", "In a Stack", "Title/Text/Scroll Areas",
         " Note settings "}};
    for (const auto& mode : modes) {
        window->RunCommand(mode.command);
        EXPECT_EQ(window->IsStackSkin(), mode.stack);
        EXPECT_EQ(window->Document().settings.mode, mode.stack ? 1 : 0);
        EXPECT_TRUE(window->IsDirty());
        expectMode(mode.stack);
        EXPECT_EQ(text("source"), mode.source);
        EXPECT_EQ(text("sourceLabel"), mode.sourceLabel);
        EXPECT_EQ(text("instack"), mode.instack);
        EXPECT_EQ(text("highlightAreas"), mode.highlightAreas);
        EXPECT_EQ(window->findChild<QGroupBox*>("noteSettings")->title(), mode.group);
        window->PrepareMenu(view);
        window->PrepareMenu(edit);
        EXPECT_EQ(FindCommand(view, Command::StickyMode)->isChecked(), !mode.stack);
        EXPECT_EQ(FindCommand(view, Command::StackMode)->isChecked(), mode.stack);
        EXPECT_EQ(FindCommand(edit, Command::SkinProperties)->isEnabled(), !mode.stack);
        EXPECT_EQ(FindCommand(edit, Command::StackDefaultColour)->isEnabled(), mode.stack);
        if (mode.stack) {
            // The stack skin's default note colour is kept in its default style.
            prompter.colours.push_back(MakeColour(10, 20, 30));
            window->RunCommand(Command::StackDefaultColour);
            EXPECT_EQ(window->Document().settings.defaultstyle, "0|0|0|0|0|0|0|0|0|0|0|0|0||0|0|0|10|20|30");
        }
    }

    // Opening a skin switches to its mode.
    prompter.yesNoCancel.push_back(Prompter::Answer::No);
    Open(MakeSkin("stacked", 1));
    EXPECT_TRUE(window->IsStackSkin());
    expectMode(true);
    EXPECT_FALSE(window->IsDirty());
}

TEST_F(DesignerWindow, EnterAndEscapeDoNotClose) {
    window->show();
    QTest::keyClick(window.get(), Qt::Key_Escape);
    QTest::keyClick(window.get(), Qt::Key_Return);
    QTest::keyClick(window.get(), Qt::Key_Enter);
    EXPECT_TRUE(window->isVisible());

    auto* title = window->findChild<QLineEdit*>("title");
    title->setFocus();
    QTest::keyClick(title, Qt::Key_Escape);
    QTest::keyClick(title, Qt::Key_Return);
    auto* pick = window->findChild<QPushButton*>("pickRegion");
    pick->setFocus();
    QTest::keyClick(pick, Qt::Key_Return);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(prompter.colourStarts.empty());
}

// A saved region colour cleared by its button: the skin is changed, and saving drops the colour.
TEST_F(DesignerWindow, ClearingTheRegionColourMarksTheSkinChanged) {
    const QString skin = MakeSkin("region");
    Open(skin);
    Edit();
    ASSERT_TRUE(window->FileSave());
    ASSERT_TRUE(SkinText(skin).contains("region=1,2,3"));
    ASSERT_FALSE(window->IsDirty());
    EXPECT_EQ(Title(), "region.ini" + kProgram);

    Click("clearRegion");
    EXPECT_EQ(window->Document().settings.region, kNoColour);
    EXPECT_EQ(window->findChild<ColourSwatch*>("regionSwatch")->GetColour(), kNoColour);
    EXPECT_TRUE(window->IsDirty());
    EXPECT_EQ(Title(), "* region.ini" + kProgram);
    ASSERT_TRUE(window->FileSave());
    EXPECT_FALSE(SkinText(skin).contains("region="));
    EXPECT_EQ(prompter.unexpected, 0);
}

TEST_F(DesignerWindow, RegionColourAndFocusCheck) {
    auto* swatch = window->findChild<ColourSwatch*>("regionSwatch");
    EXPECT_EQ(swatch->GetColour(), kNoColour);
    prompter.colours.push_back(MakeColour(255, 0, 255));
    Click("pickRegion");
    ASSERT_EQ(prompter.colourStarts.size(), 1u);
    EXPECT_EQ(prompter.colourStarts[0], MakeColour(0, 0, 0));
    EXPECT_EQ(window->Document().settings.region, MakeColour(255, 0, 255));
    EXPECT_EQ(swatch->GetColour(), MakeColour(255, 0, 255));
    EXPECT_TRUE(window->IsDirty());

    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(prompter.shown.isEmpty());
    SkinElement strip = Entry(ElementKind::HStrip, "focused");
    strip.Common()->drawfocus = true;
    window->Document().Append(strip);
    QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(prompter.shown, QStringList{"yes"});
}

TEST_F(DesignerWindow, HelpShowsTheUsageGuide) {
    window->RunCommand(Command::Help);
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_TRUE(prompter.shown[0].startsWith("Pinlets Skin Designer v4.31\n\nQuick usage guide:\n"));
    EXPECT_TRUE(
        prompter.shown[0].endsWith("    Rolled mode means just an area the size of the title bar showing\n"));
}

TEST_F(DesignerWindow, ShrinkingIsRefusedAndGrowingMovesTheRightColumn) {
    window->show();
    const QSize start = window->size();
    EXPECT_EQ(window->SmallestSize(), start);
    window->resize(start.width() - 100, start.height() - 100);
    QApplication::processEvents();
    EXPECT_EQ(window->size(), start);

    auto* preview = window->findChild<QWidget*>("previewGroup");
    auto* zoom = window->findChild<QWidget*>("sourceZoom");
    auto* tree = window->findChild<QWidget*>("elementTree");
    auto* notes = window->findChild<QWidget*>("noteSettings");
    const QRect previewBefore = preview->geometry();
    const QPoint zoomBefore = zoom->mapTo(window.get(), QPoint());
    const QRect notesBefore = notes->geometry();
    const int treeHeight = tree->height();
    window->resize(start.width() + 120, start.height() + 80);
    QApplication::processEvents();
    EXPECT_EQ(preview->geometry().right(), previewBefore.right() + 120);
    EXPECT_EQ(preview->geometry().left(), previewBefore.left());
    EXPECT_EQ(preview->geometry().height(), previewBefore.height() + 80);
    EXPECT_EQ(zoom->mapTo(window.get(), QPoint()), zoomBefore + QPoint(120, 80));
    EXPECT_EQ(tree->height(), treeHeight + 80);
    EXPECT_EQ(notes->geometry(), notesBefore);
}

} // namespace

TEST_F(DesignerWindow, NoteSettingsNumbersAreFreeIntegers) {
    const struct {
        const char* box;
        const char* typed;
        int NoteSettings::*field;
        int value;
    } rows[] = {
        {"width", "-20", &NoteSettings::width, -20},
        {"height", "", &NoteSettings::height, 0},
        {"scrolltop", "abc", &NoteSettings::scrolltop, 0},
        {"scrollbottom", "120", &NoteSettings::scrollbottom, 120},
        {"width", "12000", &NoteSettings::width, 12000},
    };
    for (const auto& row : rows) {
        auto* box = window->findChild<IntegerBox*>(row.box);
        ASSERT_NE(box, nullptr) << row.box;
        box->findChild<QLineEdit*>()->clear();
        QTest::keyClicks(box, row.typed);
        EXPECT_EQ(window->CurrentNoteSettings().*row.field, row.value) << row.box << " " << row.typed;
    }
    // The preview survives every one of them and the skin is not changed by the simulated note.
    EXPECT_FALSE(window->IsDirty());
}
