#include "render/DrawConditions.h"
#include "document/NoteState.h"
#include "document/SkinDocument.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

NoteState State(int width, int height, bool rolled = false) {
    NoteState s;
    s.width = width;
    s.height = height;
    s.unrolledheight = height;
    s.rolled = rolled;
    return s;
}

SkinElement Drawable(ElementKind kind, const std::function<void(DrawableCommon&)>& set) {
    SkinElement e = SkinElement::Make(kind);
    e.Common()->drawunrolled = true;
    set(*e.Common());
    return e;
}

// Drawn unrolled only when condition code reads as value.
SkinElement Conditioned(ElementKind kind, int code, bool value = true) {
    return Drawable(kind, [=](DrawableCommon& c) {
        c.conditionset = true;
        c.condition = code;
        c.conditionvalue = value;
    });
}

SkinElement GroupEntry(const QString& name, bool enabled = true) {
    SkinElement e = SkinElement::Make(ElementKind::Group);
    e.As<GroupRecord>()->name = name;
    e.As<GroupRecord>()->enabled = enabled;
    return e;
}

} // namespace

TEST(DrawConditions, SizeTestPassesAtEquality) {
    struct Case {
        SizeLimits limits;
        int width, height;
        bool passes;
    };
    const Case cases[] = {
        {{}, 0, 0, true},
        {{300, -1, -1, -1}, 300, 1, true},
        {{300, -1, -1, -1}, 299, 1, false},
        {{-1, 200, -1, -1}, 200, 1, true},
        {{-1, 200, -1, -1}, 201, 1, false},
        {{-1, -1, 60, -1}, 1, 60, true},
        {{-1, -1, 60, -1}, 1, 59, false},
        {{-1, -1, -1, 80}, 1, 80, true},
        {{-1, -1, -1, 80}, 1, 81, false},
        // Only -1 means "no limit"; other negative limits are limits.
        {{-2, -1, -1, -1}, -3, 0, false},
        {{0, 0, 0, 0}, 0, 0, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PassesSizeTest(c.limits, c.width, c.height), c.passes) << c.width << "x" << c.height;
}

TEST(DrawConditions, IsDrawn) {
    const auto none = [](DrawableCommon&) {};
    // Drawn by the roll flags and a minimum height.
    const auto rolls = [](ElementKind kind, bool unrolled, bool rolled, int heightMinimum = -1) {
        return Drawable(kind, [=](DrawableCommon& c) {
            c.drawunrolled = unrolled;
            c.drawrolled = rolled;
            c.drawheightminimum = heightMinimum;
        });
    };
    struct Case {
        const char* name;
        SkinElement element;
        NoteState state;
        bool drawn;
    };
    const NoteState note = State(300, 100);
    const NoteState rolled = State(300, 25, true);
    NoteState alarm = note;
    alarm.alarmset = true;
    NoteState focused = note;
    focused.hasfocus = true;
    const Case cases[] = {
        {"unrolled flag, unrolled note", Drawable(ElementKind::Button, none), note, true},
        {"unrolled flag, rolled note", Drawable(ElementKind::Button, none), rolled, false},
        {"both roll flags clear, unrolled", rolls(ElementKind::Text, false, false), note, false},
        {"both roll flags clear, rolled", rolls(ElementKind::Text, false, false), rolled, false},
        {"rolled flag, rolled note", rolls(ElementKind::Text, false, true), rolled, true},
        {"width minimum 300 on 300",
         Drawable(ElementKind::TileArea, [](auto& c) { c.drawwidthminimum = 300; }), note, true},
        {"width minimum 300 on 299",
         Drawable(ElementKind::TileArea, [](auto& c) { c.drawwidthminimum = 300; }), State(299, 100), false},
        {"rolled HStrip skips the size test", rolls(ElementKind::HStrip, true, true, 60), rolled, true},
        {"rolled VStrip applies the size test", rolls(ElementKind::VStrip, true, true, 60), rolled, false},
        {"unrolled HStrip applies the size test",
         Drawable(ElementKind::HStrip, [](auto& c) { c.drawheightminimum = 60; }), State(300, 59), false},
        {"condition code -1 wanting true", Conditioned(ElementKind::Indicator, -1), note, false},
        {"condition code -1 wanting false", Conditioned(ElementKind::Indicator, -1, false), note, false},
        {"condition code 21 wanting false", Conditioned(ElementKind::Button, 21, false), note, false},
        {"condition code -1 not set", Drawable(ElementKind::Button, [](auto& c) { c.condition = -1; }), note,
         true},
        {"alarm wanted, alarm set", Conditioned(ElementKind::Button, 5), alarm, true},
        {"alarm wanted, no alarm", Conditioned(ElementKind::Button, 5), note, false},
        {"no alarm wanted, no alarm", Conditioned(ElementKind::Button, 5, false), note, true},
        {"no alarm wanted, alarm set", Conditioned(ElementKind::Button, 5, false), alarm, false},
        {"focus wanted, no focus", Drawable(ElementKind::VStrip, [](auto& c) { c.drawfocus = true; }), note,
         false},
        {"focus wanted, focus", Drawable(ElementKind::VStrip, [](auto& c) { c.drawfocus = true; }), focused,
         true},
        {"group entry", SkinElement::Make(ElementKind::Group), note, false},
        {"layout entry", SkinElement::Make(ElementKind::Layout), note, false},
        {"blank entry", SkinElement::Make(ElementKind::Blank), note, false},
    };
    const SkinDocument doc;
    for (const Case& c : cases)
        EXPECT_EQ(IsDrawn(doc, c.element, c.state), c.drawn) << c.name;
}

TEST(DrawConditions, GroupDecidesFirst) {
    SkinDocument doc;
    doc.Append(GroupEntry("on"));
    doc.Append(GroupEntry("off", false));
    SkinElement e = Drawable(ElementKind::Button, [](DrawableCommon&) {});
    const NoteState s = State(300, 100);
    for (const auto& [group, drawn] :
         {std::pair{"", true}, {"on", true}, {"off", false}, {"missing", false}}) {
        e.group = group;
        EXPECT_EQ(IsDrawn(doc, e, s), drawn) << group;
    }
}

TEST(DrawConditions, ScrollbarDrawLimits) {
    struct Case {
        const char* name;
        SizeLimits limits;
        NoteState state;
        bool required;
    };
    const Case cases[] = {
        {"no limits", {}, State(300, 100), true},
        {"width maximum 200 on 300", {-1, 200, -1, -1}, State(300, 100), false},
        {"width maximum 300 on 300", {-1, 300, -1, -1}, State(300, 100), true},
        {"height minimum 50 on a rolled note", {-1, -1, 50, -1}, State(300, 25, true), false},
        {"height maximum 99 on 100", {-1, -1, -1, 99}, State(300, 100), false},
    };
    for (const Case& c : cases) {
        SkinLayout layout;
        layout.scrollbardrawwidthminimum = c.limits.widthminimum;
        layout.scrollbardrawwidthmaximum = c.limits.widthmaximum;
        layout.scrollbardrawheightminimum = c.limits.heightminimum;
        layout.scrollbardrawheightmaximum = c.limits.heightmaximum;
        NoteState s = c.state;
        s.scrollbarrequired = true;
        ApplyScrollbarDrawLimits(s, layout);
        EXPECT_EQ(s.scrollbarrequired, c.required) << c.name;
        // The check only ever clears the flag.
        s.scrollbarrequired = false;
        ApplyScrollbarDrawLimits(s, layout);
        EXPECT_FALSE(s.scrollbarrequired) << c.name;
    }
}

TEST(DrawConditions, TreeVisibilityOfGroupsAndLayouts) {
    SkinDocument doc;
    doc.Append(GroupEntry("on"));                                      // 0
    doc.Append(GroupEntry("off", false));                              // 1
    doc.Append(SkinElement::Make(ElementKind::Layout));                // 2: hidden by 4
    doc.Append(Drawable(ElementKind::Button, [](DrawableCommon&) {})); // 3
    SkinElement inOff = SkinElement::Make(ElementKind::Layout);
    inOff.group = "off";
    SkinElement plain = SkinElement::Make(ElementKind::Layout);
    doc.Append(plain); // 4
    doc.Append(inOff); // 5: never active
    SkinElement member = Drawable(ElementKind::Button, [](DrawableCommon&) {});
    member.group = "off";
    doc.Append(member); // 6: its group fails
    member.group = "on";
    doc.Append(member);                    // 7: the last group of the name decides
    doc.Append(GroupEntry("on", false));   // 8
    doc.Append(GroupEntry("again", true)); // 9
    const NoteState s = State(300, 100);
    const std::vector<bool> expected = {false, false, false, true, true, false, false, false, false, true};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(IsEntryShown(doc, i, s), expected[i]) << i;
    // The whole list at once, as the tree asks, gives the same.
    EXPECT_EQ(EntriesShown(doc, s), expected);
    EXPECT_FALSE(IsEntryShown(doc, 10, s));
    EXPECT_FALSE(IsEntryShown(doc, -1, s));
    EXPECT_FALSE(IsDefaultLayoutShown(doc, s));

    doc.elements.resize(6);
    doc.elements.erase(doc.elements.begin() + 2);
    doc.elements.erase(doc.elements.begin() + 3);
    EXPECT_TRUE(IsDefaultLayoutShown(doc, s));
}
