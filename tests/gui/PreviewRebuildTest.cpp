#include "EditingFixture.h"
#include "designer/NoteSettingsBox.h"
#include "designer/PreviewView.h"
#include "render/RenderPreview.h"
#include "widgets/IntegerBox.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <vector>

namespace {

std::vector<CanvasPixel> Pixels(const Canvas& canvas) {
    std::vector<CanvasPixel> pixels;
    for (int y = 0; y < canvas.Height(); ++y)
        pixels.insert(pixels.end(), canvas.Row(y), canvas.Row(y) + canvas.Width());
    return pixels;
}

class PreviewRebuild : public EditingWindow {
protected:
    QString StartPath() override { return DRAPIER_EXAMPLES "/plain/plain.ini"; }
};

TEST_F(PreviewRebuild, EveryNoteSettingsChangeRedrawsThePreview) {
    window->show();
    QApplication::processEvents();
    ASSERT_EQ(window->Document().elements.empty(), false);

    const Canvas& buffer = window->PreviewBuffer();
    const QSize area = window->findChild<PreviewView*>("preview")->size();
    ASSERT_TRUE(buffer.IsValid());
    EXPECT_EQ(buffer.Width(), area.width());
    EXPECT_EQ(buffer.Height() % 2, 0);
    EXPECT_GE(buffer.Height(), area.height());

    const struct {
        const char* change;
        std::function<void()> apply;
    } changes[] = {
        {"width", [&] { window->findChild<IntegerBox*>("width")->SetValue(220); }},
        {"height", [&] { window->findChild<IntegerBox*>("height")->SetValue(160); }},
        {"rolled", [&] { window->findChild<QCheckBox*>("rolled")->setChecked(true); }},
        {"unrolled", [&] { window->findChild<QCheckBox*>("rolled")->setChecked(false); }},
        {"title", [&] { window->findChild<QLineEdit*>("title")->setText("Another title entirely"); }},
        {"bulk", [&] { window->findChild<QCheckBox*>("bulk")->setChecked(true); }},
        {"highlight areas", [&] { window->findChild<QCheckBox*>("highlightAreas")->setChecked(true); }},
        {"sticky colour",
         [&] {
             prompter.colours.push_back(MakeColour(40, 200, 90));
             window->findChild<QPushButton*>("pickSticky")->click();
         }},
    };
    for (const auto& change : changes) {
        const std::vector<CanvasPixel> before = Pixels(buffer);
        change.apply();
        EXPECT_NE(Pixels(buffer), before) << change.change;
    }
    EXPECT_EQ(window->CurrentNoteSettings().notecolour, MakeColour(40, 200, 90));
    EXPECT_FALSE(window->IsDirty()); // the note settings are not part of the skin
}

// A size typed in a burst is drawn once, at the size typed, however large, and shows what the note
// looks like there.
TEST_F(PreviewRebuild, TypedSizesRedrawOnceAtTheLastValue) {
    window->show();
    QApplication::processEvents();
    auto* width = window->findChild<IntegerBox*>("width");
    auto* height = window->findChild<IntegerBox*>("height");
    QSignalSpy redraws(window->findChild<NoteSettingsBox*>("noteSettings"), &NoteSettingsBox::Changed);
    width->setFocus();
    width->selectAll();
    QTest::keyClicks(width, "80000");
    height->setFocus();
    height->selectAll();
    QTest::keyClicks(height, "30000");
    EXPECT_EQ(redraws.count(), 0);
    ASSERT_TRUE(Eventually([&] { return redraws.count() > 0; }));
    QApplication::processEvents();
    EXPECT_EQ(redraws.count(), 1);
    EXPECT_EQ(window->CurrentNoteSettings().width, 80000);
    EXPECT_EQ(window->CurrentNoteSettings().height, 30000);

    const Canvas& buffer = window->PreviewBuffer();
    Canvas expected(buffer.Width(), buffer.Height());
    RenderPreview(window->Document(), window->CurrentNoteSettings(), window->CurrentPreviewOptions(),
                  expected);
    EXPECT_TRUE(SamePixels(buffer, expected));

    // The arrows and values set by the program still redraw at once.
    width->SetValue(300);
    EXPECT_EQ(redraws.count(), 2);
}

} // namespace
