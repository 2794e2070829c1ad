#include "render/SourceViewPicture.h"
#include "RenderTestSupport.h"
#include "document/SkinElement.h"
#include "document/SourcePicking.h"
#include "picture/Canvas.h"
#include "picture/ImageSurface.h"

#include <gtest/gtest.h>

namespace {

constexpr Colour kWhite = MakeColour(255, 255, 255);
constexpr Colour kGrey = MakeColour(191, 191, 191);
constexpr Colour kRed = MakeColour(200, 0, 0);

// 20 by 12, transparent but for an opaque red block at (0, 0) .. (3, 3).
ImageSurface Picture() {
    ImageSurface picture;
    EXPECT_TRUE(picture.Create(20, 12, 24, kImagePng));
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 20; ++x) {
            picture.SetPixelColour(x, y, kRed);
            picture.SetAlpha(x, y, x < 4 && y < 4 ? 255 : 0);
        }
    }
    return picture;
}

} // namespace

TEST(SourceViewPicture, CheckerboardUnderThePicture) {
    Canvas out;
    ASSERT_TRUE(DrawSourceArea(Picture(), {0, 0, 20, 12}, {}, out));
    ASSERT_EQ(out.Width(), 20);
    ASSERT_EQ(out.Height(), 12);
    EXPECT_EQ(out.ColourAt(1, 1), kRed);   // the opaque part
    EXPECT_EQ(out.ColourAt(5, 5), kWhite); // first square
    EXPECT_EQ(out.ColourAt(9, 1), kGrey);  // the next column starts grey
    EXPECT_EQ(out.ColourAt(9, 9), kWhite);
    EXPECT_EQ(out.ColourAt(19, 11), kGrey); // column 2, row 1
}

TEST(SourceViewPicture, SelectedElementsAreasAreTintedOnThePictureOnly) {
    SkinElement button = SkinElement::Make(ElementKind::Button);
    ButtonRecord& b = *button.As<ButtonRecord>();
    b.source = {2, 2};
    b.sourcerollover = {16, 8};
    b.size = {6, 6}; // the rollover area runs off the picture
    Canvas out;
    ASSERT_TRUE(DrawSourceArea(Picture(), {0, 0, 20, 12}, SourceAreas(button), out));
    const Colour cyan = MakeColour(0, 255, 255);
    const Colour yellow = MakeColour(255, 255, 0);
    EXPECT_EQ(out.ColourAt(2, 2), Tinted(cyan, kRed));
    EXPECT_EQ(out.ColourAt(7, 7), Tinted(cyan, kWhite));
    EXPECT_EQ(out.ColourAt(8, 7), kGrey); // the size's end is not included
    EXPECT_EQ(out.ColourAt(7, 8), kGrey);
    EXPECT_EQ(out.ColourAt(1, 1), kRed);
    EXPECT_EQ(out.ColourAt(16, 8), Tinted(yellow, kGrey));
    EXPECT_EQ(out.ColourAt(16, 7), kWhite);
    EXPECT_EQ(out.ColourAt(19, 11), Tinted(yellow, kGrey));

    // A negative size tints nothing.
    b.size = {-4, 3};
    ASSERT_TRUE(DrawSourceArea(Picture(), {0, 0, 20, 12}, SourceAreas(button), out));
    EXPECT_EQ(out.ColourAt(0, 2), kRed);
    EXPECT_EQ(out.ColourAt(2, 2), kRed);
}

TEST(SourceViewPicture, AnAreaOfThePictureKeepsItsSquaresAndTintsInPlace) {
    SkinElement button = SkinElement::Make(ElementKind::Button);
    ButtonRecord& b = *button.As<ButtonRecord>();
    b.source = {2, 2};
    b.sourcerollover = {16, 8};
    b.size = {6, 6};
    const ImageSurface picture = Picture();
    Canvas whole;
    ASSERT_TRUE(DrawSourceArea(picture, {0, 0, 20, 12}, SourceAreas(button), whole));
    // Any part drawn on its own shows exactly what the whole shows there.
    for (const CanvasRect& area :
         {CanvasRect{3, 1, 20, 12}, CanvasRect{9, 7, 12, 9}, CanvasRect{19, 11, 20, 12}}) {
        Canvas part;
        ASSERT_TRUE(DrawSourceArea(picture, area, SourceAreas(button), part));
        ASSERT_EQ(part.Width(), area.Width());
        ASSERT_EQ(part.Height(), area.Height());
        for (int y = 0; y < area.Height(); ++y)
            for (int x = 0; x < area.Width(); ++x)
                ASSERT_EQ(part.Pixel(x, y), whole.Pixel(area.left + x, area.top + y))
                    << area.left + x << "," << area.top + y;
    }
    EXPECT_EQ(whole.ColourAt(9, 9), kWhite);
    EXPECT_EQ(whole.ColourAt(7, 7), Tinted(MakeColour(0, 255, 255), kWhite));
    // Without a picture the checkerboard alone; an empty area gives nothing.
    Canvas blank;
    ASSERT_TRUE(DrawSourceArea(ImageSurface(), {8, 0, 10, 2}, {}, blank));
    EXPECT_EQ(blank.ColourAt(0, 0), kGrey);
    EXPECT_FALSE(DrawSourceArea(picture, {4, 4, 4, 9}, {}, blank));
    EXPECT_FALSE(blank.IsValid());
}

TEST(SourceViewPicture, RedrawingWhereTheTintsMovedGivesWhatAWholeDrawingGives) {
    const ImageSurface picture = Picture();
    const CanvasRect area{2, 1, 18, 12};
    const std::vector<SourceArea> before = {{3, 2, 6, 5, false}, {12, 6, 4, 4, true}};
    struct Case {
        const char* what;
        std::vector<SourceArea> after;
        CanvasRect part;
    };
    const Case cases[] = {
        {"moved by one", {{4, 2, 6, 5, false}, {12, 6, 4, 4, true}}, {3, 2, 10, 7}},
        {"grown past the area", {{3, 2, 6, 5, false}, {12, 6, 9, 9, true}}, {12, 6, 21, 15}},
        {"gone", {}, {3, 2, 16, 10}},
        {"part wholly outside the area", before, {0, 0, 2, 1}},
    };
    for (const Case& c : cases) {
        Canvas redrawn;
        ASSERT_TRUE(DrawSourceArea(picture, area, before, redrawn));
        RedrawSourceAreaPart(picture, area, c.part, c.after, redrawn);
        Canvas fresh;
        ASSERT_TRUE(DrawSourceArea(picture, area, c.after, fresh));
        for (int y = 0; y < area.Height(); ++y)
            for (int x = 0; x < area.Width(); ++x)
                ASSERT_EQ(redrawn.Pixel(x, y), fresh.Pixel(x, y)) << c.what << " at " << x << "," << y;
    }
}
