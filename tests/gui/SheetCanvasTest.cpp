#include "widgets/SheetCanvas.h"
#include "picture/ImageSurface.h"

#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

constexpr Colour kInk = MakeColour(20, 90, 160);

// A 320 by 320 sheet with alpha: opaque ink on two pieces, clear elsewhere.
ImageSurface Sheet() {
    ImageSurface sheet;
    EXPECT_TRUE(sheet.Create(320, 320, 24, kImagePng));
    for (int y = 0; y < 320; ++y)
        for (int x = 0; x < 320; ++x) {
            const bool piece =
                (x >= 10 && x < 30 && y >= 10 && y < 20) || (x >= 40 && x < 104 && y >= 230 && y < 294);
            sheet.SetPixelColour(x, y, kInk);
            sheet.SetAlpha(x, y, piece ? 255 : 0);
        }
    return sheet;
}

class SheetCanvasWindow : public ::testing::Test {
protected:
    void SetUp() override {
        canvas.SetPicture(&sheet);
        canvas.resize(200, 160);
        canvas.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&canvas));
        view = canvas.viewport();
    }

    void Wheel(QPoint at, int dy, Qt::KeyboardModifiers modifiers = {}) {
        QWheelEvent event(at, view->mapToGlobal(at), {}, {0, dy}, Qt::NoButton, modifiers, Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(view, &event);
    }

    // As a real double click comes: press, release, double click, release.
    void DoubleClick(QPoint at) {
        QTest::mousePress(view, Qt::LeftButton, {}, at);
        QTest::mouseRelease(view, Qt::LeftButton, {}, at);
        QTest::mouseDClick(view, Qt::LeftButton, {}, at);
        QTest::mouseRelease(view, Qt::LeftButton, {}, at);
    }

    QColor Shown(QPoint at) { return view->grab().toImage().pixelColor(at); }

    ImageSurface sheet = Sheet();
    SheetCanvas canvas;
    QWidget* view = nullptr;
};

// Records what an overlay is shown, and takes presses on its guide at view x 50.
class Guide : public SheetOverlay {
public:
    void PaintOverlay(QPainter& painter, const SheetCanvas&) override {
        painter.fillRect(QRect(50, 0, 1, 1000), Qt::magenta);
        ++paints;
    }
    bool OverlayMouse(SheetCanvas&, QMouseEvent& event) override {
        // Only a press on the guide is taken; the canvas then hands over the rest of the drag.
        const bool onGuide = std::abs(event.position().toPoint().x() - 50) <= 2;
        if (event.type() == QEvent::MouseButtonPress && onGuide)
            held = true;
        if (!held)
            return false;
        ++events;
        if (event.type() == QEvent::MouseButtonRelease)
            held = false;
        return true;
    }
    std::optional<Qt::CursorShape> OverlayCursor(const SheetCanvas&, QPoint at) const override {
        if (std::abs(at.x() - 50) <= 2)
            return Qt::SplitHCursor;
        return std::nullopt;
    }
    int paints = 0;
    int events = 0;
    bool held = false;
};

} // namespace

TEST_F(SheetCanvasWindow, ScrollsAndZoomsAboutThePointer) {
    // 320 x 320 in a 200 x 160 view: scroll bars, and the wheel reaches a piece below y 200.
    EXPECT_TRUE(canvas.verticalScrollBar()->isVisible());
    EXPECT_TRUE(canvas.horizontalScrollBar()->isVisible());
    Wheel({50, 50}, -120 * 20);
    EXPECT_EQ(canvas.ScrollPosition().y(), canvas.verticalScrollBar()->maximum());
    EXPECT_EQ(canvas.PicturePointAt({50, 50}), QPoint(50, 50 + canvas.ScrollPosition().y()));
    Wheel({50, 50}, -120, Qt::ShiftModifier); // sideways
    EXPECT_GT(canvas.ScrollPosition().x(), 0);
    canvas.SetScrollPosition({0, 100});

    // Ctrl+wheel zooms in steps about the pointer: the pixel under it stays.
    const QPoint pointer(37, 61);
    const QPoint under = *canvas.PicturePointAt(pointer);
    QSignalSpy zooms(&canvas, &SheetCanvas::ZoomChanged);
    for (const int expected : {2, 3, 4, 6}) {
        Wheel(pointer, 120, Qt::ControlModifier);
        EXPECT_EQ(canvas.Zoom(), expected);
        EXPECT_EQ(canvas.PicturePointAt(pointer), under) << expected;
    }
    EXPECT_EQ(zooms.count(), 4);
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(&canvas, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(canvas.Zoom(), 16); // the last step holds
    QTest::keyClick(&canvas, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(canvas.Zoom(), 12);
    QTest::keyClick(&canvas, Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(canvas.Zoom(), 1);

    // Every paint makes only what is visible: at zoom 8, 25 by 20 pixels of the picture.
    canvas.SetZoom(8);
    canvas.SetScrollPosition({800, 1600});
    EXPECT_EQ(canvas.Composed().Width(), (view->width() + 7) / 8);
    EXPECT_EQ(canvas.ComposedArea().left, 100);
    EXPECT_EQ(canvas.ComposedArea().top, 200);
}

TEST_F(SheetCanvasWindow, GridTintFramesAndPieceOutlines) {
    canvas.SetZoom(4);
    canvas.SetTints({{10, 10, 20, 10, false}});
    canvas.SetShowPieces(true);
    canvas.SetUsedAreas({{10, 10, 30, 20}});
    QApplication::processEvents();
    const QImage shown = view->grab().toImage();
    // Inside a tinted pixel: the tint; at its edge a frame one screen pixel wide just outside it.
    const QColor inside = shown.pixelColor(10 * 4 + 2, 10 * 4 + 2);
    EXPECT_GT(inside.green(), 150);
    EXPECT_GT(inside.blue(), 150);
    EXPECT_EQ(shown.pixelColor(10 * 4 - 1, 10 * 4 + 2), QColor(0, 139, 139));
    // The grid shows between clear pixels, and not inside them.
    const QColor cell = shown.pixelColor(2 * 4 + 2, 2 * 4 + 2);
    const QColor line = shown.pixelColor(2 * 4, 2 * 4 + 2);
    EXPECT_NE(cell, line);
    EXPECT_EQ(canvas.Pieces().size(), 2u);

    // The unused piece (below, scrolled to) is outlined in the other colour, dashed.
    canvas.SetScrollPosition({0, 230 * 4 - 8});
    QApplication::processEvents();
    const QImage below = view->grab().toImage();
    int unused = 0;
    for (int x = 40 * 4 - 1; x < 104 * 4 && x < below.width(); ++x)
        unused += below.pixelColor(x, 7) == QColor(230, 60, 0);
    EXPECT_GT(unused, 5);
    EXPECT_LT(unused, below.width() - 40 * 4);

    // Back at zoom 1 there is no grid: two clear neighbours look alike.
    canvas.SetZoom(1);
    canvas.SetShowPieces(false);
    QApplication::processEvents();
    EXPECT_EQ(Shown({2, 50}), Shown({3, 50}));
}

TEST_F(SheetCanvasWindow, GesturesGiveClampedPicturePoints) {
    canvas.SetZoom(2);
    QSignalSpy picked(&canvas, &SheetCanvas::Picked);
    QSignalSpy drawn(&canvas, &SheetCanvas::RectangleDrawn);
    QSignalSpy pieces(&canvas, &SheetCanvas::PieceChosen);
    QSignalSpy ended(&canvas, &SheetCanvas::GestureEnded);
    const auto at = [](int x, int y) { return QPoint(x * 2 + 1, y * 2 + 1); }; // zoom 2

    // A left press and drag move the corner; past the view's edge the point is held to the picture.
    QTest::mousePress(view, Qt::LeftButton, {}, at(5, 6));
    QTest::mouseMove(view, at(7, 9));
    QTest::mouseMove(view, {-30, -30});
    QTest::mouseRelease(view, Qt::LeftButton, {}, {-30, -30});
    ASSERT_EQ(picked.count(), 3);
    EXPECT_EQ(picked[0][2].toPoint(), QPoint(5, 6));
    EXPECT_TRUE(picked[0][3].toBool());
    EXPECT_EQ(picked[1][2].toPoint(), QPoint(7, 9));
    EXPECT_FALSE(picked[1][3].toBool());
    EXPECT_EQ(picked[2][2].toPoint(), QPoint(0, 0));
    EXPECT_EQ(ended.count(), 1);
    // Ctrl + drag from (29, 19) back to (10, 10): both pixels included.
    QTest::mousePress(view, Qt::LeftButton, Qt::ControlModifier, at(29, 19));
    QTest::mouseMove(view, at(20, 12));
    QTest::mouseRelease(view, Qt::LeftButton, Qt::ControlModifier, at(10, 10));
    ASSERT_GE(drawn.count(), 2);
    EXPECT_EQ(drawn.last()[0].value<CanvasRect>(), (CanvasRect{10, 10, 30, 20}));
    EXPECT_TRUE(drawn.last()[2].toBool());
    EXPECT_EQ(picked.count(), 3);

    // A double click on a piece gives its rectangle; on a clear pixel nothing.
    DoubleClick(at(12, 15));
    ASSERT_EQ(pieces.count(), 1);
    EXPECT_EQ(pieces[0][0].value<CanvasRect>(), (CanvasRect{10, 10, 30, 20}));
    DoubleClick(at(50, 50));
    EXPECT_EQ(pieces.count(), 1);

    // Arrows nudge; Shift moves by ten.
    QSignalSpy nudged(&canvas, &SheetCanvas::Nudged);
    QTest::keyClick(&canvas, Qt::Key_Left, Qt::ShiftModifier);
    ASSERT_EQ(nudged.count(), 1);
    EXPECT_EQ(nudged[0][0].value<Nudge>().dx, -10);
}

TEST_F(SheetCanvasWindow, AnOverlayPaintsAndTakesTheMouseFirst) {
    Guide guide;
    canvas.AddOverlay(&guide);
    QApplication::processEvents();
    EXPECT_EQ(Shown({50, 10}), QColor(Qt::magenta));
    EXPECT_GT(guide.paints, 0);

    QSignalSpy picked(&canvas, &SheetCanvas::Picked);
    QTest::mousePress(view, Qt::LeftButton, {}, {51, 10});
    QTest::mouseMove(view, {120, 10}); // held by the guide while the button is down
    QTest::mouseRelease(view, Qt::LeftButton, {}, {120, 10});
    EXPECT_EQ(guide.events, 3);
    EXPECT_EQ(picked.count(), 0);
    QTest::mouseMove(view, {50, 30});
    EXPECT_EQ(view->cursor().shape(), Qt::SplitHCursor);
    QTest::mouseClick(view, Qt::LeftButton, {}, {120, 10});
    EXPECT_EQ(picked.count(), 1);
    QTest::mouseMove(view, {120, 12});
    EXPECT_EQ(view->cursor().shape(), Qt::CrossCursor);
    canvas.RemoveOverlay(&guide);
}
