#include "render/AnchorPresets.h"
#include "PlacedElements.h"

#include <gtest/gtest.h>

namespace {

constexpr PlacementMode kTL = PlacementMode::TLScrollbar;
constexpr PlacementMode kBR = PlacementMode::BRScrollbar;

// How an edge of the anchored element moves when the note grows from 300 x 100 to 400 x 160.
enum class Moves { Stays, WithFarSide, WithMiddle, Stretches, AsBefore };

struct Expectation {
    AnchorPreset preset;
    Moves across;
    Moves down;
};

constexpr Expectation kExpectations[] = {
    {AnchorPreset::TopLeft, Moves::Stays, Moves::Stays},
    {AnchorPreset::TopRight, Moves::WithFarSide, Moves::Stays},
    {AnchorPreset::BottomLeft, Moves::Stays, Moves::WithFarSide},
    {AnchorPreset::BottomRight, Moves::WithFarSide, Moves::WithFarSide},
    {AnchorPreset::Centre, Moves::WithMiddle, Moves::WithMiddle},
    {AnchorPreset::StretchAcross, Moves::Stretches, Moves::AsBefore},
    {AnchorPreset::StretchDown, Moves::AsBefore, Moves::Stretches},
    {AnchorPreset::Fill, Moves::Stretches, Moves::Stretches},
};

// Where the edges [start, end) go on the larger note: grown is the far side's move, the middle moves half
// as far, and before is where the element as it was lands there.
void Expect(Moves moves, int& start, int& end, int grown, int beforeStart, int beforeEnd) {
    switch (moves) {
    case Moves::Stays:
        break;
    case Moves::WithFarSide:
        start += grown;
        end += grown;
        break;
    case Moves::WithMiddle:
        start += grown / 2;
        end += grown / 2;
        break;
    case Moves::Stretches:
        end += grown;
        break;
    case Moves::AsBefore:
        start = beforeStart;
        end = beforeEnd;
        break;
    }
}

} // namespace

TEST(AnchorPresets, EveryPresetKeepsThePixelsAndFollowsItsEdges) {
    // Every kind placed in a mix of modes and offsets on the 300 x 100 note.
    const struct {
        ElementKind kind;
        Placed placed;
        size_t presets;
    } elements[] = {
        {ElementKind::Button, {{Percent(10), Middle(-8, 2)}, 16, 16}, 5},
        {ElementKind::Indicator, {{Scroll(kTL, 5), Sides(-30)}, 4, 8}, 5},
        {ElementKind::HStrip, {{Sides(8, 3), Middle(-20), Percent(97)}, 0, 10}, 6},
        {ElementKind::Text, {{Sides(8), Sides(-30), Sides(-9)}, 0, 12}, 6},
        {ElementKind::VStrip, {{Sides(-10), Percent(25), Scroll(kBR, -5, 1)}, 10, 0}, 6},
        {ElementKind::TileArea, {{Middle(-50), Sides(20), Percent(80), Sides(-11)}}, 8},
    };
    const NoteFrame present = Frame(300, 100);
    const NoteFrame larger = Frame(400, 160);
    for (const auto& e : elements) {
        const SkinElement element = MakePlaced(e.kind, e.placed);
        EXPECT_EQ(AnchorPresetsOf(e.kind).size(), e.presets);
        const NoteRect now = *PaintedExtent(element, present);
        const NoteRect before = *PaintedExtent(element, larger);
        for (const AnchorPreset preset : AnchorPresetsOf(e.kind)) {
            const std::string what =
                DefaultElementName(e.kind).toStdString() + ", " + AnchorPresetText(preset).toStdString();
            const std::optional<SkinElement> anchored = WithAnchor(element, preset, present);
            ASSERT_TRUE(anchored) << what;
            EXPECT_EQ(*PaintedExtent(*anchored, present), now) << what;
            const Expectation& rule = kExpectations[static_cast<int>(preset)];
            NoteRect expected = now;
            Expect(rule.across, expected.left, expected.right, 100, before.left, before.right);
            Expect(rule.down, expected.top, expected.bottom, 60, before.top, before.bottom);
            EXPECT_EQ(*PaintedExtent(*anchored, larger), expected) << what;
            // Offsets are folded in where the preset rewrote every placement.
            if (rule.across != Moves::AsBefore && rule.down != Moves::AsBefore) {
                for (const Placement& p : PlacedOf(*anchored).placements)
                    EXPECT_EQ(p.offset, 0) << what;
            }
        }
    }
}

TEST(AnchorPresets, Examples) {
    const NoteFrame note = Frame(300, 100);
    const struct {
        const char* what;
        ElementKind kind;
        Placed before;
        AnchorPreset preset;
        std::optional<Placed> after;
    } cases[] = {
        {"a button at 280 pinned top right",
         ElementKind::Button,
         {{Sides(280), Sides(4)}, 16, 16},
         AnchorPreset::TopRight,
         Placed{{Sides(-20), Sides(4)}, 16, 16}},
        {"a text stretched across",
         ElementKind::Text,
         {{Sides(8), Sides(0), Sides(291)}, 0, 25},
         AnchorPreset::StretchAcross,
         Placed{{Sides(8), Sides(0), Sides(-9)}, 0, 25}},
        {"a strip stretched across keeps its top",
         ElementKind::HStrip,
         {{Sides(0), Percent(50), Sides(99)}, 0, 8},
         AnchorPreset::StretchAcross,
         Placed{{Sides(0), Percent(50), Sides(-201)}, 0, 8}},
        {"a centred button",
         ElementKind::Button,
         {{Sides(142), Sides(42)}, 16, 16},
         AnchorPreset::Centre,
         Placed{{Middle(-8), Middle(-8)}, 16, 16}},
        // Left of the note, the distance goes into the offset.
        {"a button beyond the left edge",
         ElementKind::Button,
         {{Percent(-2), Sides(4)}, 16, 16},
         AnchorPreset::TopLeft,
         Placed{{Sides(0, -6), Sides(4)}, 16, 16}},
        {"a button beyond the right edge",
         ElementKind::Button,
         {{Sides(310), Sides(4)}, 16, 16},
         AnchorPreset::BottomRight,
         Placed{{Sides(-1, 11), Sides(-96)}, 16, 16}},
        {"a tile area has no offset to hold it",
         ElementKind::TileArea,
         {{Middle(-155), Sides(0), Sides(-1), Sides(-1)}},
         AnchorPreset::Fill,
         std::nullopt},
        {"a button does not stretch",
         ElementKind::Button,
         {{Sides(0), Sides(0)}, 16, 16},
         AnchorPreset::StretchAcross,
         std::nullopt},
        {"a band does not stretch down",
         ElementKind::HStrip,
         {{Sides(0), Sides(0), Sides(-1)}, 0, 8},
         AnchorPreset::Fill,
         std::nullopt},
    };
    for (const auto& c : cases) {
        const std::optional<SkinElement> anchored = WithAnchor(MakePlaced(c.kind, c.before), c.preset, note);
        ASSERT_EQ(anchored.has_value(), c.after.has_value()) << c.what;
        if (anchored) {
            EXPECT_EQ(PlacedOf(*anchored), *c.after) << c.what;
        }
    }
    // The button pinned top right at 380 on a note 400 wide.
    const SkinElement pinned = MakePlaced(ElementKind::Button, {{Sides(-20), Sides(4)}, 16, 16});
    EXPECT_EQ(PaintedExtent(pinned, Frame(400, 100))->left, 380);
}

TEST(AnchorPresets, TheOneAnElementFollowsNow) {
    const NoteFrame note = Frame(300, 100);
    const struct {
        ElementKind kind;
        Placed placed;
        std::optional<AnchorPreset> anchor;
    } cases[] = {
        {ElementKind::HStrip, {{Sides(0), Sides(0), Sides(-1)}, 0, 25}, AnchorPreset::StretchAcross},
        {ElementKind::Button, {{Sides(-20), Sides(5)}, 16, 16}, AnchorPreset::TopRight},
        {ElementKind::Button, {{Sides(20), Sides(-5)}, 16, 16}, AnchorPreset::BottomLeft},
        {ElementKind::Button, {{Sides(20, 1), Sides(5)}, 16, 16}, std::nullopt}, // an offset
        {ElementKind::Button, {{Percent(20), Sides(5)}, 16, 16}, std::nullopt},
        {ElementKind::VStrip, {{Middle(-5), Middle(-10), Middle(10)}, 10, 0}, AnchorPreset::Centre},
        {ElementKind::TileArea, {{Sides(0), Sides(0), Sides(-1), Sides(-1)}}, AnchorPreset::Fill},
        {ElementKind::TileArea, {{Sides(0), Sides(0), Sides(-1), Sides(20)}}, AnchorPreset::StretchAcross},
        {ElementKind::TileArea, {{Sides(-30), Sides(0), Sides(-21), Sides(-1)}}, AnchorPreset::StretchDown},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AnchorOf(MakePlaced(c.kind, c.placed), note), c.anchor)
            << PlacedOf(MakePlaced(c.kind, c.placed));
}
