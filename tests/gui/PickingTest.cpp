#include "EditingFixture.h"
#include "designer/PreviewView.h"
#include "render/PlacementGeometry.h"
#include "widgets/SheetCanvas.h"

#include <QFile>
#include <QMouseEvent>
#include <QUndoStack>

namespace {

constexpr Colour kPng = MakeColour(20, 120, 220);

Colour Tinted(Colour tint, Colour under) {
    auto mix = [](int t, int u) { return (t * 128 + u * 127 + 127) / 255; };
    return MakeColour(mix(RedOf(tint), RedOf(under)), mix(GreenOf(tint), GreenOf(under)),
                      mix(BlueOf(tint), BlueOf(under)));
}

class PickingWindow : public EditingWindow {
protected:
    void SetUp() override {
        EditingWindow::SetUp();
        Open(WriteSkin());
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        canvas = window->findChild<SheetCanvas*>("sourceView");
        view = canvas->viewport();
        ASSERT_GT(view->width(), 64);
    }

    const ButtonRecord& Knob() const { return *window->Document().elements[6].As<ButtonRecord>(); }

    SheetCanvas* canvas = nullptr;
    QWidget* view = nullptr; // where the mouse goes
};

// The preview's note origin, as the window centres the note in its area.
QPoint PreviewOrigin(const CDrapierDlg& window, int noteWidth, int noteHeight) {
    const Canvas& buffer = window.PreviewBuffer();
    const ::NoteOrigin origin = NoteOriginInArea(buffer.Width(), buffer.Height(), noteWidth, noteHeight);
    return {origin.x, origin.y};
}

void MovePointer(QWidget* widget, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

} // namespace

TEST_F(PickingWindow, ClicksAndDragsSetTheSelectedElementsSource) {
    Select("Knob");
    QTest::mousePress(view, Qt::LeftButton, {}, {5, 6});
    EXPECT_EQ(Knob().source, (SourcePoint{5, 6}));
    QTest::mouseMove(view, {7, 9});
    QTest::mouseMove(view, {8, 11});
    EXPECT_EQ(Knob().source, (SourcePoint{8, 11}));
    QTest::mouseRelease(view, Qt::LeftButton, {}, {8, 11});
    EXPECT_EQ(Steps(), 1); // the whole drag is one step
    EXPECT_EQ(window->UndoStack()->undoText(), "Pick Source");
    EXPECT_TRUE(window->IsDirty());
    // The corner shows tinted at once: cyan over the picture, yellow on the rollover source.
    EXPECT_EQ(canvas->Composed().ColourAt(8, 11), Tinted(MakeColour(0, 255, 255), kPng));
    EXPECT_EQ(canvas->Composed().ColourAt(7, 11), kPng);
    EXPECT_EQ(canvas->Composed().ColourAt(30, 0), Tinted(MakeColour(255, 255, 0), kPng));

    // Shift with the right button sizes from the rollover corner; the point is not included.
    QTest::mouseClick(view, Qt::RightButton, Qt::ShiftModifier, {45, 12});
    EXPECT_EQ(Knob().size, (BoxSize{15, 12}));
    EXPECT_EQ(Knob().source, (SourcePoint{8, 11}));
    EXPECT_EQ(window->UndoStack()->undoText(), "Pick Size");
    // Above and left of the corner gives a negative size, kept as it is.
    QTest::mouseClick(view, Qt::RightButton, {}, {2, 3});
    EXPECT_EQ(Knob().size, (BoxSize{-6, -8}));
    EXPECT_EQ(Steps(), 3);

    // A press that finds the previous gesture never released closes that one first.
    auto press = [&](QPoint at) {
        QMouseEvent event(QEvent::MouseButtonPress, at, view->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(view, &event);
    };
    press({20, 20});
    press({21, 21});
    QTest::mouseRelease(view, Qt::LeftButton, {}, {21, 21});
    EXPECT_EQ(Steps(), 5);
    window->UndoStack()->undo();
    EXPECT_EQ(Knob().source, (SourcePoint{20, 20}));
    window->UndoStack()->undo();
    EXPECT_EQ(Knob().source, (SourcePoint{8, 11}));

    // Outside the picture nothing happens.
    QTest::mouseClick(view, Qt::LeftButton, {}, {64, 10});
    QTest::mouseClick(view, Qt::LeftButton, {}, {10, 48});
    EXPECT_EQ(Knob().source, (SourcePoint{8, 11}));
    EXPECT_EQ(Steps(), 5);
}

TEST_F(PickingWindow, MembersOfGroupsArePickedAndOtherKindsSayWhyNot) {
    // A text has no source: nothing changes and the status line says why.
    SkinDocument& document = window->Document();
    Select("Label");
    QTest::mouseClick(view, Qt::LeftButton, {}, {3, 3});
    EXPECT_TRUE(window->StatusText().contains("Text takes nothing from the picture"))
        << window->StatusText().toStdString();
    EXPECT_FALSE(window->IsDirty());
    EXPECT_EQ(Steps(), 0);

    // An element inside a group is picked like any other, and undone the same way.
    Select("Close");
    QTest::mouseClick(view, Qt::LeftButton, {}, {3, 3});
    QTest::mouseClick(view, Qt::RightButton, {}, {11, 11});
    const ButtonRecord& close = *document.elements[2].As<ButtonRecord>();
    EXPECT_EQ(close.source, (SourcePoint{3, 3}));
    EXPECT_EQ(close.size, (BoxSize{8, 8}));
    EXPECT_EQ(Steps(), 2);
    EXPECT_EQ(canvas->Composed().ColourAt(10, 10), Tinted(MakeColour(0, 255, 255), kPng));
    EXPECT_EQ(canvas->Composed().ColourAt(11, 11), kPng);
    window->UndoStack()->undo();
    window->UndoStack()->undo();
    EXPECT_EQ(document.elements[2].As<ButtonRecord>()->source, (SourcePoint{0, 0}));
    EXPECT_EQ(Selected(), "Close");
    EXPECT_EQ(canvas->PictureRect(), QRect(0, 0, 64, 48));

    // With nothing selected the status line says what to do.
    window->Tree()->setCurrentItem(window->ElementsItem());
    QTest::mouseClick(view, Qt::LeftButton, {}, {3, 3});
    EXPECT_TRUE(window->StatusText().startsWith("Select an element"));
}

TEST_F(EditingWindow, PreviewClickSelectsTheElementUnderThePointer) {
    Open(QStringLiteral(DRAPIER_EXAMPLES "/rich/rich.ini"));
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    auto* preview = window->findChild<PreviewView*>("preview");
    const QPoint origin = PreviewOrigin(*window, 300, 100);
    const struct {
        QPoint at;
        std::string selected;
    } clicks[] = {
        {{280, 12}, "Close"},
        {{100, 14}, "Title"},
        {{11, 14}, "Frame top"}, // the flag marker there is not drawn
        {{4, 50}, "Frame left"},
        {{150, 50}, "Frame left"}, // nothing in the text area: the selection stays
        {{-5, 50}, "Frame left"},  // off the note
        {{290, 90}, "Resize grip"},
    };
    for (const auto& click : clicks) {
        QTest::mouseClick(preview, Qt::LeftButton, {}, origin + click.at);
        EXPECT_EQ(Selected(), click.selected) << click.at.x() << "," << click.at.y();
    }

    // The pointer over a button with a rollover picture shows it; no edit, nothing changed.
    const int close = window->SelectedEntry() - 3; // Resize grip is three after Close
    ASSERT_EQ(window->Document().elements[static_cast<size_t>(close)].Name(), "Close");
    auto over = [&] {
        return window->Document().elements[static_cast<size_t>(close)].As<ButtonRecord>()->pointerover;
    };
    const QByteArray before = FileNow();
    MovePointer(preview, origin + QPoint(282, 14));
    EXPECT_TRUE(over());
    MovePointer(preview, origin + QPoint(150, 50));
    EXPECT_FALSE(over());
    MovePointer(preview, origin + QPoint(282, 14));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(preview, &leave);
    EXPECT_FALSE(over());
    EXPECT_EQ(FileNow(), before);
    EXPECT_FALSE(window->IsDirty());
    EXPECT_EQ(Steps(), 0);
}

TEST_F(EditingWindow, WithoutAPictureTheBlankOneIsPickedOn) {
    SkinDocument document;
    document.Append(Entry(ElementKind::TileArea, "Tiles"));
    const QString skin = WriteSkinFrom(document, "nopicture");
    QFile::remove(dir.filePath("nopicture.png"));
    Open(skin);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    auto* canvas = window->findChild<SheetCanvas*>("sourceView");
    QWidget* view = canvas->viewport();
    ASSERT_EQ(canvas->PictureRect(), QRect(0, 0, 150, 75).intersected(view->rect()));
    Select("Tiles");
    QTest::mouseClick(view, Qt::LeftButton, {}, {120, 40});
    EXPECT_EQ(window->Document().elements[0].As<TileAreaRecord>()->source, (SourcePoint{120, 40}));
    QTest::mouseClick(view, Qt::LeftButton, {}, {150, 40});
    EXPECT_EQ(window->Document().elements[0].As<TileAreaRecord>()->source, (SourcePoint{120, 40}));
}
