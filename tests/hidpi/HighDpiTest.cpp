// The designer at a device pixel ratio of 2, as QT_SCALE_FACTOR=2 gives it (ctest sets it for this
// program only): the source view and the preview keep one of their pixels per logical pixel, each
// drawn as a sharp 2 by 2 block of device pixels.
#include "designer/PreviewView.h"
#include "picture/Canvas.h"
#include "support/ShownDesigner.h"
#include "widgets/SheetCanvas.h"

#include <gtest/gtest.h>

namespace {

class HighDpiDesigner : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(designer.Open());
        window = designer.window.get();
    }

    ShownDesigner designer;
    CDrapierDlg* window = nullptr;
};

TEST_F(HighDpiDesigner, SourceViewShowsEachPicturePixelAtItsLogicalPosition) {
    // Without the scale factor this test would prove nothing.
    ASSERT_EQ(window->devicePixelRatio(), 2.0);
    auto* view = window->findChild<SheetCanvas*>("sourceView");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->PictureRect(), QRect(0, 0, 24, 16));

    // Found through the whole window, where the user sees them: the picture's top-left pixel sits at
    // the view's top-left corner and each picture pixel covers one logical pixel.
    const QImage shot = Shot(window);
    ASSERT_EQ(shot.size(), window->size() * 2);
    for (const KnownPixel& p : KnownPixels()) {
        const QPoint logical = view->mapTo(window, p.at);
        for (const QColor& shown : DevicePixelsAt(shot, logical))
            EXPECT_EQ(shown, p.colour) << "picture pixel " << p.at.x() << "," << p.at.y();
    }
    // Right of and below the picture the view shows the window's colour, not a stretched picture.
    const QColor face = view->palette().color(QPalette::Window);
    for (const QPoint& outside : {QPoint(24, 0), QPoint(0, 16), QPoint(30, 20)}) {
        if (view->rect().contains(outside)) {
            for (const QColor& shown : DevicePixelsAt(shot, view->mapTo(window, outside)))
                EXPECT_EQ(shown, face) << outside.x() << "," << outside.y();
        }
    }
}

TEST_F(HighDpiDesigner, AClickPicksThePicturePixelUnderThePointer) {
    SkinElement button = SkinElement::Make(ElementKind::Button);
    button.SetName(QStringLiteral("Knob"));
    window->Document().Append(button);
    window->RebuildTree(0);
    ASSERT_EQ(window->SelectedEntry(), 0);
    auto* view = window->findChild<SheetCanvas*>("sourceView");
    ASSERT_NE(view, nullptr);

    // Each known pixel, clicked where the screen shows it, becomes the source corner; a right click
    // one pixel further on gives a 1 by 1 size.
    for (const KnownPixel& p : KnownPixels()) {
        if (p.at.isNull())
            continue; // QTest takes a null point for the widget's centre
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, p.at);
        QTest::mouseClick(view->viewport(), Qt::RightButton, {}, p.at + QPoint(1, 1));
        const ButtonRecord* picked = window->Document().elements[0].As<ButtonRecord>();
        EXPECT_EQ(picked->source, (SourcePoint{p.at.x(), p.at.y()})) << p.at.x() << "," << p.at.y();
        EXPECT_EQ(picked->size, (BoxSize{1, 1}));
    }
}

TEST_F(HighDpiDesigner, PreviewKeepsOneBufferPixelPerLogicalPixel) {
    auto* preview = window->findChild<PreviewView*>();
    ASSERT_NE(preview, nullptr);
    const Canvas& buffer = window->PreviewBuffer();
    // The note is rendered at the preview's logical size, not at its size in device pixels.
    EXPECT_EQ(QSize(buffer.Width(), buffer.Height()), PreviewBufferSize(preview->size()));

    const QImage shot = Shot(preview);
    int compared = 0;
    for (int y = 0; y < preview->height(); y += 7) {
        for (int x = 0; x < preview->width(); x += 5) {
            const QColor drawn = QColor::fromRgb(buffer.Pixel(x, y));
            for (const QColor& shown : DevicePixelsAt(shot, QPoint(x, y)))
                ASSERT_EQ(shown, drawn) << x << "," << y;
            ++compared;
        }
    }
    EXPECT_GT(compared, 1000);
}

} // namespace
