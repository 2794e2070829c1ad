#include "document/FrameGuides.h"

#include <gtest/gtest.h>
#include <ostream>

static void PrintTo(const FrameMargins& m, std::ostream* out) {
    *out << m.left << "," << m.top << "," << m.right << "," << m.bottom;
}

namespace {

const CanvasRect kRect = CanvasRect::FromSize(10, 20, 30, 16); // to (40, 36)
const FrameMargins kMargins{4, 5, 6, 3};

} // namespace

TEST(FrameGuides, PositionsAndMoves) {
    EXPECT_EQ(GuidePosition(kRect, kMargins, FrameGuide::Left), 14);
    EXPECT_EQ(GuidePosition(kRect, kMargins, FrameGuide::Top), 25);
    EXPECT_EQ(GuidePosition(kRect, kMargins, FrameGuide::Right), 34);
    EXPECT_EQ(GuidePosition(kRect, kMargins, FrameGuide::Bottom), 33);
    const struct Case {
        const char* what;
        FrameGuide guide;
        int position;
        FrameMargins expected;
    } cases[] = {
        {"left guide inward", FrameGuide::Left, 20, {10, 5, 6, 3}},
        {"left guide onto the rectangle's edge", FrameGuide::Left, 10, {0, 5, 6, 3}},
        {"left guide past the edge stops there", FrameGuide::Left, -500, {0, 5, 6, 3}},
        {"left guide up to the right one leaves a column", FrameGuide::Left, 34, {23, 5, 6, 3}},
        {"left guide past the right one", FrameGuide::Left, 2000000000, {23, 5, 6, 3}},
        {"right guide inward", FrameGuide::Right, 30, {4, 5, 10, 3}},
        {"right guide past the left one", FrameGuide::Right, -2000000000, {4, 5, 25, 3}},
        {"top guide", FrameGuide::Top, 21, {4, 1, 6, 3}},
        {"top guide past the bottom one", FrameGuide::Top, 40, {4, 12, 6, 3}},
        {"bottom guide onto the edge", FrameGuide::Bottom, 36, {4, 5, 6, 0}},
        {"bottom guide past the top one", FrameGuide::Bottom, 0, {4, 5, 6, 10}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(MoveGuide(kRect, kMargins, c.guide, c.position), c.expected);
    }
    // Margins typed too large leave the guide no room: it goes to the rectangle's edge.
    EXPECT_EQ(MoveGuide(kRect, {4, 5, 40, 3}, FrameGuide::Left, 20), (FrameMargins{0, 5, 40, 3}));
}

TEST(FrameGuides, TheGuideUnderThePointer) {
    // A frame shown from (100, 50) to (220, 114), its guides at x 116 and 196, y 70 and 102.
    const CanvasRect view{100, 50, 220, 114};
    const std::array<int, 4> at{116, 70, 196, 102};
    const struct Case {
        int x, y;
        std::optional<FrameGuide> expected;
    } cases[] = {
        {116, 90, FrameGuide::Left},
        {119, 60, FrameGuide::Left},
        {113, 112, FrameGuide::Left},
        {121, 90, std::nullopt},
        {116, 40, std::nullopt},
        {116, 47, FrameGuide::Left},
        {200, 90, FrameGuide::Right},
        {150, 71, FrameGuide::Top},
        {150, 105, FrameGuide::Bottom},
        {150, 90, std::nullopt},
        {300, 70, std::nullopt},
        // Where two guides cross, the nearer line wins; Left before Top when as near.
        {117, 72, FrameGuide::Left},
        {118, 71, FrameGuide::Top},
        {117, 71, FrameGuide::Left},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        EXPECT_EQ(GuideAt(view, at, c.x, c.y, 4), c.expected);
    }
}
