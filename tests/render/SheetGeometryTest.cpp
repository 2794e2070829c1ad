#include "render/SheetGeometry.h"
#include "RenderTestSupport.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

SheetAxis Axis(int picture, int view, int zoom, int scroll) {
    return {picture, view, zoom, scroll};
}

} // namespace

TEST(SheetGeometry, PicturePointUnderThePointer) {
    const struct {
        SheetAxis axis;
        int v;
        int expected;
    } cases[] = {
        {Axis(320, 160, 1, 0), 0, 0},        {Axis(320, 160, 1, 0), 159, 159},
        {Axis(320, 160, 1, 100), 99, 199}, // scrolled: a piece below y=160 is reached
        {Axis(320, 160, 4, 0), 3, 0},        {Axis(320, 160, 4, 0), 4, 1},
        {Axis(320, 160, 4, 10), 1, 2},       // floor((1 + 10) / 4)
        {Axis(320, 160, 3, 0), -1, -1},      // left of the picture: floor, not truncation
        {Axis(320, 160, 16, 5104), 15, 319}, // the last pixel at the largest zoom
        {Axis(5, 160, 12, 0), 100, 8},       // past the picture: not held to it
    };
    for (const auto& c : cases)
        EXPECT_EQ(PictureCoordinate(c.axis, c.v), c.expected)
            << "zoom " << c.axis.zoom << " scroll " << c.axis.scroll << " at " << c.v;
}

TEST(SheetGeometry, ZoomStepsScrollRangeAndZoomAboutThePointer) {
    // Steps stop at their ends; a zoom between steps goes to the neighbouring ones.
    const struct {
        int zoom, direction, pictureSide, expected;
    } steps[] = {
        {1, 1, 320, 2},
        {4, 1, 320, 6},
        {16, 1, 320, 16},
        {1, -1, 320, 1},
        {5, 1, 320, 6},
        {5, -1, 320, 4},
        {12, -1, 320, 8},
        {8, 1, 1, 12},
        // A sheet so long that zoom 2 would leave the int range keeps zoom 1.
        {1, 1, kMaxZoomedExtent, 1},
        {1, 1, kMaxZoomedExtent / 2, 2},
        {2, 1, kMaxZoomedExtent / 2, 2},
    };
    for (const auto& s : steps)
        EXPECT_EQ(StepZoom(kSheetZooms, s.zoom, s.direction, s.pictureSide, 10), s.expected)
            << s.zoom << " by " << s.direction << " on " << s.pictureSide;
    EXPECT_EQ(FitZoom(16, INT_MAX, 1), 1);
    EXPECT_EQ(FitZoom(0, 10, 10), 1);

    EXPECT_EQ(MaxScroll(Axis(320, 160, 1, 0)), 160);
    EXPECT_EQ(MaxScroll(Axis(320, 400, 1, 0)), 0);
    EXPECT_EQ(MaxScroll(Axis(320, 400, 2, 0)), 240);
    EXPECT_EQ(ClampScroll(Axis(320, 160, 1, 0), -5), 0);
    EXPECT_EQ(ClampScroll(Axis(320, 160, 1, 0), 1LL << 40), 160);

    // The pixel under the anchor stays under it, wherever the range allows.
    for (const SheetAxis& before : {Axis(320, 160, 1, 0), Axis(320, 160, 1, 77), Axis(320, 160, 3, 400)}) {
        for (const int anchor : {0, 37, 159}) {
            for (const int zoom : {1, 2, 6, 16}) {
                SheetAxis after = before;
                after.zoom = zoom;
                after.scroll = ScrollAfterZoom(before, zoom, anchor);
                const int expected = PictureCoordinate(before, anchor);
                if (after.scroll > 0 && after.scroll < MaxScroll(after)) {
                    EXPECT_EQ(PictureCoordinate(after, anchor), expected)
                        << before.zoom << "->" << zoom << " at " << anchor;
                }
                EXPECT_EQ(after.scroll, ClampScroll(after, after.scroll));
            }
        }
    }
    // Back to 1:1 about the top-left corner of a view scrolled to pixel 100 of zoom 4.
    EXPECT_EQ(ScrollAfterZoom(Axis(320, 160, 4, 400), 1, 0), 100);
}

TEST(SheetGeometry, VisibleAreaViewRectsAndScrollingIntoView) {
    const struct {
        SheetView view;
        CanvasRect expected;
    } visible[] = {
        {{Axis(320, 300, 1, 0), Axis(320, 160, 1, 0)}, {0, 0, 300, 160}},
        {{Axis(40, 300, 1, 0), Axis(20, 160, 1, 0)}, {0, 0, 40, 20}},         // a small picture
        {{Axis(320, 800, 8, 1003), Axis(320, 600, 8, 0)}, {125, 0, 226, 75}}, // cut pixels count
        {{Axis(0, 300, 1, 0), Axis(0, 160, 1, 0)}, {}},                       // no picture
        {{Axis(10, 0, 1, 0), Axis(10, 160, 1, 0)}, {}},                       // no view
    };
    for (const auto& c : visible)
        EXPECT_EQ(VisibleArea(c.view), c.expected) << c.view.x.scroll;

    const SheetView zoomed{Axis(320, 800, 8, 1003), Axis(320, 600, 8, 16)};
    EXPECT_EQ(ViewRectOf(zoomed, {126, 2, 128, 3}), (CanvasRect{5, 0, 21, 8}));
    // Far outside the view, held just beyond it.
    EXPECT_EQ(ViewRectOf(zoomed, {0, 0, INT_MAX, 1}), (CanvasRect{-2, -2, 802, -2}));

    const struct {
        SheetAxis axis;
        long long start, end;
        int expected;
    } shows[] = {
        {Axis(320, 160, 1, 0), 10, 20, 0},     // already shown
        {Axis(320, 160, 1, 0), 200, 264, 104}, // below: its bottom at the view's bottom
        {Axis(320, 160, 1, 150), 20, 40, 20},  // above: its top at the view's top
        {Axis(320, 160, 4, 0), 100, 200, 400}, // longer than the view: from its start
        {Axis(320, 160, 1, 0), 400, 500, 160}, // off the picture: as far as it goes
        {Axis(320, 160, 1, 30), -5, -1, 0},    // an unset source's corner
    };
    for (const auto& s : shows)
        EXPECT_EQ(ScrollToShow(s.axis, s.start, s.end), s.expected) << s.start << " .. " << s.end;
}

TEST(SheetGeometry, DrawnRectangleSpansBothEndsInEitherDirection) {
    const struct {
        int x0, y0, x1, y1;
        CanvasRect expected;
    } cases[] = {
        {10, 10, 29, 19, {10, 10, 30, 20}},   // 20 x 10
        {29, 19, 10, 10, {10, 10, 30, 20}},   // the same drawn back
        {29, 10, 10, 19, {10, 10, 30, 20}},   // and across
        {5, 5, 5, 5, {5, 5, 6, 6}},           // a click is one pixel
        {-40, 10, 500, 12, {0, 10, 320, 13}}, // a drag off the canvas is held to the picture
        {10, -3, 10, 9999, {10, 0, 11, 200}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SpannedArea(c.x0, c.y0, c.x1, c.y1, 320, 200), c.expected)
            << c.x0 << "," << c.y0 << " to " << c.x1 << "," << c.y1;
    EXPECT_EQ(SpannedArea(0, 0, 3, 3, 1, 1), (CanvasRect{0, 0, 1, 1})); // a one-pixel sheet
    EXPECT_TRUE(SpannedArea(0, 0, 3, 3, 0, 0).IsEmpty());
}
