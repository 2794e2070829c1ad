// The designer under the desktop's palette: a dark palette, set before the window opens or while it is
// open, reaches every control, and the areas around the source picture take the palette's window
// colour, while the source picture and the preview keep their own pixels.
#include "designer/PreviewView.h"
#include "picture/Canvas.h"
#include "support/ShownDesigner.h"
#include "widgets/SheetCanvas.h"

#include <QApplication>
#include <QPalette>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QPalette DarkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(38, 41, 46));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(27, 29, 33));
    dark.setColor(QPalette::AlternateBase, QColor(45, 48, 54));
    dark.setColor(QPalette::Text, QColor(235, 235, 235));
    dark.setColor(QPalette::Button, QColor(50, 54, 60));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    dark.setColor(QPalette::Highlight, QColor(61, 174, 233));
    dark.setColor(QPalette::HighlightedText, QColor(255, 255, 255));
    return dark;
}

class DesktopPalette : public ::testing::Test {
protected:
    void TearDown() override {
        designer.window.reset();
        QApplication::setPalette(original);
    }

    void OpenWindow() {
        ASSERT_TRUE(designer.Open());
        window = designer.window.get();
    }

    // The roles a light or dark theme sets, as each control of the window holds them, against the
    // application's palette for that kind of control; a control with colours of its own differs.
    void ExpectEveryControlFollows(const QPalette& palette) {
        const QPalette::ColorRole roles[] = {QPalette::Window, QPalette::WindowText, QPalette::Base,
                                             QPalette::Text,   QPalette::Button,     QPalette::ButtonText};
        for (QWidget* control : window->findChildren<QWidget*>()) {
            for (QPalette::ColorRole role : roles) {
                EXPECT_EQ(control->palette().color(QPalette::Active, role),
                          palette.color(QPalette::Active, role))
                    << control->metaObject()->className() << " " << control->objectName().toStdString()
                    << " role " << role;
            }
        }
    }

    // The source picture's pixels and the window colour right of it and below it.
    void ExpectSourceView(const QColor& face) {
        auto* view = window->findChild<SheetCanvas*>("sourceView");
        ASSERT_NE(view, nullptr);
        const QImage shot = Shot(view);
        for (const KnownPixel& p : KnownPixels())
            EXPECT_EQ(DevicePixelsAt(shot, p.at).front(), p.colour) << p.at.x() << "," << p.at.y();
        ASSERT_GT(view->width(), 40);
        ASSERT_GT(view->height(), 20);
        for (const QPoint& outside : {QPoint(24, 0), QPoint(view->width() - 1, 5), QPoint(3, 16),
                                      QPoint(view->width() - 1, view->height() - 1)})
            EXPECT_EQ(DevicePixelsAt(shot, outside).front(), face) << outside.x() << "," << outside.y();
    }

    // The preview shows its buffer untouched by the palette.
    void ExpectPreviewKeepsItsPixels() {
        auto* preview = window->findChild<PreviewView*>();
        ASSERT_NE(preview, nullptr);
        const QImage shot = Shot(preview);
        const Canvas& buffer = window->PreviewBuffer();
        for (const QPoint& at : {QPoint(0, 0), QPoint(preview->width() / 2, preview->height() / 2),
                                 QPoint(preview->width() - 1, preview->height() - 1)})
            EXPECT_EQ(DevicePixelsAt(shot, at).front(), QColor::fromRgb(buffer.Pixel(at.x(), at.y())));
    }

    QPalette original = QApplication::palette();
    ShownDesigner designer;
    CDrapierDlg* window = nullptr;
};

TEST_F(DesktopPalette, DarkPaletteAtStartReachesEveryControl) {
    QApplication::setPalette(DarkPalette());
    OpenWindow();
    ExpectEveryControlFollows(QApplication::palette());
    ExpectSourceView(DarkPalette().color(QPalette::Window));
    ExpectPreviewKeepsItsPixels();
}

TEST_F(DesktopPalette, SwitchingPaletteWhileOpenRepaintsInTheNewColours) {
    OpenWindow();
    ExpectSourceView(QApplication::palette().color(QPalette::Window));
    QApplication::setPalette(DarkPalette());
    // The change reaches the windows through the event loop, as a desktop's theme switch does.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return window->palette().color(QPalette::Window) == DarkPalette().color(QPalette::Window); }));
    ExpectEveryControlFollows(QApplication::palette());
    ExpectSourceView(DarkPalette().color(QPalette::Window));
    ExpectPreviewKeepsItsPixels();
}

} // namespace
