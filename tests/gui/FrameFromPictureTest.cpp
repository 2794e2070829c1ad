#include "EditingFixture.h"

#include "designer/CommandIds.h"
#include "dialogs/FrameFromPictureDlg.h"
#include "widgets/IntegerBox.h"
#include "widgets/SheetCanvas.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <random>

namespace {

// A 64 x 48 sheet of noise holding a frame of 40 x 30 at (6, 4): noise corners, bands of one colour per
// row or column, one colour in the middle; its borders are 4, 6, 3 and 2.
QImage FramedSheet() {
    std::mt19937 random(9);
    QImage sheet(64, 48, QImage::Format_ARGB32);
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 64; ++x) {
            const int fx = x - 6, fy = y - 4;
            const bool inside = fx >= 0 && fx < 40 && fy >= 0 && fy < 30;
            const bool across = fx >= 4 && fx < 37, down = fy >= 6 && fy < 28;
            QRgb pixel = qRgb(random() % 256, random() % 256, random() % 256);
            if (inside && across && down)
                pixel = qRgb(250, 245, 210);
            else if (inside && across)
                pixel = qRgb(120, 8 * fy, 40);
            else if (inside && down)
                pixel = qRgb(8 * fx, 90, 160);
            sheet.setPixel(x, y, pixel);
        }
    }
    return sheet;
}

} // namespace

// The whole path: the rectangle drawn with the mouse, its borders found, a margin typed and found again,
// a guide dragged, the layout option ticked, OK; the frame goes in before the selected element as one
// undo step, the preview showing it, and one undo takes it all away.
TEST_F(EditingWindow, FrameFromPictureDrawFindDragAndAdd) {
    SkinDocument skin;
    skin.settings.skinname = "Framed";
    skin.Append(Entry(ElementKind::Text, "Title"));
    skin.Append(Entry(ElementKind::Button, "Close"));
    const QString path = WriteSkinFrom(skin, "framed");
    const QImage sheet = FramedSheet();
    ASSERT_TRUE(sheet.save(dir.filePath("framed.png")));
    Open(path);
    window->show();
    Select("Close");
    const Canvas before = window->PreviewBuffer();

    bool driven = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFrameFromPictureDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* ok = dialog->findChild<QDialogButtonBox*>("frameButtons")->button(QDialogButtonBox::Ok);
        EXPECT_FALSE(ok->isEnabled());
        SheetCanvas* canvas = dialog->Sheet();
        canvas->SetZoom(4);
        QWidget* view = canvas->viewport();
        const auto at = [&](int x, int y) { return canvas->ViewRectOf({x, y, x + 1, y + 1}).center(); };

        QTest::mousePress(view, Qt::LeftButton, {}, at(6, 4));
        QTest::mouseMove(view, at(30, 20));
        QTest::mouseMove(view, at(45, 33));
        QTest::mouseRelease(view, Qt::LeftButton, {}, at(45, 33));
        EXPECT_EQ(dialog->Rect(), CanvasRect::FromSize(6, 4, 40, 30));
        EXPECT_EQ(dialog->Margins(), (FrameMargins{4, 6, 3, 2}));
        EXPECT_TRUE(ok->isEnabled());
        // The preview at the note's size shows the frame's top-left corner at the note's.
        const Canvas& shown = dialog->PreviewPictures()[1];
        const int m = FramePreview::kAreaMargin;
        EXPECT_EQ(shown.Width(), 300 + 2 * m);
        EXPECT_EQ(shown.Pixel(m, m) | 0xFF000000u, sheet.pixel(6, 4));

        // Margins that leave no middle are refused with a reason; Find borders puts the found ones back.
        auto* left = dialog->findChild<IntegerBox*>("frameLeft");
        left->SetValue(37);
        EXPECT_EQ(dialog->Problem(), FrameProblem::NoMiddleAcross);
        EXPECT_FALSE(ok->isEnabled());
        EXPECT_EQ(dialog->findChild<QLabel*>("frameMessage")->text(),
                  FrameProblemText(FrameProblem::NoMiddleAcross));
        dialog->findChild<QPushButton*>("frameFindBorders")->click();
        EXPECT_EQ(dialog->Margins(), (FrameMargins{4, 6, 3, 2}));

        // The left guide, at the boundary of column 10, dragged two pixels to the right.
        const QPoint guide(canvas->ViewRectOf({10, 15, 11, 16}).left(), at(10, 15).y());
        QTest::mousePress(view, Qt::LeftButton, {}, guide);
        QTest::mouseMove(view, guide + QPoint(8, 0));
        QTest::mouseRelease(view, Qt::LeftButton, {}, guide + QPoint(8, 0));
        EXPECT_EQ(dialog->Margins(), (FrameMargins{6, 6, 3, 2}));
        EXPECT_EQ(left->Value(), 6);
        EXPECT_EQ(dialog->Rect(), CanvasRect::FromSize(6, 4, 40, 30)); // the drag drew no new rectangle

        dialog->findChild<QCheckBox*>("frameSetLayout")->setChecked(true);
        ok->click();
        driven = true;
    });
    window->RunCommand(Command::FrameFromPicture);
    ASSERT_TRUE(driven);

    EXPECT_EQ(Tree(), "Title; Frame body; Frame top; Frame bottom; Frame left; Frame right; Frame top left; "
                      "Frame top right; Frame bottom left; Frame bottom right; Close");
    EXPECT_EQ(Selected(), "Frame body");
    EXPECT_EQ(Steps(), 1);
    EXPECT_EQ(window->UndoStack()->undoText(), "Frame from Picture");
    EXPECT_EQ(window->Document().layout.left, 6);
    EXPECT_FALSE(SamePixels(window->PreviewBuffer(), before));

    window->UndoStack()->undo();
    EXPECT_EQ(Tree(), "Title; Close");
    EXPECT_EQ(window->Document().layout.left, 10);
    EXPECT_TRUE(SamePixels(window->PreviewBuffer(), before));
}

// Cancel adds nothing; the command is in the Edit menu too; Tab goes through the rectangle's boxes and
// then the margins'.
TEST_F(EditingWindow, FrameFromPictureCancelled) {
    Open(WriteSkin());
    std::vector<QString> order;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        QWidget* box = dialog->findChild<IntegerBox*>("frameX");
        for (int i = 0; i < 8 && box; ++i) {
            order.push_back(box->objectName());
            do
                box = box->nextInFocusChain();
            while (!qobject_cast<IntegerBox*>(box));
        }
        dialog->close();
    });
    const std::string tree = Tree();
    window->RunCommand(Command::FrameFromPicture);
    EXPECT_EQ(Tree(), tree);
    EXPECT_EQ(Steps(), 0);
    EXPECT_EQ(order, (std::vector<QString>{"frameX", "frameY", "frameWidth", "frameHeight", "frameLeft",
                                           "frameTop", "frameRight", "frameBottom"}));
    EXPECT_NE(MenuItem(window->MenuBar(), "&Edit", QStringLiteral("Frame from Picture\u2026")), nullptr);
}
