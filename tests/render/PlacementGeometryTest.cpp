#include "render/PlacementGeometry.h"
#include "document/NoteState.h"
#include "document/SkinDocument.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

Placement P(int value, PlacementMode mode = PlacementMode::Sides, int offset = 0) {
    return {value, mode, offset};
}

constexpr PlacementMode kSides = PlacementMode::Sides;
constexpr PlacementMode kMiddle = PlacementMode::Middle;
constexpr PlacementMode kPercent = PlacementMode::Percent;
constexpr PlacementMode kTL = PlacementMode::TLScrollbar;
constexpr PlacementMode kBR = PlacementMode::BRScrollbar;
constexpr PlacementMode kCenter = PlacementMode::CenterScrollbar;

// Scroll range x 290 .. 300, thumb y 40 .. 90.
const ScrollFrame kFrame{{290, 25, 300, 100}, {290, 40, 300, 90}};

} // namespace

// Found by argument-dependent lookup, so failure messages show rectangles readably.
static std::ostream& operator<<(std::ostream& os, const NoteRect& r) {
    return os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

TEST(PlacementGeometry, ResolveCoordinate) {
    struct Case {
        Placement p;
        int length;
        Axis axis;
        bool knowsScrollModes;
        int expected;
    };
    const Case cases[] = {
        {P(50, kPercent), 301, Axis::X, false, 150},
        {P(-50, kPercent), 301, Axis::X, false, -150},
        {P(-20, kMiddle), 301, Axis::X, false, 130},
        {P(-20), 301, Axis::X, false, 281},
        {P(-1), 301, Axis::X, false, 300},
        {P(0), 301, Axis::X, false, 0},
        {P(20), 301, Axis::X, false, 20},
        // Truncation toward zero, never flooring.
        {P(33, kPercent), 301, Axis::X, false, 99},
        {P(-33, kPercent), 301, Axis::X, false, -99},
        {P(-1, kMiddle), 301, Axis::X, false, 149},
        {P(1, kMiddle), -301, Axis::X, false, -149},
        // The offset is the form's business, not the resolver's.
        {P(10, kSides, 7), 301, Axis::X, false, 10},
        {P(3, kTL), 100, Axis::X, true, 293},
        {P(3, kTL), 100, Axis::Y, true, 43},
        {P(-2, kBR), 100, Axis::X, true, 298},
        {P(0, kBR), 100, Axis::Y, true, 90},
        {P(-5, kCenter), 100, Axis::X, true, 290},
        {P(0, kCenter), 100, Axis::Y, true, 65},
        // A form that does not know the scroll-bar modes reads them as sides.
        {P(3, kTL), 100, Axis::Y, false, 3},
        {P(-2, kBR), 300, Axis::X, false, 298},
        {P(-5, kCenter), 100, Axis::Y, false, 95},
        // Absurd values wrap instead of overflowing.
        {P(INT_MAX, kMiddle), 10, Axis::X, false, INT_MIN + 4},
        {P(INT_MIN), -1, Axis::X, false, INT_MAX},
        {P(INT_MAX, kPercent), 2, Axis::X, false, -2 / 100},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ResolveCoordinate(c.p, c.length, c.axis, c.knowsScrollModes ? &kFrame : nullptr),
                  c.expected)
            << c.p.value << " mode " << static_cast<int>(c.p.mode) << " on " << c.length;
    }
}

TEST(PlacementGeometry, Rectangles) {
    struct Case {
        const char* name;
        NoteRect actual;
        NoteRect expected;
    };
    const Case cases[] = {
        {"band across a 300 note", BandRect(P(0), P(0), P(-1), 20, 300, 100), {0, 0, 300, 20}},
        {"band with offsets",
         BandRect(P(5, kSides, 2), P(-30, kSides, -1), P(50, kPercent, 3), 10, 300, 100),
         {7, 69, 154, 79}},
        {"band reads scroll modes as sides",
         BandRect(P(-5, kTL), P(5, kBR), P(-1, kCenter), 4, 300, 100),
         {295, 5, 300, 9}},
        {"column to the bottom edge",
         ColumnRect(P(0), P(25), P(-1), 10, 300, 100, &kFrame),
         {0, 25, 10, 100}},
        {"column to the thumb bottom",
         ColumnRect(P(0), P(25), P(0, kBR), 10, 300, 100, &kFrame),
         {0, 25, 10, 91}},
        {"column with offsets",
         ColumnRect(P(0, kTL, 1), P(0, kTL, 2), P(0, kBR, -3), 6, 300, 100, &kFrame),
         {291, 42, 297, 88}},
        {"column without frame",
         ColumnRect(P(-10, kTL), P(25), P(-1, kBR), 10, 300, 100, nullptr),
         {290, 25, 300, 100}},
        {"box at the scroll bar centre",
         BoxRect(P(-5, kCenter), P(0), 10, 10, 300, 100, kFrame),
         {290, 0, 300, 10}},
        {"box offsets move it whole",
         BoxRect(P(-20, kSides, 4), P(-10, kMiddle, -2), 8, 6, 300, 100, kFrame),
         {284, 38, 292, 44}},
        {"box on the thumb", BoxRect(P(0, kTL), P(-4, kBR), 10, 4, 300, 100, kFrame), {290, 86, 300, 90}},
        {"tile area, inclusive corner",
         TileAreaRect(P(10), P(25), P(-11), P(-11), 300, 100),
         {10, 25, 290, 90}},
        {"tile area ignores offsets and scroll modes",
         TileAreaRect(P(10, kSides, 5), P(50, kPercent, 5), P(-1, kTL), P(10, kMiddle, 9), 300, 100),
         {10, 50, 300, 61}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.actual, c.expected) << c.name << ": " << c.actual;
}

TEST(PlacementGeometry, Thumb) {
    struct Case {
        NoteRect range;
        int top, bottom, minimum;
        NoteRect expected;
    };
    const Case cases[] = {
        // Start values: the lower three quarters of the range.
        {{290, 25, 300, 100}, 25, 100, 15, {290, 43, 300, 100}},
        // Too short: grown downwards from its top.
        {{290, 25, 300, 100}, 25, 30, 15, {290, 43, 300, 58}},
        // Too short and past the range: pinned to the range's bottom.
        {{290, 25, 300, 100}, 95, 100, 15, {290, 85, 300, 100}},
        {{290, 25, 300, 100}, 0, 0, 15, {290, 25, 300, 40}},
        // Exactly the minimum is long enough; one short of it is grown.
        {{290, 25, 300, 100}, 0, 20, 15, {290, 25, 300, 40}},
        {{290, 25, 300, 100}, 0, 20, 16, {290, 25, 300, 41}},
        {{0, 10, 5, 20}, 0, 100, 30, {0, -10, 5, 20}},
    };
    for (const Case& c : cases) {
        const NoteRect thumb = ThumbRect(c.range, c.top, c.bottom, c.minimum);
        EXPECT_EQ(thumb, c.expected) << c.top << ".." << c.bottom << ": " << thumb;
    }
}

TEST(PlacementGeometry, LayoutBlocks) {
    SkinLayout layout;
    EXPECT_EQ(TitleBarRect(layout, 300, 100), (NoteRect{0, 0, 300, 25}));
    EXPECT_EQ(ScrollRange(layout, 300, 100), (NoteRect{290, 25, 300, 100}));
    NoteState state;
    state.width = 300;
    state.height = 100;
    state.scrolltop = 25;
    state.scrollbottom = 100;
    const ScrollFrame frame = ScrollFrameOf(layout, state);
    EXPECT_EQ(frame.range, (NoteRect{290, 25, 300, 100}));
    EXPECT_EQ(frame.thumb, (NoteRect{290, 43, 300, 100}));

    // The layout's own placements never use offsets or the scroll-bar modes.
    layout.titlebar = {P(10, kPercent, 3), P(2, kSides, 3), P(-2, kMiddle, 3), 20};
    layout.scrollbar = {P(-12, kTL, 4), P(30, kCenter, 4), P(-5, kBR, 4), 8};
    EXPECT_EQ(TitleBarRect(layout, 300, 100), (NoteRect{30, 2, 149, 22}));
    EXPECT_EQ(ScrollRange(layout, 300, 100), (NoteRect{288, 30, 296, 96}));
}

TEST(PlacementGeometry, TextArea) {
    struct Case {
        const char* name;
        int top, bottom, rolledHeight;
        bool rolled;
        NoteRect expected;
    };
    const Case cases[] = {
        {"unrolled", 25, 10, 25, false, {10, 25, 290, 90}},
        {"rolled, top equal to the rolled height", 25, 10, 25, true, {10, 25, 290, 25}},
        {"rolled, top above the rolled height", 30, 10, 25, true, {10, 25, 290, 25}},
        {"rolled, rolled height below the text", 20, 10, 40, true, {10, 20, 290, 40}},
        {"rolled, rolled height past the bottom border", 20, 10, 95, true, {10, 20, 290, 90}},
    };
    for (const Case& c : cases) {
        SkinLayout layout;
        layout.top = c.top;
        layout.bottom = c.bottom;
        layout.rolledheight = c.rolledHeight;
        NoteState state;
        state.width = 300;
        state.unrolledheight = 100;
        state.height = c.rolled ? c.rolledHeight : 100;
        state.rolled = c.rolled;
        const NoteRect area = TextArea(layout, state);
        EXPECT_EQ(area, c.expected) << c.name << ": " << area;
    }
}

TEST(PlacementGeometry, NoteOriginInArea) {
    EXPECT_EQ(NoteOriginInArea(400, 200, 300, 100), (NoteOrigin{50, 50}));
    EXPECT_EQ(NoteOriginInArea(401, 201, 300, 100), (NoteOrigin{50, 50}));
    // A larger note is cut evenly; the halves truncate toward zero.
    EXPECT_EQ(NoteOriginInArea(100, 50, 301, 101), (NoteOrigin{-100, -25}));
}

TEST(PlacementGeometry, ElementRectByKind) {
    SkinDocument doc;
    NoteState state;
    state.width = 300;
    state.height = 100;
    state.scrolltop = 25;
    state.scrollbottom = 100;

    SkinElement button = SkinElement::Make(ElementKind::Button);
    button.As<ButtonRecord>()->place = {P(0, kTL), P(0, kTL)};
    button.As<ButtonRecord>()->size = {10, 10};
    SkinElement indicator = SkinElement::Make(ElementKind::Indicator);
    indicator.As<IndicatorRecord>()->place = {P(-5, kCenter), P(-12)};
    indicator.As<IndicatorRecord>()->size = {10, 12};
    SkinElement hstrip = SkinElement::Make(ElementKind::HStrip);
    hstrip.As<HStripRecord>()->extent = {P(-1), 25};
    SkinElement text = SkinElement::Make(ElementKind::Text);
    text.As<TextRecord>()->place = {P(10), P(5)};
    text.As<TextRecord>()->extent = {P(-11), 15};
    SkinElement vstrip = SkinElement::Make(ElementKind::VStrip);
    vstrip.As<VStripRecord>()->place = {P(0, kTL), P(0, kTL)};
    vstrip.As<VStripRecord>()->extent = {10, P(-1, kBR)};
    SkinElement tile = SkinElement::Make(ElementKind::TileArea);
    tile.As<TileAreaRecord>()->topleft = {P(10), P(25)};
    tile.As<TileAreaRecord>()->bottomright = {P(-11), P(-11)};

    struct Case {
        const SkinElement* element;
        NoteRect rect, outline;
    };
    const Case cases[] = {
        {&button, {290, 43, 300, 53}, {290, 43, 300, 53}},
        {&indicator, {290, 88, 300, 100}, {290, 88, 300, 100}},
        {&hstrip, {0, 0, 300, 25}, {0, 0, 301, 25}},
        {&text, {10, 5, 290, 20}, {10, 5, 290, 20}},
        {&vstrip, {290, 43, 300, 100}, {290, 43, 300, 101}},
        {&tile, {10, 25, 290, 90}, {10, 25, 290, 90}},
    };
    const ScrollFrame frame = ScrollFrameOf(doc.layout, state);
    for (const Case& c : cases) {
        const auto kind = static_cast<int>(c.element->Kind());
        const std::optional<NoteRect> rect = ElementRect(doc, *c.element, state);
        ASSERT_TRUE(rect) << kind;
        EXPECT_EQ(*rect, c.rect) << kind << ": " << *rect;
        const std::optional<NoteRect> outline = ElementOutline(*c.element, 300, 100, frame);
        ASSERT_TRUE(outline) << kind;
        EXPECT_EQ(*outline, c.outline) << kind << ": " << *outline;
    }
    for (ElementKind kind : {ElementKind::Group, ElementKind::Layout, ElementKind::Blank})
        EXPECT_FALSE(ElementRect(doc, SkinElement::Make(kind), state)) << static_cast<int>(kind);

    // The scroll bar measured against is that of the active layout.
    SkinElement layout = SkinElement::Make(ElementKind::Layout);
    layout.As<SkinLayout>()->scrollbar = {P(0), P(0), P(-1), 10};
    doc.Append(layout);
    EXPECT_EQ(*ElementRect(doc, button, state), (NoteRect{0, 25, 10, 35}));
}
