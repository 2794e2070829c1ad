#include "EditingFixture.h"
#include "designer/PreviewView.h"
#include "widgets/IntegerBox.h"

#include <QCheckBox>
#include <QLineEdit>
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

} // namespace
