#include "DialogFixture.h"
#include "dialogs/AuthorDlg.h"
#include "dialogs/ColourPick.h"
#include "dialogs/GroupDlg.h"
#include "dialogs/SettingsDlg.h"
#include "dialogs/SizeLimitRow.h"
#include "document/SkinLoader.h"
#include "document/SkinWriter.h"
#include "document/StyleString.h"
#include "picture/Canvas.h"
#include "render/RenderPreview.h"
#include "widgets/ColourSwatch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

using SkinDialogs = DialogFixture;

QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

TEST_F(SkinDialogs, DefaultLayoutIsNamedDefaultLayout) {
    document.layout.name = "Layout";
    document.layout.scrollbardrawheightminimum = 30;
    document.layout.scrollbardrawheightmaximum = 400;
    EXPECT_TRUE(Edit(-1, [&](QDialog* dialog) {
        auto* layout = static_cast<QSettingsDlg*>(dialog);
        EXPECT_EQ(layout->windowTitle(), "Layout");
        EXPECT_EQ(layout->NameBox()->text(), "Default layout");
        EXPECT_FALSE(layout->NameBox()->isEnabled());
        EXPECT_EQ(layout->ScrollHeightLimit()->Relation()->currentText(), "more than");
        TypeInto(Named<IntegerBox>(dialog, "Top Border:"), "31");
        EXPECT_EQ(document.layout.top, 31);
        EXPECT_EQ(document.layout.scrollbardrawheightminimum, -1);
        EXPECT_EQ(document.layout.scrollbardrawheightmaximum, 400);
        Named<QComboBox>(dialog, "Right: mode", " Title bar ")->setCurrentIndex(1);
        EXPECT_EQ(document.layout.titlebar.right.mode, PlacementMode::Middle);
        layout->EnableScrollbar()->click();
        EXPECT_TRUE(document.layout.usescrollbar);
        layout->OkButton()->click();
    }));
    EXPECT_EQ(document.layout.name, "Default layout");

    // A layout element's name is its own, taken on OK only.
    const int entry = Add(ElementKind::Layout, "Narrow");
    EXPECT_TRUE(Edit(entry, [&](QDialog* dialog) {
        auto* layout = static_cast<QSettingsDlg*>(dialog);
        EXPECT_TRUE(layout->NameBox()->isEnabled());
        TypeInto(layout->NameBox(), "Wide");
        TypeInto(Named<IntegerBox>(dialog, "Min Width:"), "400");
        EXPECT_EQ(Record<SkinLayout>(entry).name, "Narrow");
        EXPECT_EQ(Record<SkinLayout>(entry).minimumwidth, 400);
        layout->OkButton()->click();
    }));
    EXPECT_EQ(Record<SkinLayout>(entry).name, "Wide");
}

TEST_F(SkinDialogs, StackLayoutOffersNoRollingAndNoScrollBar) {
    context.stackMode = true;
    EXPECT_TRUE(Edit(-1, [&](QDialog* dialog) {
        const QStringList enabled = {
            "Top Border:", "Left Border:", "Right Border:", "Bottom Border:", "Min Width:", "Min Height:"};
        for (const QString& name : enabled)
            EXPECT_TRUE(Named<IntegerBox>(dialog, name)->isEnabled()) << name.toStdString();
        for (const QString& name : {"Left:", "Top:", "Right:", "Height:"})
            EXPECT_TRUE(Named<IntegerBox>(dialog, name, " Title bar ")->isEnabled()) << name.toStdString();
        EXPECT_FALSE(Named<IntegerBox>(dialog, "Rolled Height:")->isEnabled());
        EXPECT_FALSE(Named<IntegerBox>(dialog, "Minimum thumbtrack height:")->isEnabled());
        EXPECT_FALSE(Titled(dialog, "Enable Scrollbar")->isEnabled());
        for (const QString& name : {"Left:", "Top:", "Bottom:", "Width:"})
            EXPECT_FALSE(Named<IntegerBox>(dialog, name, " Range ")->isEnabled()) << name.toStdString();
        auto* layout = static_cast<QSettingsDlg*>(dialog);
        for (SizeLimitRow* row : {layout->ScrollWidthLimit(), layout->ScrollHeightLimit()}) {
            EXPECT_FALSE(row->CheckBox()->isEnabled());
            EXPECT_FALSE(row->Relation()->isEnabled());
            EXPECT_FALSE(row->NumberBox()->isEnabled());
        }
        layout->OkButton()->click();
    }));
}

TEST_F(SkinDialogs, GroupFieldsOperatorsValuesAndRules) {
    const int entry = Add(ElementKind::Group, "Main");
    GroupRecord& group = Record<GroupRecord>(entry);
    group.rules = {{"Width", "is greater than", "300"}};
    QString typed;
    context.nameGroup = [&](int named, const QString& name) {
        EXPECT_EQ(named, entry);
        typed = name;
    };
    EXPECT_TRUE(Edit(entry, [&](QDialog* dialog) {
        auto* groups = static_cast<QGroupDlg*>(dialog);
        EXPECT_EQ(groups->Field()->currentText(), "Alarm set");
        EXPECT_EQ(Items(groups->Operator()),
                  QStringList({"is", "is not", "is less than", "is greater than", "contains"}));
        EXPECT_TRUE(groups->Field()->findText("Title") >= 0);
        EXPECT_EQ(groups->Field()->findText("Stack count"), -1);
        EXPECT_EQ(groups->Rules()->item(0)->text(), "Width is greater than 300");
        EXPECT_FALSE(groups->NoRulesNote()->isVisible());

        const auto choose = [&](const QString& field) {
            const int row = groups->Field()->findText(field);
            groups->Field()->setCurrentIndex(row);
            emit groups->Field()->activated(row);
        };
        choose("Width");
        EXPECT_EQ(Items(groups->Operator()),
                  QStringList({"is", "is not", "is less than", "is greater than"}));
        EXPECT_TRUE(groups->Operator()->isEnabled());
        EXPECT_EQ(groups->Value()->currentText(), "");
        choose("Rolled");
        EXPECT_EQ(Items(groups->Operator()), QStringList({"is"}));
        EXPECT_FALSE(groups->Operator()->isEnabled());
        EXPECT_EQ(Items(groups->Value()), QStringList({"true", "false"}));
        EXPECT_EQ(groups->Value()->currentText(), "true");
        groups->AddButton()->click();
        choose("Title");
        EXPECT_EQ(Items(groups->Operator()), QStringList({"is", "is not", "contains", "does not contain"}));
        groups->Operator()->setCurrentIndex(2);
        groups->AddButton()->click(); // with an empty value
        ASSERT_EQ(group.rules.size(), 3u);
        EXPECT_EQ(group.rules[1], (GroupRule{"Rolled", "is", "true"}));
        EXPECT_EQ(group.rules[2], (GroupRule{"Title", "contains", ""}));
        EXPECT_EQ(groups->Rules()->item(2)->text(), "Title contains ");

        const int before = redraws;
        groups->Enabled()->click();
        groups->MatchAny()->click();
        EXPECT_FALSE(group.enabled);
        EXPECT_FALSE(group.match);
        EXPECT_EQ(redraws, before + 2);

        groups->DeleteButton()->click(); // nothing selected: nothing deleted
        EXPECT_EQ(group.rules.size(), 3u);
        for (int i = 0; i < 3; ++i) {
            groups->Rules()->setCurrentRow(0);
            groups->DeleteButton()->click();
        }
        EXPECT_TRUE(group.rules.empty());
        EXPECT_TRUE(groups->NoRulesNote()->isVisible());
        EXPECT_EQ(groups->NoRulesNote()->text(),
                  "Note: groups with no conditions means that elements in them will always show");

        // The name box writes what is typed in lower case and applies nothing.
        groups->NameBox()->end(false);
        QTest::keyClicks(groups->NameBox(), "XY");
        EXPECT_EQ(groups->NameBox()->text(), "Mainxy");
        groups->NameBox()->setCursorPosition(1);
        QTest::keyClicks(groups->NameBox(), "Q");
        EXPECT_EQ(groups->NameBox()->text(), "Mqainxy");
        groups->NameBox()->setText("aA");
        groups->NameBox()->setCursorPosition(1);
        QTest::keyClicks(groups->NameBox(), "A");
        EXPECT_EQ(groups->NameBox()->text(), "aaA");
        TypeInto(groups->NameBox(), "Side");
        EXPECT_EQ(groups->NameBox()->text(), "side");
        EXPECT_EQ(group.name, "Main");
        groups->OkButton()->click();
    }));
    EXPECT_EQ(typed, "side");
    EXPECT_EQ(group.name, "Main"); // naming is the caller's
}

TEST_F(SkinDialogs, GroupCancelRestoresRulesFlagAndMatchExactly) {
    context.stackMode = true;
    const int entry = Add(ElementKind::Group, "pile");
    GroupRecord& group = Record<GroupRecord>(entry);
    group.rules = {{"Stack count", "is", "3"}, {"Has focus", "is", "true"}};
    const GroupRecord before = group;
    bool named = false;
    context.nameGroup = [&](int, const QString&) { named = true; };
    EXPECT_FALSE(Edit(entry, [&](QDialog* dialog) {
        auto* groups = static_cast<QGroupDlg*>(dialog);
        EXPECT_EQ(Items(groups->Field()),
                  QStringList({"Alarm set", "BG colour is light", "DPI", "Has focus", "Height", "In stack",
                               "On top", "Stack count", "Stack name", "Width"}));
        groups->Rules()->setCurrentRow(0);
        groups->DeleteButton()->click();
        groups->AddButton()->click();
        groups->Enabled()->click();
        groups->MatchAny()->click();
        EXPECT_NE(group, before);
        groups->CancelButton()->click();
    }));
    EXPECT_EQ(group, before);
    EXPECT_FALSE(named);
}

TEST_F(SkinDialogs, SkinInfoWorksOnACopyAndClearsTheStyle) {
    SkinSettings settings;
    settings.skinname = "Ribbon";
    settings.notes = "one\r\ntwo";
    settings.defaultstyle = "-16|0|0|0|400|0|0|0|0|0|0|0|0|Arial|10|20|30|40|50|60";
    settings.titletooltip = 8;

    context.stackMode = true;
    EXPECT_FALSE(EditSkinInfo(&window, settings, context).has_value());
    context.stackMode = false;

    OnNextDialog([&](QDialog* dialog) {
        auto* info = static_cast<QAuthorDlg*>(dialog);
        EXPECT_EQ(info->windowTitle(), "Skin info and settings");
        EXPECT_EQ(info->StyleButton()->text(), "Arial, 12pt");
        EXPECT_EQ(info->NoteColour()->GetColour(), MakeColour(40, 50, 60));
        EXPECT_EQ(info->FontColour()->GetColour(), MakeColour(10, 20, 30));
        EXPECT_EQ(info->Notes()->toPlainText(), "one\ntwo");
        EXPECT_EQ(Named<QComboBox>(dialog, "Tooltip shows:")->currentText(), "title");
        info->ClearButton()->click();
        EXPECT_EQ(info->StyleButton()->text(), "None set");
        EXPECT_EQ(info->NoteColour()->GetColour(), MakeColour(0, 0, 0));
        TypeInto(Named<QLineEdit>(dialog, "Border width:"), "7px");
        dialog->accept();
    });
    const std::optional<SkinSettings> cleared = EditSkinInfo(&window, settings, context);
    ASSERT_TRUE(cleared.has_value());
    EXPECT_EQ(cleared->defaultstyle, "");
    EXPECT_EQ(cleared->notes, "one\r\ntwo"); // untouched notes keep their line breaks
    EXPECT_EQ(cleared->selectedborderwidth, 7);
    EXPECT_EQ(cleared->skinname, "Ribbon");

    // Cancel hands nothing back.
    OnNextDialog([](QDialog* dialog) {
        static_cast<QAuthorDlg*>(dialog)->ClearButton()->click();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    EXPECT_FALSE(EditSkinInfo(&window, settings, context).has_value());
}

TEST_F(SkinDialogs, SkinInfoStyleFontColoursAndFontSize) {
    SkinSettings settings;
    settings.defaultstyle = "-13|0|0|0|400|0|0|0|0|0|0|0|0|Old Face|10|20|30|40|50|60";
    // Named with its foundry, as the chooser names a family two foundries provide.
    QFont chosen("DejaVu Sans [Misc]");
    chosen.setPointSize(12);
    chosen.setWeight(QFont::Bold);
    chosen.setItalic(true);
    prompter.fonts = {std::nullopt, chosen};
    prompter.colours = {MakeColour(1, 2, 3), MakeColour(4, 5, 6)};
    OnNextDialog([&](QDialog* dialog) {
        auto* info = static_cast<QAuthorDlg*>(dialog);
        info->StyleButton()->click(); // cancelled: nothing changes
        EXPECT_EQ(info->StyleButton()->text(), "Old Face, 10pt");
        info->StyleButton()->click();
        EXPECT_EQ(info->StyleButton()->text(), "DejaVu Sans, 12pt");
        info->NoteColour()->PickButton()->click();
        info->FontColour()->PickButton()->click();
        EXPECT_EQ(info->NoteColour()->GetColour(), MakeColour(1, 2, 3));
        TypeInto(info->FontSize(), "9x");
        dialog->accept();
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(prompter.shown, QStringList({"Please enter an integer."}));
        TypeInto(info->FontSize(), "9");
        dialog->accept();
    });
    const std::optional<SkinSettings> edited = EditSkinInfo(&window, settings, context);
    ASSERT_TRUE(edited.has_value());
    ASSERT_EQ(prompter.fontStarts.size(), 2u);
    EXPECT_EQ(prompter.fontStarts[0].family(), "Old Face");
    EXPECT_EQ(prompter.fontStarts[0].pointSize(), 10);
    EXPECT_EQ(prompter.colourStarts, std::vector<Colour>({MakeColour(40, 50, 60), MakeColour(10, 20, 30)}));
    EXPECT_EQ(edited->defaultstyle, "-16|0|0|0|700|1|0|0|1|0|0|0|0|DejaVu Sans|4|5|6|1|2|3");
    EXPECT_EQ(edited->tooltipfontsize, 9);
}

// Every control of every kind is worked, then the dialog cancelled: the skin file is what it was.
TEST_F(SkinDialogs, CancelLeavesTheSkinFileByteForByte) {
    ASSERT_TRUE(LoadSkin(document, DRAPIER_EXAMPLES "/rich/rich.ini", {}));
    QTemporaryDir dir;
    const auto bytes = [&](const QString& name) {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(WriteSkinFile(document, path, document.bitmap, nullptr));
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray before = bytes("before.ini");
    for (int entry = -1; entry < int(document.elements.size()); ++entry) {
        const int redrawsBefore = redraws;
        EXPECT_FALSE(Edit(entry, [&](QDialog* dialog) {
            for (IntegerBox* box : dialog->findChildren<IntegerBox*>()) {
                if (box->isEnabled())
                    TypeInto(box, "77");
            }
            for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
                if (button->isEnabled() &&
                    (qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button)))
                    button->click();
            }
            for (QComboBox* box : dialog->findChildren<QComboBox*>()) {
                if (box->isEnabled() && !box->isEditable())
                    box->setCurrentIndex(box->count() - 1);
            }
            for (const char* text : {"Add", "Delete"}) {
                for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
                    if (button->text() == text)
                        button->click();
                }
            }
            ClickCancel(dialog);
        })) << entry;
        EXPECT_GT(redraws, redrawsBefore + 1) << entry;
    }
    EXPECT_EQ(bytes("after.ini"), before);
    EXPECT_EQ(prompter.shown, QStringList());
}

// Whatever is typed into any number box, the record takes a number and the preview is drawn.
TEST_F(SkinDialogs, AbsurdNumbersNeverUpsetThePreview) {
    ASSERT_TRUE(LoadSkin(document, DRAPIER_EXAMPLES "/rich/rich.ini", {}));
    Canvas preview(400, 260);
    NoteSettings settings;
    settings.width = 260;
    settings.height = 160;
    int drawn = 0;
    context.redraw = [&] {
        RenderPreview(document, settings, PreviewOptions{}, preview);
        ++drawn;
    };
    // The first element of each kind, and the default layout.
    QList<int> entries = {-1};
    QList<ElementKind> seen;
    for (int entry = 0; entry < int(document.elements.size()); ++entry) {
        if (!seen.contains(document.elements[entry].Kind())) {
            seen << document.elements[entry].Kind();
            entries << entry;
        }
    }
    const QStringList absurd = {"2147483647", "-2147483648", "99999999999999", "-99999999999999", "",
                                "abc",        "+0"};
    for (const int entry : entries) {
        EXPECT_FALSE(Edit(entry, [&](QDialog* dialog) {
            for (const QString& text : absurd) {
                for (IntegerBox* box : dialog->findChildren<IntegerBox*>()) {
                    if (box->isEnabled())
                        box->findChild<QLineEdit*>()->setText(text);
                }
            }
            dialog->reject();
        })) << entry;
    }
    EXPECT_GT(drawn, 500);
}

} // namespace
