#include "render/PaintedExtent.h"
#include "PlacedElements.h"
#include "document/NoteState.h"
#include "document/SkinDocument.h"
#include "render/SnapLines.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

constexpr PlacementMode kTL = PlacementMode::TLScrollbar;
constexpr PlacementMode kCenter = PlacementMode::CenterScrollbar;

NoteState State() {
    NoteState s;
    s.width = 300;
    s.height = 100;
    s.unrolledheight = 100;
    return s;
}

} // namespace

TEST(PaintedExtent, StripsPaintThroughTheirEndEdgeAndTheReadoutsShowIt) {
    const struct {
        const char* what;
        ElementKind kind;
        Placed placed;
        int striptype;
        NoteRect painted;
        std::vector<int> readouts;
    } cases[] = {
        {"bitmap band",
         ElementKind::HStrip,
         {{Sides(8), Sides(0), Sides(-9)}, 0, 25},
         0,
         {8, 0, 293, 25},
         {8, 0, 292}},
        {"fade band",
         ElementKind::HStrip,
         {{Sides(8), Sides(0), Sides(-9)}, 0, 25},
         1,
         {8, 0, 293, 25},
         {8, 0, 292}},
        {"solid band",
         ElementKind::HStrip,
         {{Sides(8), Sides(0), Sides(-9)}, 0, 25},
         2,
         {8, 0, 292, 25},
         {8, 0, 291}},
        {"text",
         ElementKind::Text,
         {{Sides(8), Sides(0), Sides(-9)}, 0, 25},
         0,
         {8, 0, 292, 25},
         {8, 0, 291}},
        {"bitmap column",
         ElementKind::VStrip,
         {{Sides(0), Sides(25), Sides(-1)}, 10, 0},
         0,
         {0, 25, 10, 101},
         {0, 25, 100}},
        {"pen colour column",
         ElementKind::VStrip,
         {{Sides(0), Sides(25), Sides(-1)}, 10, 0},
         3,
         {0, 25, 10, 100},
         {0, 25, 99}},
        {"tile area",
         ElementKind::TileArea,
         {{Sides(0), Sides(0), Sides(-1), Sides(-1)}},
         0,
         {0, 0, 300, 100},
         {0, 0, 299, 99}},
        {"button", ElementKind::Button, {{Sides(-20), Middle(-8)}, 16, 16}, 0, {280, 42, 296, 58}, {280, 42}},
        {"button on the scroll bar",
         ElementKind::Button,
         {{Scroll(kTL, 3), Scroll(kCenter, 0)}, 4, 4},
         0,
         {293, 65, 297, 69},
         {293, 65}},
        {"indicator with offsets",
         ElementKind::Indicator,
         {{Sides(10, 5), Sides(0, -3)}, 8, 8},
         0,
         {15, -3, 23, 5},
         {15, -3}},
        {"a far edge at the int limit",
         ElementKind::TileArea,
         {{Sides(0), Sides(0), Sides(INT_MAX), Sides(0)}},
         0,
         {0, 0, INT_MIN, 1},
         {0, 0, INT_MAX, 0}},
    };
    for (const auto& c : cases) {
        const SkinElement element = MakePlaced(c.kind, c.placed, c.striptype);
        EXPECT_EQ(PaintedExtent(element, Frame()), c.painted) << c.what;
        EXPECT_EQ(PlacementReadouts(element, Frame()), c.readouts) << c.what;
    }
    EXPECT_FALSE(PaintedExtent(SkinElement::Make(ElementKind::Group), Frame()));
    EXPECT_TRUE(PlacementReadouts(SkinElement::Make(ElementKind::Layout), Frame()).empty());

    EXPECT_EQ(ExtentText("Frame top", {8, 0, 292, 25}), "Frame top: 8,0 - 291,24, 284 x 25");
    // The default layout: title bar 0, 0, -1 and scroll range -10, 25, -1.
    EXPECT_EQ(LayoutReadouts(SkinLayout(), 300, 100), (std::vector<int>{0, 0, 299, 290, 25, 99}));
}

TEST(PaintedExtent, SnapLinesAreTheNoteAndTheOtherDrawnElements) {
    SkinDocument document;
    document.Append(MakePlaced(ElementKind::Button, {{Sides(10), Sides(10)}, 16, 16}));
    SkinElement hidden = MakePlaced(ElementKind::Button, {{Sides(40), Sides(40)}, 10, 10});
    hidden.Common()->drawunrolled = false;
    document.Append(hidden);
    document.Append(MakePlaced(ElementKind::Button, {{Sides(60), Sides(60)}, 0, 10})); // paints nothing
    document.Append(MakePlaced(ElementKind::HStrip, {{Sides(0), Sides(0), Sides(-1)}, 0, 25}));
    document.Append(MakePlaced(ElementKind::Button, {{Sides(200), Sides(70)}, 20, 20})); // the one moving
    document.Append(SkinElement::Make(ElementKind::Group));
    const SnapLines lines = FindSnapLines(document, State(), 4);
    EXPECT_EQ(lines.x, (std::vector<int>{0, 10, 26, 150, 300, 301}));
    EXPECT_EQ(lines.y, (std::vector<int>{0, 10, 25, 26, 50, 100}));

    const std::vector<int> on = {0, 10, 20};
    const struct {
        std::vector<long long> edges;
        int reach;
        std::optional<int> shift;
    } cases[] = {
        {{3}, 4, -3},
        {{14}, 4, -4},
        {{15}, 4, std::nullopt},
        {{3, 19}, 4, 1},
        {{-4}, 4, 4},
        {{24}, 4, -4},
        {{25}, 4, std::nullopt},
        {{10}, 4, 0},
        {{1LL << 40}, 4, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SnapShift(on, c.edges, c.reach), c.shift) << c.edges.front();
    const long long five[] = {5};
    EXPECT_EQ(SnapShift({}, five, 4), std::nullopt);
}
