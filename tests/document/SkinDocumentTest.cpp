#include "document/SkinDocument.h"
#include "document/LeadingNumber.h"
#include "document/NoteState.h"

#include <gtest/gtest.h>

namespace {

SkinElement Layout(const QString& name, const QString& group) {
    SkinElement e = SkinElement::Make(ElementKind::Layout);
    e.group = group;
    e.As<SkinLayout>()->name = name;
    return e;
}

SkinElement Group(const QString& name, bool enabled) {
    SkinElement e = SkinElement::Make(ElementKind::Group);
    e.As<GroupRecord>()->name = name;
    e.As<GroupRecord>()->enabled = enabled;
    return e;
}

} // namespace

TEST(SkinDocument, CreateHasDefaults) {
    const SkinDocument doc;
    EXPECT_TRUE(doc.elements.empty());
    EXPECT_TRUE(doc.pngsource);
    EXPECT_FALSE(doc.image.IsValid());
    EXPECT_EQ(doc.layout.name, "Layout");
    EXPECT_EQ(doc.layout.top, 25);
    EXPECT_EQ(doc.layout.bottom, 10);
    EXPECT_EQ(doc.layout.minimumwidth, 100);
    EXPECT_EQ(doc.layout.minimumheight, 50);
    EXPECT_EQ(doc.layout.minimumthumbtrackheight, 15);
    EXPECT_EQ(doc.layout.titlebar.right.value, -1);
    EXPECT_EQ(doc.layout.titlebar.height, 25);
    EXPECT_EQ(doc.layout.scrollbar.left.value, -10);
    EXPECT_EQ(doc.layout.scrollbar.top.value, 25);
    EXPECT_EQ(doc.layout.scrollbar.bottom.value, -1);
    EXPECT_EQ(doc.layout.scrollbar.width, 10);
    EXPECT_EQ(doc.settings.titletooltip, 1);
    EXPECT_EQ(doc.settings.selectedborderdashcolour1, 16777215);
    EXPECT_EQ(doc.settings.transparent, -1);
    EXPECT_EQ(doc.settings.tooltipfontsize, -1);
}

TEST(SkinDocument, ResetSettingsKeepsTheList) {
    SkinDocument doc;
    doc.Append(SkinElement::Make(ElementKind::Button));
    doc.settings.skinname = "x";
    doc.settings.drawonrtfbg = true;
    doc.layout.top = 3;
    doc.layout.name = "mine";
    doc.ResetSettings();
    EXPECT_EQ(doc.elements.size(), 1u);
    EXPECT_EQ(doc.settings, SkinSettings{});
    EXPECT_EQ(doc.layout, SkinLayout{});
    EXPECT_FALSE(doc.DrawsOnTextBackground());
    doc.ClearElements();
    EXPECT_TRUE(doc.elements.empty());
}

TEST(SkinElement, RecordsResetToTheirDefaults) {
    for (int k = 1; k <= 8; ++k) {
        const SkinElement e = SkinElement::Make(static_cast<ElementKind>(k));
        EXPECT_EQ(static_cast<int>(e.Kind()), k);
        EXPECT_EQ(e.Name(), DefaultElementName(static_cast<ElementKind>(k)));
        EXPECT_EQ(e.IsDrawable(), k <= 6);
        EXPECT_EQ(e.Common() != nullptr, k <= 6);
        if (const DrawableCommon* c = e.Common()) {
            // A reset record is drawn in no state.
            EXPECT_FALSE(c->drawrolled);
            EXPECT_FALSE(c->drawunrolled);
            EXPECT_FALSE(c->conditionset);
            EXPECT_EQ(c->condition, -1);
            EXPECT_TRUE(c->conditionvalue);
            EXPECT_EQ(c->drawwidthmaximum, -1);
        }
    }
    EXPECT_EQ(SkinElement::Make(ElementKind::Blank).Kind(), ElementKind::Blank);
    EXPECT_EQ(SkinElement::Make(static_cast<ElementKind>(9)).Kind(), ElementKind::Blank);

    const ButtonRecord b;
    EXPECT_EQ(b.source, (SourcePoint{0, 0}));
    EXPECT_EQ(b.sourcerollover, (SourcePoint{-1, -1}));
    const HStripRecord h;
    EXPECT_EQ(h.startcol, MakeColour(128, 128, 128));
    EXPECT_EQ(h.endcol, MakeColour(255, 255, 255));
    EXPECT_EQ(h.alpha, -1);
    const TextRecord t;
    EXPECT_EQ(t.font, "System");
    EXPECT_EQ(t.point, 8);
    EXPECT_EQ(t.antialias, 1);
    const IndicatorRecord i;
    EXPECT_EQ(i.sourceoff, (SourcePoint{0, 0}));
    EXPECT_EQ(i.sourceoffalpha, (SourcePoint{-1, -1}));
    const GroupRecord g;
    EXPECT_TRUE(g.enabled);
    EXPECT_TRUE(g.match);

    SkinElement changed = SkinElement::Make(ElementKind::Text);
    changed.group = "g";
    changed.As<TextRecord>()->point = 40;
    changed.SetName("Title");
    changed.ResetRecord();
    EXPECT_EQ(changed.As<TextRecord>()->point, 8);
    EXPECT_EQ(changed.Name(), "Text");
    EXPECT_EQ(changed.group, "g");
}

TEST(SkinDocument, ActiveLayout) {
    NoteState s;
    struct Case {
        const char* what;
        std::vector<SkinElement> elements;
        int active; // index, -1 = default layout
    };
    std::vector<Case> cases;
    cases.push_back({"no layouts", {SkinElement::Make(ElementKind::Button)}, -1});
    cases.push_back({"two ungrouped: the second wins", {Layout("a", ""), Layout("b", "")}, 1});
    cases.push_back({"disabled group", {Group("off", false), Layout("a", "off")}, -1});
    cases.push_back({"group of no name", {Layout("a", "nothere")}, -1});
    cases.push_back({"ungrouped hides earlier", {Group("on", true), Layout("a", "on"), Layout("b", "")}, 2});
    cases.push_back(
        {"failing later keeps earlier", {Group("on", true), Layout("a", ""), Layout("b", "x")}, 1});
    for (Case& c : cases) {
        SkinDocument doc;
        for (SkinElement& e : c.elements)
            doc.Append(std::move(e));
        EXPECT_EQ(doc.ActiveLayoutIndex(s), c.active) << c.what;
        const SkinLayout& l = doc.ActiveLayout(s);
        if (c.active < 0)
            EXPECT_EQ(&l, &doc.layout) << c.what;
        else
            EXPECT_EQ(&l, doc.elements[static_cast<size_t>(c.active)].As<SkinLayout>()) << c.what;
    }
}

TEST(SkinDocument, UsesOwnScrollBar) {
    SkinDocument doc;
    EXPECT_FALSE(doc.UsesOwnScrollBar());
    doc.Append(Layout("a", "nothere"));
    EXPECT_FALSE(doc.UsesOwnScrollBar());
    doc.elements[0].As<SkinLayout>()->usescrollbar = true; // counts even when never active
    EXPECT_TRUE(doc.UsesOwnScrollBar());
    doc.elements[0].As<SkinLayout>()->usescrollbar = false;
    doc.layout.usescrollbar = true;
    EXPECT_TRUE(doc.UsesOwnScrollBar());
}

TEST(NoteState, FlagOfCode) {
    NoteState s;
    for (int code : {0, -1, 21})
        EXPECT_FALSE(FlagOfCode(s, code));
    s.stand = true;
    EXPECT_TRUE(FlagOfCode(s, 15));
    EXPECT_FALSE(FlagOfCode(s, 9));
    s.fixedsize = true;
    EXPECT_TRUE(FlagOfCode(s, 9));
    // Every code names a distinct flag.
    bool NoteState::*flags[] = {&NoteState::ontop,
                                &NoteState::emailok,
                                &NoteState::transmitok,
                                &NoteState::readonly,
                                &NoteState::alarmset,
                                &NoteState::attached,
                                &NoteState::moreabove,
                                &NoteState::morebelow,
                                &NoteState::fixedsize,
                                &NoteState::user1,
                                &NoteState::user2,
                                &NoteState::user3,
                                &NoteState::scrollbarrequired,
                                &NoteState::image,
                                &NoteState::stand,
                                &NoteState::hasfocus,
                                &NoteState::instack,
                                &NoteState::backgroundislight,
                                &NoteState::solo,
                                &NoteState::sync};
    for (int code = 1; code <= 20; ++code) {
        NoteState one;
        one.*flags[code - 1] = true;
        for (int other = -1; other <= 21; ++other)
            EXPECT_EQ(FlagOfCode(one, other), other == code) << code << " " << other;
    }
}

TEST(LeadingNumber, Forms) {
    const std::pair<const char*, int> rows[] = {
        {"12", 12},
        {"-5", -5},
        {"+7", 7},
        {"12abc", 12},
        {"abc", 0},
        {"", 0},
        {"-", 0},
        {" 42", 42},
        {"99999999999", 2147483647},
        {"-99999999999", -2147483648},
        {"3,4", 3},
    };
    for (const auto& [text, value] : rows)
        EXPECT_EQ(LeadingNumber(QString::fromUtf8(text)), value) << text;
}

TEST(StrictInteger, OnlySignAndDigitsInRange) {
    const std::pair<const char*, std::optional<int>> rows[] = {
        {"12", 12},
        {"-5", -5},
        {"+7", 7},
        {"0", 0},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483648},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"12abc", std::nullopt},
        {" 42", std::nullopt},
        {"42 ", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"+-1", std::nullopt},
        {"1e3", std::nullopt},
    };
    for (const auto& [text, value] : rows)
        EXPECT_EQ(StrictInteger(QString::fromUtf8(text)), value) << text;
}
