#include "render/Magnifier.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

constexpr Colour kFace = MakeColour(240, 240, 240);

// A picture whose every pixel is distinct, so a wrong source column or row shows.
Canvas Numbered(int width, int height) {
    Canvas picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.SetPixel(x, y, MakePixel(x * 20, y * 20, 99));
    return picture;
}

TEST(Magnifier, ClientSizeCountsOddSidesAs64) {
    const struct {
        int zoom, width, height;
        MagnifierSize expected;
    } cases[] = {
        {3, 40, 20, {120, 60}},       {3, 5, 2000, {192, 192}},
        {2, 8, 1024, {16, 2048}},                            // both limits are still counted as they are
        {2, 7, 1025, {128, 128}},                            // one past each limit is not
        {2, 0, 0, {128, 128}},                               // no picture at all
        {10, 300, 100, {3000, 1000}}, {0, 40, 20, {40, 20}}, // a zoom out of range is held to 1 .. 10
        {11, 40, 20, {400, 200}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MagnifierClientSize(c.zoom, c.width, c.height), c.expected)
            << c.zoom << " x " << c.width << " by " << c.height;
}

TEST(Magnifier, PanStepTruncatesEachQuotientAndStopsAtZero) {
    const struct {
        MagnifierScroll from;
        int dx, dy, zoom;
        MagnifierScroll expected;
    } cases[] = {
        {{10, 10}, -3, -3, 4, {10, 10}}, // shorter than the zoom: no pan
        {{10, 10}, -9, 9, 4, {12, 8}},   // 9 / 4 is 2 either way
        {{10, 10}, 7, -7, 2, {7, 13}},
        {{1, 1}, 50, 50, 2, {0, 0}},      // never below 0
        {{0, 0}, -1000, 0, 1, {1000, 0}}, // and no upper bound
        {{INT_MAX - 1, 0}, -10, 0, 1, {INT_MAX, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PanStep(c.from, c.dx, c.dy, c.zoom), c.expected)
            << c.dx << ", " << c.dy << " at " << c.zoom;
}

TEST(Magnifier, SlowDragNeverPansAndNineByNinePansByTwo) {
    MagnifierScroll scroll{20, 0};
    for (int step = 0; step < 30; ++step)
        scroll = PanStep(scroll, 3, 0, 4);
    EXPECT_EQ(scroll, (MagnifierScroll{20, 0}));
    for (int step = 0; step < 3; ++step)
        scroll = PanStep(scroll, 9, 0, 4);
    EXPECT_EQ(scroll, (MagnifierScroll{14, 0}));
}

TEST(Magnifier, PaintReplicatesPixelsFromTheScrollPosition) {
    const Canvas picture = Numbered(6, 4);
    Canvas client(60, 40, MakeColour(1, 2, 3));
    PaintMagnified(client, picture, 3, {2, 1}, kFace);
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 12; ++x) {
            ASSERT_EQ(client.Pixel(x, y), picture.Pixel(2 + x / 3, 1 + y / 3)) << x << ", " << y;
        }
    }
    // The picture reaches 3 * (6 - 2) = 12 across and 3 * (4 - 1) = 9 down; the rest is the face colour.
    EXPECT_EQ(client.ColourAt(12, 0), kFace);
    EXPECT_EQ(client.ColourAt(59, 39), kFace);
    EXPECT_EQ(client.ColourAt(0, 9), kFace);
    EXPECT_EQ(client.ColourAt(11, 8), ColourFromPixel(picture.Pixel(5, 3)));
}

TEST(Magnifier, DraggedPastTheRightEdgeShowsTheFaceThere) {
    const Canvas picture = Numbered(10, 10);
    Canvas client(40, 40);
    MagnifierScroll scroll;
    // Dragging the picture 32 window pixels left at zoom 4 scrolls 8 picture pixels.
    for (int step = 0; step < 4; ++step)
        scroll = PanStep(scroll, -8, 0, 4);
    ASSERT_EQ(scroll, (MagnifierScroll{8, 0}));
    PaintMagnified(client, picture, 4, scroll, kFace);
    EXPECT_EQ(client.Pixel(0, 0), picture.Pixel(8, 0));
    EXPECT_EQ(client.Pixel(7, 39), picture.Pixel(9, 9));
    for (int x = 8; x < 40; ++x)
        ASSERT_EQ(client.ColourAt(x, 20), kFace) << x;

    // Scrolled wholly past the picture, the whole window is face.
    PaintMagnified(client, picture, 4, {25, 3}, kFace);
    EXPECT_EQ(MagnifierUncoveredAreas(4, 10, 10, {25, 3}, 40, 40),
              (std::vector<CanvasRect>{{0, 0, 40, 40}, {0, 28, 40, 40}}));
    EXPECT_EQ(client.ColourAt(0, 0), kFace);
}

TEST(Magnifier, UncoveredAreasOnlyWhereThePictureFallsShort) {
    // Exactly filling the client leaves nothing to fill.
    EXPECT_TRUE(MagnifierUncoveredAreas(2, 20, 10, {0, 0}, 40, 20).empty());
    EXPECT_EQ(MagnifierUncoveredAreas(2, 20, 10, {0, 0}, 41, 20), (std::vector<CanvasRect>{{40, 0, 41, 20}}));
    EXPECT_EQ(MagnifierUncoveredAreas(2, 20, 10, {0, 2}, 40, 20), (std::vector<CanvasRect>{{0, 16, 40, 20}}));
    // An enormous scroll position does not overflow.
    EXPECT_EQ(MagnifierUncoveredAreas(10, 20, 10, {INT_MAX, 0}, 40, 20).front(), (CanvasRect{0, 0, 40, 20}));

    // No picture at all: the whole window is face.
    Canvas client(16, 16, MakeColour(1, 2, 3));
    PaintMagnified(client, Canvas(), 3, {}, kFace);
    EXPECT_EQ(client.ColourAt(0, 0), kFace);
    EXPECT_EQ(client.ColourAt(15, 15), kFace);
}

} // namespace
