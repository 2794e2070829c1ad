#include "DialogFixture.h"
#include "dialogs/ButtonDlg.h"
#include "dialogs/ConditionsPanel.h"
#include "dialogs/IndicatorDlg.h"
#include "dialogs/PickActionDlg.h"
#include "dialogs/SizeLimitRow.h"
#include "dialogs/StripDlg.h"
#include "dialogs/TextDlg.h"
#include "document/SkinWriter.h"
#include "picture/Canvas.h"
#include "render/RenderNote.h"
#include "render/SampleNoteState.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>

namespace {

using ElementDialogs = DialogFixture;

TEST_F(ElementDialogs, EntriesWithoutADialogOpenNothing) {
    document.Append(SkinElement::Make(ElementKind::Blank));
    for (const int entry : {-2, 0, 1, 5})
        EXPECT_FALSE(EditEntry(&window, document, entry, context)) << entry;
    EXPECT_EQ(redraws, 0);
    EXPECT_EQ(context.offset, QPoint(100, 100));
}

TEST_F(ElementDialogs, SizeLimitsKeepOneLimitPerDimensionAndInsistOnIntegers) {
    const int entry = Add(ElementKind::Button);
    DrawableCommon& button = Record<ButtonRecord>(entry);
    button.drawwidthminimum = 40;
    button.drawwidthmaximum = 300;
    button.drawheightminimum = 20;
    const bool ok = Edit(entry, [&](QDialog* dialog) {
        ConditionsPanel* panel = static_cast<QElementDlg*>(dialog)->Conditions();
        SizeLimitRow* width = panel->WidthLimit();
        EXPECT_TRUE(width->CheckBox()->isChecked());
        EXPECT_EQ(width->Relation()->currentText(), "more than");
        EXPECT_EQ(TextOf(width->NumberBox()), "300");
        EXPECT_EQ(panel->HeightLimit()->Relation()->currentText(), "less than");
        EXPECT_EQ(TextOf(panel->HeightLimit()->NumberBox()), "20");
        EXPECT_EQ(width->NumberBox()->ArrowMinimum(), 0);
        EXPECT_EQ(width->NumberBox()->ArrowMaximum(), 9999);

        // Any change stores the maximum alone.
        Titled(dialog, "Draw when Rolled Up")->click();
        EXPECT_EQ(button.drawwidthminimum, -1);
        EXPECT_EQ(button.drawwidthmaximum, 300);
        EXPECT_EQ(button.drawheightminimum, 20);
        EXPECT_TRUE(button.drawrolled);

        // While typing, text that is no number reads as 0; OK refuses it and goes back to the box.
        TypeInto(width->NumberBox(), "12x");
        EXPECT_EQ(button.drawwidthmaximum, 12);
        ClickOk(dialog);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(prompter.shown, QStringList({"Please enter an integer."}));
        EXPECT_EQ(dialog->focusWidget(), width->NumberBox());

        // An unchecked row's box may hold anything; a checked one needs a number.
        TypeInto(panel->HeightLimit()->NumberBox(), "");
        panel->HeightLimit()->CheckBox()->click();
        TypeInto(width->NumberBox(), "-250");
        ClickOk(dialog);
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(button.drawwidthminimum, -1);
    EXPECT_EQ(button.drawwidthmaximum, -250);
    EXPECT_EQ(button.drawheightminimum, -1);
    EXPECT_EQ(button.drawheightmaximum, -1);
}

TEST_F(ElementDialogs, StackRefusesConditionsItCannotTest) {
    context.stackMode = true;
    const int entry = Add(ElementKind::HStrip);
    DrawableCommon& strip = Record<HStripRecord>(entry);
    strip.condition = 3; // "Network send ok"
    EXPECT_TRUE(Edit(entry, [&](QDialog* dialog) {
        ConditionsPanel* panel = static_cast<QElementDlg*>(dialog)->Conditions();
        EXPECT_FALSE(Titled(dialog, "Draw when Unrolled")->isEnabled());
        EXPECT_FALSE(Titled(dialog, "Draw when Rolled Up")->isEnabled());
        EXPECT_EQ(panel->Condition()->currentText(), "Network send ok");
        panel->DrawOnlyWhen()->click();
        EXPECT_EQ(prompter.shown, QStringList({"Can't use that condition with a Stack"}));
        EXPECT_FALSE(panel->DrawOnlyWhen()->isChecked());
        EXPECT_FALSE(strip.conditionset);

        panel->Condition()->setCurrentIndex(15); // "Focus"
        panel->DrawOnlyWhen()->click();
        EXPECT_EQ(prompter.shown.size(), 1);
        EXPECT_TRUE(strip.conditionset);
        EXPECT_EQ(strip.condition, 16);
        Titled(dialog, "false")->click();
        EXPECT_FALSE(strip.conditionvalue);
        ClickOk(dialog);
    }));
    EXPECT_TRUE(strip.conditionset);
    EXPECT_TRUE(strip.drawunrolled); // kept, though not offered
}

TEST_F(ElementDialogs, NameReachesTheElementWithTheNextChangeOrOkAndCancelPutsItBack) {
    const int entry = Add(ElementKind::Text, "Old");
    TextRecord& text = Record<TextRecord>(entry);
    EXPECT_FALSE(Edit(entry, [&](QDialog* dialog) {
        const int before = redraws;
        TypeInto(static_cast<QItemDlg*>(dialog)->NameBox(), "New name");
        EXPECT_EQ(text.name, "Old");
        EXPECT_EQ(redraws, before);
        Titled(dialog, "Bold")->click();
        EXPECT_EQ(text.name, "New name");
        EXPECT_TRUE(text.bold);
        ClickCancel(dialog);
    }));
    EXPECT_EQ(text.name, "Old");
    EXPECT_FALSE(text.bold);

    EXPECT_TRUE(Edit(entry, [&](QDialog* dialog) {
        TypeInto(static_cast<QItemDlg*>(dialog)->NameBox(), "Typed only");
        ClickOk(dialog);
    }));
    EXPECT_EQ(text.name, "Typed only");
}

TEST_F(ElementDialogs, EveryWayOfCancellingRestoresTheRecordAndKeepsTheDialogsPlace) {
    const int entry = Add(ElementKind::Indicator, "Lamp");
    const SkinElement before = document.elements[entry];
    const std::vector<std::function<void(QDialog*)>> cancels = {
        ClickCancel,
        [](QDialog* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); },
        [](QDialog* dialog) { dialog->close(); },
    };
    QPoint expected = window.pos() + QPoint(100, 100);
    int step = 0;
    for (const auto& cancel : cancels) {
        ++step;
        const int redrawsBefore = redraws;
        int redrawsOpen = 0;
        EXPECT_FALSE(Edit(entry, [&](QDialog* dialog) {
            EXPECT_EQ(dialog->pos(), expected) << step;
            auto* indicator = static_cast<QItemIndicatorDlg*>(dialog);
            indicator->Indicate()->setCurrentIndex(4);
            TypeInto(Named<IntegerBox>(dialog, "Width:"), "33");
            EXPECT_EQ(Record<IndicatorRecord>(entry).size.w, 33);
            expected = window.pos() + QPoint(10 * step, 20 + step);
            dialog->move(expected);
            redrawsOpen = redraws;
            cancel(dialog);
        })) << step;
        EXPECT_EQ(document.elements[entry], before) << step;
        EXPECT_EQ(context.offset, expected - window.pos()) << step;
        // Each live apply redraws, and so does putting the record back.
        EXPECT_GT(redrawsOpen, redrawsBefore) << step;
        EXPECT_EQ(redraws, redrawsOpen + 1) << step;
    }
}

TEST_F(ElementDialogs, DialogsOpenWhollyOnTheScreen) {
    const int entry = Add(ElementKind::Indicator);
    const QRect screen = window.screen()->availableGeometry();
    for (const QPoint offset : {QPoint(5000, 5000), QPoint(-5000, -5000), QPoint(screen.width() - 50, 10)}) {
        context.offset = offset;
        EXPECT_FALSE(Edit(entry, [&](QDialog* dialog) {
            const QRect placed(dialog->pos(), dialog->size());
            EXPECT_GE(placed.left(), screen.left());
            EXPECT_GE(placed.top(), screen.top());
            if (placed.width() <= screen.width()) {
                EXPECT_LE(placed.right(), screen.right());
            }
            if (placed.height() <= screen.height()) {
                EXPECT_LE(placed.bottom(), screen.bottom());
            }
            dialog->reject();
        }));
    }
}

TEST_F(ElementDialogs, ModeDropDownsSetOneModeAndKeepTheNumber) {
    const int entry = Add(ElementKind::VStrip);
    VStripRecord& strip = Record<VStripRecord>(entry);
    strip.place.x = {50, PlacementMode::Percent, -3};
    strip.extent.bottom = {-4, PlacementMode::BRScrollbar, 0};
    EXPECT_TRUE(Edit(entry, [&](QDialog* dialog) {
        auto* left = Named<QComboBox>(dialog, "Left: mode", " Range ");
        auto* bottom = Named<QComboBox>(dialog, "Bottom: mode", " Range ");
        EXPECT_EQ(left->currentText(), "percent");
        EXPECT_EQ(left->count(), 6);
        EXPECT_EQ(bottom->currentText(), "BR scrollbar");
        left->setCurrentIndex(0);
        EXPECT_EQ(strip.place.x, (Placement{50, PlacementMode::Sides, -3}));
        left->setCurrentIndex(5);
        EXPECT_EQ(strip.place.x.mode, PlacementMode::CenterScrollbar);
        left->setCurrentIndex(0);
        TypeInto(Named<IntegerBox>(dialog, "Left: pixel offset", " Range "), "7");
        ClickOk(dialog);
    }));
    EXPECT_EQ(strip.place.x, (Placement{50, PlacementMode::Sides, 7}));
    EXPECT_EQ(strip.extent.bottom, (Placement{-4, PlacementMode::BRScrollbar, 0}));
}

TEST_F(ElementDialogs, HorizontalStripTypeAndColours) {
    const int entry = Add(ElementKind::HStrip);
    HStripRecord& strip = Record<HStripRecord>(entry);
    strip.striptype = 2;
    strip.solidcol = MakeColour(1, 2, 3);
    strip.sourcealpha = {5, 6};
    prompter.colours = {MakeColour(200, 100, 50)};
    EXPECT_TRUE(Edit(entry, [&](QDialog* dialog) {
        auto* strips = static_cast<QStripDlg*>(dialog);
        EXPECT_EQ(Named<QComboBox>(dialog, "Right: mode", " Range ")->count(), 3);
        EXPECT_TRUE(strips->TypeRadio(2)->isChecked());
        strips->TypeRadio(1)->click();
        EXPECT_EQ(strip.striptype, 1);
        EXPECT_EQ(strip.solidcol, MakeColour(1, 2, 3));
        Named<QPushButton>(dialog, "Fade Fill: end colour Pick")->click();
        EXPECT_EQ(strip.endcol, MakeColour(200, 100, 50));
        TypeInto(strips->HeightBox(), "14");
        TypeInto(strips->WidthBox(), "6");
        ClickOk(dialog);
    }));
    EXPECT_EQ(prompter.colourStarts, std::vector<Colour>({MakeColour(255, 255, 255)}));
    EXPECT_EQ(strip.extent.height, 14);
    EXPECT_EQ(strip.width, 6);
    EXPECT_EQ(strip.sourcealpha, (SourcePoint{5, 6})); // the alpha source is not the dialog's to change
}

TEST_F(ElementDialogs, ButtonActionsThroughThePicker) {
    const int entry = Add(ElementKind::Button);
    ButtonRecord& button = Record<ButtonRecord>(entry);
    button.action = 190;
    EXPECT_TRUE(Edit(entry, [&](QDialog* dialog) {
        auto* buttons = static_cast<QItemButtonDlg*>(dialog);
        EXPECT_EQ(buttons->ActionBox()->text(), "Unknown Action");
        // Double-clicking a line picks it.
        OnNextDialog([](QDialog* picker) {
            auto* pick = static_cast<QPickActionDlg*>(picker);
            EXPECT_EQ(pick->windowTitle(), "Pick Action");
            EXPECT_TRUE(pick->List()->selectedItems().isEmpty());
            TypeInto(pick->Filter(), "GO AWAY");
            ASSERT_EQ(pick->List()->count(), 1);
            QListWidget* list = pick->List();
            const QRect line = list->visualItemRect(list->item(0));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, line.center());
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, line.center());
        });
        buttons->PickActionButton()->click();
        EXPECT_EQ(button.action, 4);
        EXPECT_EQ(buttons->ActionBox()->text(), "Go Away");

        // A filter that hides the chosen line keeps the code; Cancel keeps the caller's code.
        OnNextDialog([](QDialog* picker) {
            auto* pick = static_cast<QPickActionDlg*>(picker);
            EXPECT_EQ(pick->List()->selectedItems().value(0)->text(), "Go Away");
            TypeInto(pick->Filter(), "zzz");
            EXPECT_EQ(pick->List()->count(), 0);
            EXPECT_EQ(pick->ChosenCode(), 4);
            TypeInto(pick->Filter(), "close");
            pick->List()->setCurrentRow(0);
            EXPECT_EQ(pick->ChosenCode(), 1);
            pick->reject();
        });
        buttons->PickActionButton()->click();
        EXPECT_EQ(button.action, 4);

        OnNextDialog(
            [](QDialog* picker) { static_cast<QPickActionDlg*>(picker)->NoActionButton()->click(); });
        buttons->PickActionButton()->click();
        EXPECT_EQ(button.action, 0);
        EXPECT_EQ(buttons->ActionBox()->text(), "None");
        ClickOk(dialog);
    }));
}

TEST_F(ElementDialogs, StackRefusesActionsAndIndicatorsItCannotHave) {
    context.stackMode = true;
    const int button = Add(ElementKind::Button);
    EXPECT_TRUE(Edit(button, [&](QDialog* dialog) {
        auto* buttons = static_cast<QItemButtonDlg*>(dialog);
        const auto pick = [&](const QString& filter) {
            OnNextDialog([filter](QDialog* picker) {
                auto* pick = static_cast<QPickActionDlg*>(picker);
                TypeInto(pick->Filter(), filter);
                pick->List()->setCurrentRow(0);
                pick->accept();
            });
            buttons->PickActionButton()->click();
        };
        pick("Reply");
        EXPECT_EQ(prompter.shown, QStringList({"Can't use that action with a Stack"}));
        EXPECT_EQ(buttons->ActionBox()->text(), "None");
        EXPECT_EQ(Record<ButtonRecord>(button).action, 0);
        pick("Stack");
        EXPECT_EQ(prompter.shown.size(), 1);
        EXPECT_EQ(Record<ButtonRecord>(button).action, 152);
        ClickOk(dialog);
    }));

    const int indicator = Add(ElementKind::Indicator);
    Record<IndicatorRecord>(indicator).type = 16;
    EXPECT_TRUE(Edit(indicator, [&](QDialog* dialog) {
        QComboBox* indicate = static_cast<QItemIndicatorDlg*>(dialog)->Indicate();
        EXPECT_EQ(indicate->count(), 20);
        EXPECT_EQ(indicate->currentText(), "Focus");
        indicate->setCurrentIndex(19);
        EXPECT_EQ(prompter.shown.last(), "Can't use that indicator with a Stack");
        EXPECT_EQ(indicate->currentText(), "Alarm set");
        EXPECT_EQ(Record<IndicatorRecord>(indicator).type, 5);
        ClickOk(dialog);
    }));
    EXPECT_EQ(prompter.shown.size(), 2);
}

TEST_F(ElementDialogs, TextPlaceholdersFontAndPoints) {
    const int title = Add(ElementKind::Text);
    Record<TextRecord>(title).text = "%TITLE%";
    const int due = Add(ElementKind::Text);
    Record<TextRecord>(due).text = "Due %TITLE%";
    EXPECT_TRUE(Edit(title, [&](QDialog* dialog) {
        auto* text = static_cast<QItemTextDlg*>(dialog);
        EXPECT_TRUE(text->PlaceholderRadio(1)->isChecked());
        EXPECT_EQ(text->PlaceholderRadio(1)->text(), "Title                             %TITLE%");
        EXPECT_EQ(text->FontList()->currentText(), "System");
        text->PlaceholderRadio(7)->click();
        EXPECT_EQ(Record<TextRecord>(title).text, "%LASTSEND%");
        EXPECT_EQ(text->PointsBox()->ArrowMinimum(), 1);
        EXPECT_EQ(text->PointsBox()->ArrowMaximum(), 256);
        TypeInto(text->PointsBox(), "300");
        EXPECT_EQ(Record<TextRecord>(title).point, 300);
        text->PointsBox()->stepBy(1);
        EXPECT_EQ(TextOf(text->PointsBox()), "256");
        // A prefix of a listed family stays what was typed: completion suggests, never fills in.
        const QString listed = text->FontList()->itemText(0);
        ASSERT_GE(listed.size(), 2);
        dialog->activateWindow();
        text->FontList()->setFocus();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
        TypeInto(text->FontList(), listed.left(2));
        EXPECT_EQ(text->FontList()->currentText(), listed.left(2));
        EXPECT_EQ(Record<TextRecord>(title).font, listed.left(2));
        TypeInto(text->FontList(), "No Such Face");
        Named<QComboBox>(dialog, "AA:")->setCurrentIndex(2);
        Titled(dialog, "UPPER")->click();
        Titled(dialog, "Right")->click();
        TypeInto(text->PointsBox(), "300");
        ClickOk(dialog);
    }));
    const TextRecord& edited = Record<TextRecord>(title);
    EXPECT_EQ(edited.point, 300);
    EXPECT_EQ(edited.font, "No Such Face");
    EXPECT_EQ(edited.antialias, 2);
    EXPECT_EQ(edited.setcase, 2);
    EXPECT_EQ(edited.alignment, 2);

    EXPECT_TRUE(Edit(due, [&](QDialog* dialog) {
        auto* text = static_cast<QItemTextDlg*>(dialog);
        EXPECT_TRUE(text->CustomRadio()->isChecked());
        EXPECT_EQ(text->CustomBox()->text(), "Due %TITLE%");
        TypeInto(text->CustomBox(), "Due soon");
        EXPECT_EQ(Record<TextRecord>(due).text, "Due soon");
        ClickOk(dialog);
    }));
}

TEST_F(ElementDialogs, StackTextKeepsAPlaceholderItDoesNotOffer) {
    context.stackMode = true;
    const int entry = Add(ElementKind::Text);
    Record<TextRecord>(entry).text = "%TITLE%";
    EXPECT_TRUE(Edit(entry, [&](QDialog* dialog) {
        auto* text = static_cast<QItemTextDlg*>(dialog);
        EXPECT_EQ(text->PlaceholderRadio(0)->text(), "Stack count                %SOURCE%");
        const bool offered[] = {true, false, false, false, false, false, true, false};
        for (int i = 0; i < 8; ++i) {
            EXPECT_EQ(text->PlaceholderRadio(i)->isEnabled(), offered[i]) << i;
            EXPECT_FALSE(text->PlaceholderRadio(i)->isChecked()) << i;
        }
        EXPECT_TRUE(text->CustomRadio()->isChecked());
        EXPECT_EQ(text->CustomBox()->text(), "%TITLE%");
        Titled(dialog, "Italic")->click();
        EXPECT_EQ(Record<TextRecord>(entry).text, "%TITLE%");
        text->PlaceholderRadio(6)->click();
        EXPECT_EQ(Record<TextRecord>(entry).text, "%STACKNAME%");
        ClickOk(dialog);
    }));
}

TEST_F(ElementDialogs, LiveApplyRepaintsThePreviewAndCancelPutsItBack) {
    const int entry = Add(ElementKind::TileArea);
    TileAreaRecord& area = Record<TileAreaRecord>(entry);
    area.topleft = {{0, PlacementMode::Sides, 0}, {0, PlacementMode::Sides, 0}};
    area.bottomright = {{100, PlacementMode::Percent, 0}, {100, PlacementMode::Percent, 0}};
    area.solidcol = MakeColour(10, 20, 30);
    Canvas preview;
    const auto paint = [&] {
        NoteState state = SampleNoteState(NoteSettings{}, document);
        ASSERT_TRUE(PaintNoteCanvas(document, state, preview));
    };
    context.redraw = paint;
    paint();
    EXPECT_EQ(preview.ColourAt(150, 50), MakeColour(10, 20, 30));

    QTemporaryDir dir;
    const QString before = dir.filePath("before.ini"), after = dir.filePath("after.ini");
    ASSERT_TRUE(WriteSkinFile(document, before, "skin.png", nullptr));
    prompter.colours = {MakeColour(250, 0, 0)};
    EXPECT_FALSE(Edit(entry, [&](QDialog* dialog) {
        Named<QPushButton>(dialog, "Solid: Pick")->click();
        EXPECT_EQ(preview.ColourAt(150, 50), MakeColour(250, 0, 0));
        TypeInto(Named<IntegerBox>(dialog, "Right:"), "50");
        EXPECT_EQ(preview.ColourAt(200, 50), MakeColour(255, 255, 180)); // the note colour again
        QTest::keyClick(dialog, Qt::Key_Escape);
    }));
    EXPECT_EQ(preview.ColourAt(150, 50), MakeColour(10, 20, 30));
    EXPECT_EQ(preview.ColourAt(200, 50), MakeColour(10, 20, 30));
    ASSERT_TRUE(WriteSkinFile(document, after, "skin.png", nullptr));
    QFile a(before), b(after);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());
}

} // namespace
