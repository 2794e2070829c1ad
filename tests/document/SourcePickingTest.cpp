#include "document/SourcePicking.h"
#include "document/SkinElement.h"

#include <climits>
#include <functional>
#include <gtest/gtest.h>

namespace {

// The source fields picking can touch, as one comparable row.
struct Fields {
    SourcePoint source, second;
    int w = 0, h = 0;
    bool operator==(const Fields&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Fields& f) {
    return out << "source " << f.source.x << "," << f.source.y << " second " << f.second.x << ","
               << f.second.y << " size " << f.w << "x" << f.h;
}

Fields Read(const SkinElement& e) {
    if (const ButtonRecord* b = e.As<ButtonRecord>())
        return {b->source, b->sourcerollover, b->size.w, b->size.h};
    if (const IndicatorRecord* i = e.As<IndicatorRecord>())
        return {i->source, i->sourceoff, i->size.w, i->size.h};
    if (const HStripRecord* s = e.As<HStripRecord>())
        return {s->source, {}, s->width, s->extent.height};
    if (const VStripRecord* s = e.As<VStripRecord>())
        return {s->source, {}, s->extent.width, s->height};
    if (const TileAreaRecord* t = e.As<TileAreaRecord>())
        return {t->source, {}, t->size.w, t->size.h};
    return {};
}

// Elements whose corners are at (10, 10) and, for the second source, (40, 5).
SkinElement Placed(ElementKind kind) {
    SkinElement e = SkinElement::Make(kind);
    if (ButtonRecord* b = e.As<ButtonRecord>()) {
        b->source = {10, 10};
        b->sourcerollover = {40, 5};
    } else if (IndicatorRecord* i = e.As<IndicatorRecord>()) {
        i->source = {10, 10};
        i->sourceoff = {40, 5};
    } else if (HStripRecord* h = e.As<HStripRecord>()) {
        h->source = {10, 10};
    } else if (VStripRecord* v = e.As<VStripRecord>()) {
        v->source = {10, 10};
    } else if (TileAreaRecord* t = e.As<TileAreaRecord>()) {
        t->source = {10, 10};
    }
    return e;
}

} // namespace

TEST(SourcePicking, FieldsSetPerKindButtonAndShift) {
    const PickButton L = PickButton::Left, R = PickButton::Right;
    const struct {
        ElementKind kind;
        PickButton button;
        bool shift;
        int x, y;
        Fields expected; // starting from Placed(kind) with a size of 0 x 0
    } cases[] = {
        {ElementKind::Button, L, false, 3, 4, {{3, 4}, {40, 5}, 0, 0}},
        {ElementKind::Button, L, true, 3, 4, {{10, 10}, {3, 4}, 0, 0}},
        {ElementKind::Button, R, false, 30, 20, {{10, 10}, {40, 5}, 20, 10}}, // the point is not included
        {ElementKind::Button, R, true, 50, 25, {{10, 10}, {40, 5}, 10, 20}},  // from the rollover corner
        {ElementKind::Button, R, false, 4, 2, {{10, 10}, {40, 5}, -6, -8}},   // negative sizes are kept
        {ElementKind::Indicator, L, true, 7, 8, {{10, 10}, {7, 8}, 0, 0}},
        {ElementKind::Indicator, R, false, 12, 13, {{10, 10}, {40, 5}, 2, 3}},
        {ElementKind::Indicator, R, true, 42, 9, {{10, 10}, {40, 5}, 2, 4}},
        {ElementKind::HStrip, L, true, 1, 2, {{1, 2}, {}, 0, 0}},       // Shift changes nothing
        {ElementKind::HStrip, R, false, 18, 30, {{10, 10}, {}, 8, 20}}, // width and band height
        {ElementKind::VStrip, R, true, 18, 30, {{10, 10}, {}, 8, 20}},  // band width and height
        {ElementKind::TileArea, L, false, 5, 6, {{5, 6}, {}, 0, 0}},
        {ElementKind::TileArea, R, true, 9, 40, {{10, 10}, {}, -1, 30}},
    };
    for (const auto& test : cases) {
        SkinElement e = Placed(test.kind);
        EXPECT_TRUE(PickSource(e, test.button, test.shift, test.x, test.y));
        EXPECT_EQ(Read(e), test.expected) << static_cast<int>(test.kind) << " at " << test.x << "," << test.y;
    }
}

TEST(SourcePicking, TextGroupAndLayoutAreNotPicked) {
    for (ElementKind kind :
         {ElementKind::Text, ElementKind::Group, ElementKind::Layout, ElementKind::Blank}) {
        SkinElement e = SkinElement::Make(kind);
        const SkinElement before = e;
        EXPECT_FALSE(PickSource(e, PickButton::Left, false, 5, 5));
        EXPECT_FALSE(PickSource(e, PickButton::Right, true, 5, 5));
        EXPECT_EQ(e, before);
    }
}

TEST(SourcePicking, TintedAreasPerKind) {
    using Areas = std::vector<SourceArea>;
    const struct {
        const char* what;
        ElementKind kind;
        std::function<void(SkinElement&)> set;
        Areas expected;
    } cases[] = {
        {"button with both sources", ElementKind::Button,
         [](SkinElement& e) { e.As<ButtonRecord>()->size = BoxSize(14, 12); },
         Areas{{10, 10, 14, 12, false}, {40, 5, 14, 12, true}}},
        {"button without rollover", ElementKind::Button,
         [](SkinElement& e) {
             e.As<ButtonRecord>()->size = BoxSize(14, 12),
             e.As<ButtonRecord>()->sourcerollover = SourcePoint(-1, 5);
         },
         Areas{{10, 10, 14, 12, false}}},
        {"button without source", ElementKind::Button,
         [](SkinElement& e) { e.As<ButtonRecord>()->source = SourcePoint(-1, -1); },
         Areas{{40, 5, 0, 0, true}}},
        {"indicator", ElementKind::Indicator,
         [](SkinElement& e) { e.As<IndicatorRecord>()->size = BoxSize(3, 4); },
         Areas{{10, 10, 3, 4, false}, {40, 5, 3, 4, true}}},
        {"bitmap hstrip", ElementKind::HStrip,
         [](SkinElement& e) { e.As<HStripRecord>()->width = 8, e.As<HStripRecord>()->extent.height = 20; },
         Areas{{10, 10, 8, 20, false}}},
        {"faded hstrip", ElementKind::HStrip, [](SkinElement& e) { e.As<HStripRecord>()->striptype = 1; },
         Areas{}},
        {"bitmap vstrip", ElementKind::VStrip,
         [](SkinElement& e) { e.As<VStripRecord>()->extent.width = 6, e.As<VStripRecord>()->height = 9; },
         Areas{{10, 10, 6, 9, false}}},
        {"solid vstrip", ElementKind::VStrip, [](SkinElement& e) { e.As<VStripRecord>()->striptype = 2; },
         Areas{}},
        {"bitmap tiles", ElementKind::TileArea,
         [](SkinElement& e) {
             e.As<TileAreaRecord>()->tiletype = 1, e.As<TileAreaRecord>()->size = BoxSize(5, 5);
         },
         Areas{{10, 10, 5, 5, false}}},
        {"solid tiles", ElementKind::TileArea, [](SkinElement&) {}, Areas{}},
        {"text", ElementKind::Text, [](SkinElement&) {}, Areas{}},
    };
    for (const auto& test : cases) {
        SkinElement e = Placed(test.kind);
        test.set(e);
        EXPECT_EQ(SourceAreas(e), test.expected) << test.what;
    }
}

TEST(SourcePicking, RectanglesAndNudgesSetWhatTheClicksWould) {
    const struct {
        const char* what;
        ElementKind kind;
        std::function<bool(SkinElement&)> act;
        bool changed;
        Fields expected; // from Placed(kind), size 0 x 0
    } cases[] = {
        // A rectangle is a left click on its first pixel and a right click one past its last.
        {"button rectangle",
         ElementKind::Button,
         [](SkinElement& e) {
             return PickRectangle(e, false, {10, 10, 30, 20});
         },
         true,
         {{10, 10}, {40, 5}, 20, 10}},
        {"button rollover rectangle",
         ElementKind::Button,
         [](SkinElement& e) {
             return PickRectangle(e, true, {0, 1, 4, 9});
         },
         true,
         {{10, 10}, {0, 1}, 4, 8}},
        {"indicator off rectangle",
         ElementKind::Indicator,
         [](SkinElement& e) {
             return PickRectangle(e, true, {7, 7, 9, 8});
         },
         true,
         {{10, 10}, {7, 7}, 2, 1}},
        {"hstrip rectangle",
         ElementKind::HStrip,
         [](SkinElement& e) {
             return PickRectangle(e, true, {3, 4, 8, 30});
         },
         true,
         {{3, 4}, {}, 5, 26}},
        {"vstrip rectangle",
         ElementKind::VStrip,
         [](SkinElement& e) {
             return PickRectangle(e, false, {3, 4, 8, 30});
         },
         true,
         {{3, 4}, {}, 5, 26}},
        {"tile rectangle",
         ElementKind::TileArea,
         [](SkinElement& e) {
             return PickRectangle(e, false, {0, 0, 1, 1});
         },
         true,
         {{0, 0}, {}, 1, 1}},
        {"text rectangle",
         ElementKind::Text,
         [](SkinElement& e) {
             return PickRectangle(e, false, {0, 0, 1, 1});
         },
         false,
         {}},
        // Arrows move the first source; with resize they change the size a right click sets.
        {"button moved",
         ElementKind::Button,
         [](SkinElement& e) { return NudgeSource(e, -10, 1, false); },
         true,
         {{0, 11}, {40, 5}, 0, 0}},
        {"indicator sized",
         ElementKind::Indicator,
         [](SkinElement& e) { return NudgeSource(e, 1, -1, true); },
         true,
         {{10, 10}, {40, 5}, 1, -1}},
        {"hstrip sized",
         ElementKind::HStrip,
         [](SkinElement& e) { return NudgeSource(e, 0, 10, true); },
         true,
         {{10, 10}, {}, 0, 10}},
        {"vstrip moved",
         ElementKind::VStrip,
         [](SkinElement& e) { return NudgeSource(e, 1, 0, false); },
         true,
         {{11, 10}, {}, 0, 0}},
        {"saturated",
         ElementKind::TileArea,
         [](SkinElement& e) {
             e.As<TileAreaRecord>()->source = {INT_MAX - 1, INT_MIN + 1};
             return NudgeSource(e, 10, -10, false);
         },
         true,
         {{INT_MAX, INT_MIN}, {}, 0, 0}},
        {"unset source stays unset",
         ElementKind::Button,
         [](SkinElement& e) {
             e.As<ButtonRecord>()->source = {-1, 3};
             return NudgeSource(e, 1, 1, false);
         },
         false,
         {{-1, 3}, {40, 5}, 0, 0}},
        {"group", ElementKind::Group, [](SkinElement& e) { return NudgeSource(e, 1, 1, false); }, false, {}},
    };
    for (const auto& test : cases) {
        SkinElement e = Placed(test.kind);
        EXPECT_EQ(test.act(e), test.changed) << test.what;
        EXPECT_EQ(Read(e), test.expected) << test.what;
    }
}
