#include "DialogDriver.h"
#include "EditingFixture.h"
#include "dialogs/MagnifierDlg.h"
#include "document/SourcePicking.h"
#include "render/SourceViewPicture.h"
#include "widgets/IntegerBox.h"
#include "widgets/SheetCanvas.h"

#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSplitter>
#include <QUndoStack>
#include <QWheelEvent>

namespace {

// Two pieces on a clear 320 by 320 sheet: a small one at the top and one below y 200.
constexpr CanvasRect kTop{10, 10, 30, 20};
constexpr CanvasRect kLow{40, 230, 104, 294};

class SheetPicking : public EditingWindow {
protected:
    void SetUp() override {
        EditingWindow::SetUp();
        const QString skin = WriteSkin();
        QImage sheet(320, 320, QImage::Format_ARGB32);
        sheet.fill(Qt::transparent);
        QPainter painter(&sheet);
        for (const CanvasRect& r : {kTop, kLow})
            painter.fillRect(QRect(r.left, r.top, r.Width(), r.Height()), QColor(200, 60, 20));
        painter.end();
        ASSERT_TRUE(sheet.save(dir.filePath("skin.png")));
        Open(skin);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        canvas = window->findChild<SheetCanvas*>("sourceView");
        view = canvas->viewport();
        ASSERT_LT(view->height(), kLow.top); // the low piece is out of sight at first
        Select("Knob");
    }

    const ButtonRecord& Knob() const { return *window->Document().elements[6].As<ButtonRecord>(); }
    CanvasRect KnobRect() const {
        return CanvasRect::FromSize(Knob().source.x, Knob().source.y, Knob().size.w, Knob().size.h);
    }

    static void Wheel(QWidget* target, QPoint at, int dy) {
        QWheelEvent event(at, target->mapToGlobal(at), {}, {0, dy}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &event);
    }
    // The middle of a picture pixel on a canvas as it is scrolled and zoomed now.
    static QPoint On(const SheetCanvas* c, int x, int y) {
        return c->ViewRectOf({x, y, x + 1, y + 1}).center();
    }

    // As a real double click comes: press, release, double click, release.
    static void DoubleClick(QWidget* target, QPoint at) {
        QTest::mousePress(target, Qt::LeftButton, {}, at);
        QTest::mouseRelease(target, Qt::LeftButton, {}, at);
        QTest::mouseDClick(target, Qt::LeftButton, {}, at);
        QTest::mouseRelease(target, Qt::LeftButton, {}, at);
    }

    QString Readout(const char* name) const { return window->findChild<QLabel*>(name)->text(); }

    SheetCanvas* canvas = nullptr;
    QWidget* view = nullptr;
};

} // namespace

TEST_F(SheetPicking, APieceBelowTheViewIsReachedBySnappingAndDrawing) {
    const CanvasRect before = KnobRect();
    // Scrolled down with the wheel, a double click on the low piece takes its rectangle.
    Wheel(view, {50, 50}, -120 * 30);
    ASSERT_TRUE(canvas->PictureRect().contains(On(canvas, 50, 250)));
    QTest::mouseMove(view, On(canvas, 50, 250));
    EXPECT_EQ(Readout("pointReadout"), "x 50, y 250");
    DoubleClick(view, On(canvas, 50, 250));
    EXPECT_EQ(KnobRect(), kLow);
    EXPECT_EQ(Steps(), 1); // the first press and the snap together
    EXPECT_EQ(window->UndoStack()->undoText(), "Snap to Piece");
    window->UndoStack()->undo();
    EXPECT_EQ(KnobRect(), before);
    EXPECT_EQ(Selected(), "Knob");
    window->UndoStack()->redo();
    EXPECT_EQ(KnobRect(), kLow);

    // Scrolled back to the top, choosing the knob again in the tree brings its source into sight;
    // choosing an element whose source is in sight does not scroll.
    const auto shows = [&](const CanvasRect& r) { return view->rect().contains(canvas->ViewRectOf(r)); };
    Wheel(view, {50, 50}, 120 * 30);
    ASSERT_FALSE(shows(kLow));
    Select("Close");
    EXPECT_FALSE(shows(kLow));
    Select("Knob");
    EXPECT_TRUE(shows(kLow));

    // A double click on a clear pixel snaps nothing beyond its click.
    DoubleClick(view, On(canvas, 150, 250));
    EXPECT_EQ(Knob().source, (SourcePoint{150, 250}));
    EXPECT_EQ(Knob().size, (BoxSize{64, 64}));

    // Back at the top, Ctrl + drag from the top piece's last pixel to its first spans it.
    Wheel(view, {50, 50}, 120 * 30);
    QTest::mousePress(view, Qt::LeftButton, Qt::ControlModifier, On(canvas, 29, 19));
    QTest::mouseMove(view, On(canvas, 15, 12));
    EXPECT_EQ(Readout("sizeReadout"), "15 x 8");
    EXPECT_EQ(Readout("pointReadout"), "x 15, y 12");
    QTest::mouseRelease(view, Qt::LeftButton, Qt::ControlModifier, On(canvas, 10, 10));
    EXPECT_EQ(KnobRect(), kTop);
    EXPECT_EQ(Readout("sizeReadout"), "");
    EXPECT_EQ(window->UndoStack()->undoText(), "Draw Source");
    const int steps = Steps();
    window->UndoStack()->undo();
    EXPECT_EQ(Knob().source, (SourcePoint{150, 250}));

    // Arrow keys: a run of moves is one step, a run of size changes another.
    window->UndoStack()->redo();
    canvas->setFocus();
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(canvas, Qt::Key_Right);
    QTest::keyClick(canvas, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(canvas, Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(KnobRect(), (CanvasRect{13, 20, 32, 30}));
    EXPECT_EQ(Steps(), steps + 2);
    window->UndoStack()->undo();
    window->UndoStack()->undo();
    EXPECT_EQ(KnobRect(), kTop);

    // "Show pieces" outlines them and counts them.
    window->findChild<QCheckBox*>("showPieces")->setChecked(true);
    EXPECT_EQ(window->StatusText(), "2 pieces on the picture, 1 of them used by no element.");
    EXPECT_TRUE(canvas->ShowsPieces());
}

TEST_F(SheetPicking, TheMagnifierPicksWithTheSameGestures) {
    Click("sourceZoom");
    QMagnifierDlg* magnifier = window->SourceMagnifier();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(magnifier));
    SheetCanvas* zoomed = magnifier->Sheet();
    EXPECT_EQ(zoomed->Zoom(), 3);
    QWidget* surface = zoomed->viewport();
    // Larger than the screen allows at zoom 3: it scrolls.
    Wheel(surface, {20, 20}, -120 * 40);
    ASSERT_TRUE(zoomed->PictureRect().contains(On(zoomed, kLow.left, kLow.top)));
    QTest::mouseClick(surface, Qt::LeftButton, {}, On(zoomed, kLow.left, kLow.top));
    QTest::mouseClick(surface, Qt::RightButton, {}, On(zoomed, kLow.right, kLow.bottom));
    EXPECT_EQ(KnobRect(), kLow);
    EXPECT_EQ(Steps(), 2);
    window->UndoStack()->undo();
    window->UndoStack()->undo();
    EXPECT_EQ(Knob().source, (SourcePoint{0, 0}));
    // The picked source shows tinted there: cyan over the piece's colour.
    window->UndoStack()->redo();
    const Canvas& composed = zoomed->Composed();
    const CanvasRect shown = zoomed->ComposedArea();
    EXPECT_EQ(composed.ColourAt(kLow.left - shown.left, kLow.top - shown.top), MakeColour(100, 158, 138));

    // Open over a sheet larger than its view, it makes only the part it shows (a partly shown pixel at
    // each edge), and that part holds the very pixels the whole sheet drawn at once has there.
    const QSize view = zoomed->viewport()->size();
    ASSERT_LT(view.height(), 320 * 3);
    EXPECT_LE(shown.Width(), view.width() / 3 + 2);
    EXPECT_LE(shown.Height(), view.height() / 3 + 2);
    EXPECT_LT(shown.Height(), 320);
    const SkinElement& picked = window->Document().elements[static_cast<size_t>(window->SelectedEntry())];
    Canvas whole;
    ASSERT_TRUE(DrawSourceArea(window->SourceImage(), {0, 0, 320, 320}, SourceAreas(picked), whole));
    for (int y = 0; y < shown.Height(); ++y)
        for (int x = 0; x < shown.Width(); ++x)
            ASSERT_EQ(composed.ColourAt(x, y), whole.ColourAt(shown.left + x, shown.top + y))
                << x << "," << y;
}

TEST_F(SheetPicking, APickFromTheDialogFillsTheSourceRowAndTheSize) {
    const auto pickWith = [&](const QString& row, std::function<void(SheetCanvas*)> gesture, bool ok) {
        OnNextDialog([=](QDialog* dialog) {
            OnNextDialog([=](QDialog* picker) {
                auto* c = picker->findChild<SheetCanvas*>("pickerCanvas");
                gesture(c);
                Titled<QPushButton>(picker, ok ? "OK" : "Cancel")->click();
            });
            Named<QPushButton>(dialog, row + " Pick")->click();
            // The fields show the rectangle at once, and the element follows them.
            if (ok) {
                EXPECT_EQ(Named<IntegerBox>(dialog, row + " x")->Value(), kLow.left);
                EXPECT_EQ(Named<IntegerBox>(dialog, "Width:")->Value(), kLow.Width());
            }
            Titled<QPushButton>(dialog, "OK")->click();
        });
        window->EditEntry(6);
    };
    // A double click on the low piece in the picker, then OK.
    pickWith(
        "Source of bitmap to display button:",
        [](SheetCanvas* c) {
            c->ScrollToShow(kLow);
            DoubleClick(c->viewport(), On(c, 60, 260));
        },
        true);
    EXPECT_EQ(KnobRect(), kLow);
    EXPECT_EQ(Steps(), 1);
    EXPECT_EQ(window->UndoStack()->undoText(), "Edit Knob");

    // A rectangle drawn for the rollover source, then Cancel: nothing changes.
    pickWith(
        "Bitmap source when mouse is over button:",
        [](SheetCanvas* c) {
            QTest::mousePress(c->viewport(), Qt::LeftButton, Qt::ControlModifier, On(c, 10, 10));
            QTest::mouseRelease(c->viewport(), Qt::LeftButton, Qt::ControlModifier, On(c, 29, 19));
        },
        false);
    EXPECT_EQ(Knob().sourcerollover, (SourcePoint{30, 0}));
    EXPECT_EQ(Steps(), 1);
    window->UndoStack()->undo();
    EXPECT_EQ(Knob().source, (SourcePoint{0, 0}));
}

TEST_F(SheetPicking, TheSplitterGivesTheSheetRoomAndResizesGoToThePreview) {
    auto* splitter = window->findChild<QSplitter*>("rightSplitter");
    ASSERT_NE(splitter, nullptr);
    const QList<int> start = splitter->sizes();
    splitter->setSizes({start[0] - 60, start[1] + 60});
    QApplication::processEvents();
    const QList<int> dragged = splitter->sizes();
    EXPECT_EQ(dragged[1], start[1] + 60);
    window->resize(window->width() + 50, window->height() + 80);
    QApplication::processEvents();
    EXPECT_EQ(splitter->sizes()[1], dragged[1]);
    EXPECT_EQ(splitter->sizes()[0], dragged[0] + 80);
}
