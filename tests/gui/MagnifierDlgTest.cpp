#include "dialogs/MagnifierDlg.h"
#include "EditingFixture.h"
#include "picture/Canvas.h"
#include "widgets/IntegerBox.h"
#include "widgets/SheetCanvas.h"

#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

// Counts the paints a window receives, to see the owner ask for a repaint.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

QSize OnScreen(QSize size, const QWidget* window) {
    return size.boundedTo(window->screen()->availableGeometry().size());
}

class Magnifiers : public EditingWindow {
protected:
    void SetUp() override {
        EditingWindow::SetUp();
        window->show();
        QApplication::processEvents();
        source = window->SourceMagnifier();
        preview = window->PreviewMagnifier();
        ASSERT_NE(source, nullptr);
        ASSERT_NE(preview, nullptr);
    }

    QMagnifierDlg* source = nullptr;
    QMagnifierDlg* preview = nullptr;
};

TEST_F(Magnifiers, ZoomButtonsToggleTheWindowsAndTheirFlags) {
    EXPECT_EQ(source->windowTitle(), "Source PNG Magnifier");
    EXPECT_EQ(preview->windowTitle(), "Skin Preview Magnifier");
    EXPECT_EQ(source->Zoom(), 3);
    EXPECT_EQ(preview->Zoom(), 2);
    EXPECT_FALSE(source->isVisible());
    EXPECT_FALSE(preview->isVisible());
    EXPECT_FALSE(source->isModal());

    window->LoadSourcePng(WritePng("small.png", 40, 20));
    Click("sourceZoom");
    EXPECT_TRUE(source->isVisible());
    EXPECT_TRUE(window->IsSourceMagnifierShown());
    EXPECT_EQ(source->size(), QSize(120, 60));
    // Beside the main window where the screen leaves room, and on the screen in any case.
    EXPECT_TRUE(source->screen()->availableGeometry().contains(source->frameGeometry()));
    Click("sourceZoom");
    EXPECT_FALSE(source->isVisible());
    EXPECT_FALSE(window->IsSourceMagnifierShown());

    // The source magnifier is fitted to the picture each time it is shown, and stays where it was put.
    window->LoadSourcePng(WritePng("sliver.png", 5, 2000));
    source->move(30, 40);
    Click("sourceZoom");
    EXPECT_EQ(source->size(), QSize(192, 192));
    EXPECT_EQ(source->pos(), QPoint(30, 40));

    // A PNG chosen with "..." refits it at once.
    prompter.files.push_back(WritePng("small2.png", 40, 20));
    Click("loadPng");
    EXPECT_EQ(source->size(), QSize(120, 60));

    // The preview magnifier opens at twice the preview picture and keeps any size it is given.
    Click("previewZoom");
    EXPECT_TRUE(preview->isVisible());
    EXPECT_TRUE(window->IsPreviewMagnifierShown());
    const Canvas& picture = window->PreviewBuffer();
    EXPECT_EQ(preview->size(), OnScreen(QSize(2 * picture.Width(), 2 * picture.Height()), preview));
    preview->resize(200, 150);
    Click("previewZoom");
    Click("previewZoom");
    EXPECT_EQ(preview->size(), QSize(200, 150));

    // Closing a magnifier itself clears the owner's flag, so one click shows it again.
    preview->close();
    EXPECT_FALSE(preview->isVisible());
    EXPECT_FALSE(window->IsPreviewMagnifierShown());
    QTest::keyClick(source, Qt::Key_Escape);
    EXPECT_FALSE(source->isVisible());
    EXPECT_FALSE(window->IsSourceMagnifierShown());
    Click("previewZoom");
    EXPECT_TRUE(preview->isVisible());
    EXPECT_EQ(prompter.unexpected, 0);
}

TEST_F(Magnifiers, OwnerRepaintsThemOnlyWhileShown) {
    PaintCounter previewPaints;
    PaintCounter sourcePaints;
    preview->installEventFilter(&previewPaints);
    source->Sheet()->viewport()->installEventFilter(&sourcePaints); // the source magnifier's canvas
    const QString png = WritePng("small.png", 40, 20);
    window->findChild<IntegerBox*>("width")->SetValue(200);
    window->LoadSourcePng(png);
    QApplication::processEvents();
    EXPECT_EQ(previewPaints.paints, 0);
    EXPECT_EQ(sourcePaints.paints, 0);

    Click("previewZoom");
    Click("sourceZoom");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(preview));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(source));
    QApplication::processEvents();
    previewPaints.paints = 0;
    sourcePaints.paints = 0;
    window->findChild<IntegerBox*>("width")->SetValue(220);
    QApplication::processEvents();
    EXPECT_GT(previewPaints.paints, 0);
    window->LoadSourcePng(png);
    QApplication::processEvents();
    EXPECT_GT(sourcePaints.paints, 0);

    // What the preview magnifier shows is the preview picture, pixel for pixel enlarged.
    const QImage shown = preview->grab().toImage();
    const Canvas& picture = window->PreviewBuffer();
    for (const QPoint p : {QPoint(0, 0), QPoint(61, 33), QPoint(151, 97)})
        EXPECT_EQ(shown.pixel(p) | 0xFF000000u, picture.Pixel(p.x() / 2, p.y() / 2))
            << p.x() << ", " << p.y();
}

TEST_F(Magnifiers, RightButtonOffersTheZooms) {
    Click("previewZoom");
    const QSize size = preview->size();
    const auto rightClick = [&] { QTest::mouseClick(preview, Qt::RightButton, {}, QPoint(20, 20)); };
    const std::string zooms = "x 1; x 2; x 3; x 4; x 5; x 6; x 7; x 8; x 9; x 10";
    QString checked;
    EXPECT_EQ(ChooseFromPopup(rightClick, "x 5", nullptr, &checked), zooms);
    EXPECT_EQ(checked, "x 2");
    EXPECT_EQ(preview->Zoom(), 5);
    EXPECT_EQ(preview->size(), size);

    // Dismissed: nothing changes. The same zoom again: still 5.
    EXPECT_EQ(ChooseFromPopup(rightClick, QString(), nullptr, &checked), zooms);
    EXPECT_EQ(checked, "x 5");
    EXPECT_EQ(preview->Zoom(), 5);
    EXPECT_EQ(ChooseFromPopup(rightClick, "x 5"), zooms);
    EXPECT_EQ(preview->Zoom(), 5);

    QMenu* menu = source->BuildZoomMenu();
    EXPECT_EQ(menu->actions().at(2)->data().toInt(), 4901);
    EXPECT_TRUE(menu->actions().at(2)->isChecked());
    delete menu;

    // In the source magnifier the mouse picks: the menu opens from Ctrl + right click, the Menu key and
    // Shift+F10, and a plain right click opens none.
    window->LoadSourcePng(WritePng("small.png", 40, 20));
    Click("sourceZoom");
    QWidget* sheet = source->Sheet()->viewport();
    EXPECT_EQ(ChooseFromPopup([&] { QTest::mouseClick(sheet, Qt::RightButton, {}, QPoint(5, 5)); }, "x 4"),
              "(no menu)");
    EXPECT_EQ(source->Zoom(), 3);
    EXPECT_EQ(
        ChooseFromPopup([&] { QTest::mouseClick(sheet, Qt::RightButton, Qt::ControlModifier, QPoint(5, 5)); },
                        "x 4"),
        zooms);
    EXPECT_EQ(source->Zoom(), 4);
    EXPECT_EQ(ChooseFromPopup([&] { QTest::keyClick(source->Sheet(), Qt::Key_F10, Qt::ShiftModifier); },
                              "x 6", nullptr, &checked),
              zooms);
    EXPECT_EQ(checked, "x 4");
    EXPECT_EQ(ChooseFromPopup([&] { QTest::keyClick(source->Sheet(), Qt::Key_Menu); }, "x 2"), zooms);
    EXPECT_EQ(source->Zoom(), 2);
    // Ctrl+wheel steps through 1 .. 10 there.
    for (int i = 0; i < 12; ++i) {
        QWheelEvent wheel(QPointF(5, 5), sheet->mapToGlobal(QPointF(5, 5)), {}, {0, 120}, Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(sheet, &wheel);
    }
    EXPECT_EQ(source->Zoom(), 10);
}

TEST_F(Magnifiers, DraggingAndKeysPanThePreview) {
    Click("previewZoom");
    EXPECT_EQ(preview->cursor().shape(), Qt::OpenHandCursor);
    QTest::keyClick(preview, Qt::Key_Plus);
    QTest::keyClick(preview, Qt::Key_Plus);
    ASSERT_EQ(preview->Zoom(), 4);

    // Moves of 3 pixels at zoom 4 never pan; moves of 9 pan by 2 picture pixels each.
    QPoint at(150, 100);
    QTest::mousePress(preview, Qt::LeftButton, {}, at);
    for (int step = 0; step < 5; ++step) {
        at -= QPoint(3, 3);
        QTest::mouseMove(preview, at);
    }
    EXPECT_EQ(preview->Scroll(), (MagnifierScroll{0, 0}));
    for (int step = 0; step < 3; ++step) {
        at -= QPoint(9, 0);
        QTest::mouseMove(preview, at);
    }
    EXPECT_EQ(preview->Scroll(), (MagnifierScroll{6, 0}));
    QTest::mouseRelease(preview, Qt::LeftButton, {}, at);
    // Released: moving no longer pans.
    QTest::mouseMove(preview, at - QPoint(40, 40));
    EXPECT_EQ(preview->Scroll(), (MagnifierScroll{6, 0}));

    const QImage shown = preview->grab().toImage();
    EXPECT_EQ(shown.pixel(0, 0) | 0xFF000000u, window->PreviewBuffer().Pixel(6, 0));

    QTest::keyClick(preview, Qt::Key_Right);
    QTest::keyClick(preview, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(preview->Scroll(), (MagnifierScroll{7, 10}));
    QTest::keyClick(preview, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(preview->Scroll(), (MagnifierScroll{0, 10}));
    QTest::keyClick(preview, Qt::Key_Home);
    EXPECT_EQ(preview->Scroll(), (MagnifierScroll{0, 0}));
    QTest::keyClick(preview, Qt::Key_Minus);
    EXPECT_EQ(preview->Zoom(), 3);

    // The source magnifier does not pan.
    Click("sourceZoom");
    QTest::mousePress(source, Qt::LeftButton, {}, QPoint(50, 50));
    QTest::mouseMove(source, QPoint(10, 10));
    QTest::mouseRelease(source, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::keyClick(source, Qt::Key_Right);
    EXPECT_EQ(source->Scroll(), (MagnifierScroll{0, 0}));
}

} // namespace
