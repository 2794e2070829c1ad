#include "render/ElementDrag.h"
#include "PlacedElements.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

constexpr ElementKind kButton = ElementKind::Button;
constexpr ElementKind kIndicator = ElementKind::Indicator;
constexpr ElementKind kHStrip = ElementKind::HStrip;
constexpr ElementKind kVStrip = ElementKind::VStrip;
constexpr ElementKind kText = ElementKind::Text;
constexpr ElementKind kTileArea = ElementKind::TileArea;
constexpr PlacementMode kTL = PlacementMode::TLScrollbar;
constexpr PlacementMode kBR = PlacementMode::BRScrollbar;

} // namespace

TEST(ElementDrag, MovesEachModeAndStopsWhereASidesValueWouldChangeSign) {
    struct Case {
        const char* what;
        ElementKind kind;
        Placed before;
        int dx, dy;
        Placed after;
        bool held = false;
        bool saturated = false;
        int width = 300;
    };
    const Case cases[] = {
        {"near sides", kButton, {{Sides(10), Sides(5)}, 16, 16}, 7, 3, {{Sides(17), Sides(8)}, 16, 16}},
        {"far sides", kButton, {{Sides(-20), Sides(-30)}, 16, 16}, 5, -4, {{Sides(-15), Sides(-34)}, 16, 16}},
        {"near stops at 0",
         kButton,
         {{Sides(3), Sides(5)}, 16, 16},
         -10,
         0,
         {{Sides(0), Sides(5)}, 16, 16},
         true},
        {"far stops at -1",
         kButton,
         {{Sides(-5), Sides(5)}, 16, 16},
         10,
         0,
         {{Sides(-1), Sides(5)}, 16, 16},
         true},
        {"middle",
         kButton,
         {{Middle(-20), Middle(0)}, 16, 16},
         -100,
         70,
         {{Middle(-120), Middle(70)}, 16, 16}},
        {"percent",
         kButton,
         {{Percent(50), Percent(10)}, 16, 16},
         30,
         5,
         {{Percent(60), Percent(15)}, 16, 16}},
        // On 301 pixels 51 % is pixel 153, the nearest to 150 + 2.
        {"percent nearest",
         kButton,
         {{Percent(50), Sides(0)}, 8, 8},
         2,
         0,
         {{Percent(51), Sides(0)}, 8, 8},
         false,
         false,
         301},
        {"scroll-bar modes",
         kButton,
         {{Scroll(kTL, 3), Scroll(kBR, -5)}, 8, 8},
         5,
         -5,
         {{Scroll(kTL, 8), Scroll(kBR, -10)}, 8, 8}},
        {"offsets stay",
         kIndicator,
         {{Sides(10, 4), Sides(5, -2)}, 8, 8},
         1,
         1,
         {{Sides(11, 4), Sides(6, -2)}, 8, 8}},
        {"band to the left",
         kHStrip,
         {{Sides(8), Sides(0), Sides(-9)}, 0, 25},
         -10,
         0,
         {{Sides(0), Sides(0), Sides(-17)}, 0, 25},
         true},
        {"band to the right",
         kHStrip,
         {{Sides(8), Sides(0), Sides(-9)}, 0, 25},
         10,
         0,
         {{Sides(16), Sides(0), Sides(-1)}, 0, 25},
         true},
        {"band, right edge in percent",
         kHStrip,
         {{Sides(10), Sides(0), Percent(50)}, 0, 25},
         20,
         0,
         {{Sides(30), Sides(0), Percent(57)}, 0, 25}},
        // A band reads the scroll-bar modes as sides, so the sign rule holds them too.
        {"band, scroll mode as sides",
         kHStrip,
         {{Scroll(kTL, 5), Sides(0), Sides(100)}, 0, 25},
         -10,
         0,
         {{Scroll(kTL, 0), Sides(0), Sides(95)}, 0, 25},
         true},
        {"text down",
         kText,
         {{Sides(0), Middle(-10), Sides(-1)}, 0, 12},
         0,
         3,
         {{Sides(0), Middle(-7), Sides(-1)}, 0, 12}},
        {"column held at the bottom",
         kVStrip,
         {{Sides(0), Sides(25), Sides(-1)}, 10, 0},
         0,
         5,
         {{Sides(0), Sides(25), Sides(-1)}, 10, 0},
         true},
        {"column bottom on the thumb",
         kVStrip,
         {{Sides(0), Sides(25), Scroll(kBR, 0)}, 10, 0},
         0,
         5,
         {{Sides(0), Sides(30), Scroll(kBR, 5)}, 10, 0}},
        {"stretched tile area cannot move",
         kTileArea,
         {{Sides(0), Sides(0), Sides(-1), Sides(-1)}},
         -3,
         3,
         {{Sides(0), Sides(0), Sides(-1), Sides(-1)}},
         true},
        {"tile area",
         kTileArea,
         {{Sides(10), Sides(10), Sides(50), Sides(40)}},
         5,
         5,
         {{Sides(15), Sides(15), Sides(55), Sides(45)}}},
        {"middle at the int limit",
         kButton,
         {{Middle(INT_MAX - 2), Sides(0)}, 8, 8},
         10,
         0,
         {{Middle(INT_MAX), Sides(0)}, 8, 8},
         false,
         true},
        {"near sides at the int limit",
         kButton,
         {{Sides(INT_MAX - 1), Sides(0)}, 8, 8},
         5,
         0,
         {{Sides(INT_MAX), Sides(0)}, 8, 8},
         false,
         true},
        {"far sides at the int limit",
         kButton,
         {{Sides(INT_MIN + 1), Sides(0)}, 8, 8},
         -5,
         0,
         {{Sides(INT_MIN), Sides(0)}, 8, 8},
         false,
         true},
    };
    for (const Case& c : cases) {
        const PlacementChange change = MoveElement(MakePlaced(c.kind, c.before), c.dx, c.dy, Frame(c.width));
        EXPECT_EQ(PlacedOf(change.element), c.after) << c.what;
        EXPECT_EQ(change.held, c.held) << c.what;
        EXPECT_EQ(change.saturated, c.saturated) << c.what;
    }
}

TEST(ElementDrag, ResizesWhatEachKindCanChange) {
    struct Case {
        const char* what;
        ElementKind kind;
        Placed before;
        DragHandle handle;
        int dx, dy;
        Placed after;
        bool source; // the size is the source picture's too
        bool held = false;
        bool saturated = false;
    };
    const Case cases[] = {
        {"button wider",
         kButton,
         {{Sides(10), Sides(5)}, 16, 16},
         DragHandle::Right,
         4,
         9,
         {{Sides(10), Sides(5)}, 20, 16},
         true},
        {"button lower",
         kButton,
         {{Sides(10), Sides(5)}, 16, 16},
         DragHandle::Bottom,
         9,
         3,
         {{Sides(10), Sides(5)}, 16, 19},
         true},
        {"button no smaller than a pixel",
         kIndicator,
         {{Sides(10), Sides(5)}, 16, 16},
         DragHandle::BottomRight,
         -20,
         -20,
         {{Sides(10), Sides(5)}, 1, 1},
         true},
        {"an empty button no emptier",
         kButton,
         {{Sides(10), Sides(5)}, 0, 16},
         DragHandle::Right,
         -5,
         0,
         {{Sides(10), Sides(5)}, 0, 16},
         true},
        {"button at the int limit",
         kButton,
         {{Sides(10), Sides(5)}, INT_MAX - 1, 16},
         DragHandle::Right,
         5,
         0,
         {{Sides(10), Sides(5)}, INT_MAX, 16},
         true,
         false,
         true},
        {"band's right edge",
         kHStrip,
         {{Sides(8), Sides(0), Sides(-9)}, 0, 25},
         DragHandle::Right,
         5,
         5,
         {{Sides(8), Sides(0), Sides(-4)}, 0, 25},
         false},
        {"band's right edge held",
         kHStrip,
         {{Sides(8), Sides(0), Sides(-9)}, 0, 25},
         DragHandle::Right,
         20,
         0,
         {{Sides(8), Sides(0), Sides(-1)}, 0, 25},
         false,
         true},
        {"band's height",
         kHStrip,
         {{Sides(8), Sides(0), Sides(-9)}, 0, 25},
         DragHandle::Bottom,
         5,
         5,
         {{Sides(8), Sides(0), Sides(-9)}, 0, 30},
         true},
        // A bitmap strip paints through its end edge: right x 7 still paints column 8.
        {"band no narrower than a pixel",
         kHStrip,
         {{Sides(8), Sides(0), Sides(10)}, 0, 25},
         DragHandle::Right,
         -20,
         0,
         {{Sides(8), Sides(0), Sides(7)}, 0, 25},
         false},
        {"text's right edge in percent",
         kText,
         {{Sides(0), Sides(0), Percent(50)}, 0, 12},
         DragHandle::BottomRight,
         20,
         2,
         {{Sides(0), Sides(0), Percent(57)}, 0, 14},
         false},
        {"column wider",
         kVStrip,
         {{Sides(0), Sides(25), Sides(-1)}, 10, 0},
         DragHandle::Right,
         3,
         3,
         {{Sides(0), Sides(25), Sides(-1)}, 13, 0},
         true},
        {"column's bottom",
         kVStrip,
         {{Sides(0), Sides(25), Sides(-1)}, 10, 0},
         DragHandle::Bottom,
         3,
         -10,
         {{Sides(0), Sides(25), Sides(-11)}, 10, 0},
         false},
        {"tile area's corner",
         kTileArea,
         {{Sides(10), Sides(10), Sides(100), Sides(50)}},
         DragHandle::BottomRight,
         5,
         5,
         {{Sides(10), Sides(10), Sides(105), Sides(55)}},
         false},
        {"stretched tile area held",
         kTileArea,
         {{Sides(0), Sides(0), Sides(-1), Sides(-1)}},
         DragHandle::Right,
         5,
         0,
         {{Sides(0), Sides(0), Sides(-1), Sides(-1)}},
         false,
         true},
    };
    for (const Case& c : cases) {
        const PlacementChange change =
            ResizeElement(MakePlaced(c.kind, c.before), c.handle, c.dx, c.dy, Frame());
        EXPECT_EQ(PlacedOf(change.element), c.after) << c.what;
        EXPECT_EQ(ResizesSource(c.kind, c.handle), c.source) << c.what;
        EXPECT_EQ(change.held, c.held) << c.what;
        EXPECT_EQ(change.saturated, c.saturated) << c.what;
    }
}

TEST(ElementDrag, SnapsTheMovedEdgesToLinesWithinReach) {
    const SnapLines lines{{0, 100, 150, 300}, {0, 50, 100}};
    struct Case {
        const char* what;
        Placed before;
        DragHandle handle;
        int dx, dy;
        bool snapping;
        Placed after;
        std::vector<SnapGuide> guides;
    };
    const Placed button{{Sides(10), Sides(10)}, 16, 16};
    const Case cases[] = {
        {"left edge to a line",
         button,
         DragHandle::Move,
         88,
         0,
         true,
         {{Sides(100), Sides(10)}, 16, 16},
         {{Axis::X, 100}}},
        {"snapping off", button, DragHandle::Move, 88, 0, false, {{Sides(98), Sides(10)}, 16, 16}, {}},
        {"nothing within reach", button, DragHandle::Move, 60, 0, true, {{Sides(70), Sides(10)}, 16, 16}, {}},
        {"right edge to a line",
         button,
         DragHandle::Move,
         122,
         0,
         true,
         {{Sides(134), Sides(10)}, 16, 16},
         {{Axis::X, 150}}},
        {"both axes",
         button,
         DragHandle::Move,
         88,
         37,
         true,
         {{Sides(100), Sides(50)}, 16, 16},
         {{Axis::X, 100}, {Axis::Y, 50}}},
        {"onto the note's right edge",
         {{Sides(-20), Sides(10)}, 16, 16},
         DragHandle::Move,
         2,
         0,
         true,
         {{Sides(-16), Sides(10)}, 16, 16},
         {{Axis::X, 300}}},
        {"resize: the right edge",
         button,
         DragHandle::Right,
         120,
         0,
         true,
         {{Sides(10), Sides(10)}, 140, 16},
         {{Axis::X, 150}}},
        {"resize leaves the left edge alone",
         {{Sides(98), Sides(10)}, 16, 16},
         DragHandle::BottomRight,
         1,
         1,
         true,
         {{Sides(98), Sides(10)}, 17, 17},
         {}},
        {"resize: the bottom edge",
         button,
         DragHandle::Bottom,
         0,
         22,
         true,
         {{Sides(10), Sides(10)}, 16, 40},
         {{Axis::Y, 50}}},
    };
    for (const Case& c : cases) {
        const DragStep step = StepDrag(MakePlaced(ElementKind::Button, c.before), c.handle, c.dx, c.dy,
                                       Frame(), c.snapping ? &lines : nullptr, 4);
        EXPECT_EQ(PlacedOf(step.change.element), c.after) << c.what;
        EXPECT_EQ(step.guides, c.guides) << c.what;
    }
}

TEST(ElementDrag, HandlesSitOnTheRightAndBottomEdges) {
    const NoteRect r{10, 10, 50, 30};
    struct Case {
        NoteRect painted;
        int x, y;
        std::optional<DragHandle> handle;
    };
    const Case cases[] = {
        {r, 50, 20, DragHandle::Right},
        {r, 30, 30, DragHandle::Bottom},
        {r, 50, 30, DragHandle::BottomRight},
        {r, 53, 33, DragHandle::BottomRight},
        {r, 54, 30, std::nullopt},
        {r, 20, 20, std::nullopt},
        {r, 10, 10, std::nullopt},
        {{10, 10, 10, 30}, 10, 30, std::nullopt},
        {{50, 10, 10, 30}, 10, 20, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HandleAt(c.painted, c.x, c.y, 3), c.handle) << c.x << "," << c.y;
    const NoteRect huge{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
    EXPECT_EQ(HandleCentre(huge, DragHandle::BottomRight).x, INT_MAX);
    EXPECT_EQ(HandleCentre(huge, DragHandle::Bottom).x, 0);
}
