#include "render/FramePreview.h"

#include "picture/Canvas.h"

#include <gtest/gtest.h>

namespace {

SkinDocument SkinWithTitle() {
    SkinDocument document;
    EXPECT_TRUE(document.image.Create(40, 30, 24, kImagePng));
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x)
            document.image.SetPixelColour(x, y, MakeColour(x * 6, y * 8, 90));
    }
    SkinElement title = SkinElement::Make(ElementKind::Text);
    title.SetName("Title");
    document.Append(title);
    return document;
}

} // namespace

// Each frame replaces the one before in the copy, which the skin never sees.
TEST(FramePreview, FramesReplaceEachOtherInTheCopy) {
    const SkinDocument skin = SkinWithTitle();
    NoteSettings settings;
    settings.width = 120;
    settings.height = 70;
    FramePreview preview(skin, 0, settings);
    FrameOptions options;
    options.setLayout = true;
    options.group = "Frame";
    EXPECT_EQ(preview.SetFrame({0, 0, 40, 30}, {5, 6, 7, 8}, options), FrameProblem::None);
    EXPECT_EQ(preview.Document().elements.size(), 11u); // the group, nine pieces, the title
    EXPECT_EQ(preview.Document().elements[0].Name(), "Frame");
    EXPECT_EQ(preview.Document().elements[10].Name(), "Title");
    EXPECT_EQ(preview.Document().layout.left, 5);

    options.tileBody = false;
    options.group.clear();
    options.setLayout = false;
    EXPECT_EQ(preview.SetFrame({0, 0, 40, 30}, {5, 6, 7, 8}, options), FrameProblem::None);
    EXPECT_EQ(preview.Document().elements.size(), 9u);
    EXPECT_EQ(preview.Document().elements[0].Name(), "Frame top"); // no second group, no "Frame top1"
    EXPECT_EQ(preview.Document().layout, skin.layout);

    EXPECT_EQ(preview.SetFrame({0, 0, 40, 30}, {25, 6, 15, 8}, options), FrameProblem::NoMiddleAcross);
    EXPECT_EQ(preview.Document().elements, skin.elements);
    EXPECT_EQ(skin.elements.size(), 1u);
}

TEST(FramePreview, ThreeSizesDrawn) {
    SkinDocument skin = SkinWithTitle();
    skin.layout.minimumwidth = 20;
    skin.layout.minimumheight = 15;
    NoteSettings settings;
    settings.width = 150;
    settings.height = 60;
    FramePreview preview(skin, 5, settings);
    EXPECT_EQ(preview.Sizes(), (std::vector<SheetSize>{{20, 15}, {150, 60}, {300, 120}}));
    // A fitted layout raises the minimum size to hold the borders.
    FrameOptions options;
    options.setLayout = true;
    ASSERT_EQ(preview.SetFrame({0, 0, 40, 30}, {30, 6, 9, 10}, options), FrameProblem::None);
    EXPECT_EQ(preview.Sizes()[0], (SheetSize{40, 17}));
    // The note's top-left pixel is the frame's corner, inside the margin of the area.
    Canvas area;
    preview.Render({150, 60}, area);
    ASSERT_EQ(area.Width(), 150 + 2 * FramePreview::kAreaMargin);
    const int m = FramePreview::kAreaMargin;
    EXPECT_EQ(area.ColourAt(m, m), skin.image.PixelColour(0, 0));
    EXPECT_EQ(area.ColourAt(m + 149, m + 59), skin.image.PixelColour(39, 29));
}
