#include "render/SourceViewPicture.h"
#include "RenderTestSupport.h"
#include "document/SkinElement.h"
#include "document/SourcePicking.h"
#include "picture/Canvas.h"
#include "picture/ImageSurface.h"

#include <QPoint>
#include <gtest/gtest.h>

namespace {

constexpr Colour kFace = MakeColour(10, 20, 30);
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

TEST(SourceViewPicture, CheckerboardPictureAndFaceAroundIt) {
    Canvas out;
    ASSERT_TRUE(DrawSourceView(Picture(), nullptr, 40, 30, kFace, out));
    ASSERT_EQ(out.Width(), 40);
    ASSERT_EQ(out.Height(), 30);
    EXPECT_EQ(out.ColourAt(1, 1), kRed);   // the opaque part
    EXPECT_EQ(out.ColourAt(5, 5), kWhite); // first square
    EXPECT_EQ(out.ColourAt(9, 1), kGrey);  // the next column starts grey
    EXPECT_EQ(out.ColourAt(9, 9), kWhite);
    EXPECT_EQ(out.ColourAt(19, 11), kGrey); // column 2, row 1
    for (const QPoint p : {QPoint(20, 0), QPoint(39, 11), QPoint(0, 12), QPoint(19, 29), QPoint(39, 29)})
        EXPECT_EQ(out.ColourAt(p.x(), p.y()), kFace) << p.x() << "," << p.y();

    // A smaller picture in the same canvas leaves nothing of the larger one.
    ImageSurface small;
    ASSERT_TRUE(small.Create(4, 4, 24, kImagePng));
    ASSERT_TRUE(DrawSourceView(small, nullptr, 40, 30, kFace, out));
    EXPECT_EQ(out.ColourAt(10, 2), kFace);
    EXPECT_EQ(out.ColourAt(2, 10), kFace);

    // Without a picture the view is all face; an empty view gives nothing.
    ASSERT_TRUE(DrawSourceView(ImageSurface(), nullptr, 8, 8, kFace, out));
    EXPECT_EQ(out.ColourAt(0, 0), kFace);
    EXPECT_FALSE(DrawSourceView(Picture(), nullptr, 0, 8, kFace, out));
    EXPECT_FALSE(out.IsValid());

    // A picture larger than the view is cut off.
    ASSERT_TRUE(DrawSourceView(Picture(), nullptr, 10, 6, kFace, out));
    EXPECT_EQ(out.Width(), 10);
    EXPECT_EQ(out.ColourAt(9, 5), kGrey);
}

TEST(SourceViewPicture, SelectedElementsAreasAreTintedOnThePictureOnly) {
    SkinElement button = SkinElement::Make(ElementKind::Button);
    ButtonRecord& b = *button.As<ButtonRecord>();
    b.source = {2, 2};
    b.sourcerollover = {16, 8};
    b.size = {6, 6}; // the rollover area runs off the picture
    Canvas out;
    ASSERT_TRUE(DrawSourceView(Picture(), &button, 40, 30, kFace, out));
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
    EXPECT_EQ(out.ColourAt(20, 11), kFace);
    EXPECT_EQ(out.ColourAt(19, 12), kFace);

    // A negative size tints nothing.
    b.size = {-4, 3};
    ASSERT_TRUE(DrawSourceView(Picture(), &button, 40, 30, kFace, out));
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
