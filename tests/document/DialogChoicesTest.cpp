#include "document/ActionCodes.h"
#include "document/ActionPicking.h"
#include "document/GroupRuleChoices.h"
#include "document/PlacementModeRows.h"
#include "document/SizeLimits.h"
#include "document/StackSkinRules.h"

#include <gtest/gtest.h>

namespace {

TEST(PlacementModeRows, ModesAndRowsMapBothWays) {
    EXPECT_EQ(PlacementModeTexts(false), QStringList({"sides", "middle", "percent"}));
    EXPECT_EQ(PlacementModeTexts(true), QStringList({"sides", "middle", "percent", "TL scrollbar",
                                                     "BR scrollbar", "Center scrollbar"}));
    const struct {
        PlacementMode mode;
        int rowOfThree;
        int rowOfSix;
    } cases[] = {
        {PlacementMode::Sides, 0, 0},       {PlacementMode::Middle, 1, 1},
        {PlacementMode::Percent, 2, 2},     {PlacementMode::TLScrollbar, 0, 3},
        {PlacementMode::BRScrollbar, 0, 4}, {PlacementMode::CenterScrollbar, 0, 5},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PlacementModeRow(c.mode, false), c.rowOfThree) << int(c.mode);
        EXPECT_EQ(PlacementModeRow(c.mode, true), c.rowOfSix) << int(c.mode);
        EXPECT_EQ(PlacementModeOfRow(c.rowOfSix), c.mode);
    }
    // No row chosen, or a row past the list, is sides.
    EXPECT_EQ(PlacementModeOfRow(-1), PlacementMode::Sides);
    EXPECT_EQ(PlacementModeOfRow(6), PlacementMode::Sides);
}

TEST(SizeLimits, OneLimitPerDimension) {
    const struct {
        int minimum, maximum;
        SizeLimitChoice shown;
    } shows[] = {
        {-1, -1, {false, false, ""}},   {40, -1, {true, false, "40"}},
        {-1, 300, {true, true, "300"}}, {40, 300, {true, true, "300"}}, // both set: the maximum wins
        {0, -1, {true, false, "0"}},    {-5, -1, {true, false, "-5"}},
    };
    for (const auto& s : shows)
        EXPECT_EQ(ShowSizeLimits(s.minimum, s.maximum), s.shown) << s.minimum << " " << s.maximum;

    const struct {
        SizeLimitChoice choice;
        int minimum, maximum;
    } stores[] = {
        {{false, true, "300"}, -1, -1},
        {{true, false, "40"}, 40, -1},
        {{true, true, "300"}, -1, 300},
        {{true, true, ""}, -1, 0},
        {{true, false, "12abc"}, 12, -1},
        {{true, false, "abc"}, 0, -1},
        {{true, true, "99999999999"}, -1, 2147483647},
    };
    for (const auto& s : stores) {
        int minimum = 7, maximum = 8;
        StoreSizeLimits(s.choice, &minimum, &maximum);
        EXPECT_EQ(minimum, s.minimum) << s.choice.number.toStdString();
        EXPECT_EQ(maximum, s.maximum) << s.choice.number.toStdString();
    }
}

TEST(StackSkinRules, OnlyTheStackStatesAndActions) {
    QList<int> states, actions;
    for (int code = -2; code < 200; ++code) {
        if (StackAllowsState(code))
            states << code;
        if (StackAllowsAction(code))
            actions << code;
    }
    EXPECT_EQ(states, QList<int>({1, 5, 16, 17, 18}));
    EXPECT_EQ(actions, QList<int>({0, 1, 2, 22, 34, 152}));
}

TEST(ActionPicking, NamedActionsSortedIgnoringCaseAndFiltered) {
    const std::vector<ActionLine> all = ActionPickerLines("");
    // 190 codes, of which 7, 8, 17, 29 and 169 have no name.
    ASSERT_EQ(all.size(), 185u);
    for (std::size_t i = 0; i + 1 < all.size(); ++i)
        EXPECT_LE(all[i].name.compare(all[i + 1].name, Qt::CaseInsensitive), 0) << all[i].name.toStdString();
    for (const ActionLine& line : all) {
        EXPECT_FALSE(line.name.isEmpty());
        EXPECT_EQ(ActionDisplayName(line.code), line.name);
        EXPECT_NE(line.code, 29);
    }

    const std::vector<ActionLine> tabs = ActionPickerLines("TAB STOP");
    ASSERT_EQ(tabs.size(), 4u);
    EXPECT_EQ(tabs[0], (ActionLine{"Tab stop 120", 188}));
    EXPECT_EQ(tabs[3], (ActionLine{"Tab stop 80", 187}));

    // "Lower case" and "lower" in "Follower"-like names: containment, not a prefix.
    std::vector<int> lower;
    for (const ActionLine& line : ActionPickerLines("ower"))
        lower.push_back(line.code);
    EXPECT_EQ(lower, (std::vector<int>{183}));
    EXPECT_TRUE(ActionPickerLines("no such action").empty());
}

TEST(ActionPicking, ActionBoxShowsUnknownOutsideTheTable) {
    EXPECT_EQ(ActionBoxText(0), "None");
    EXPECT_EQ(ActionBoxText(1), "Close");
    EXPECT_EQ(ActionBoxText(189), "Tab stop 240");
    EXPECT_EQ(ActionBoxText(7), ""); // in the table, without a name
    EXPECT_EQ(ActionBoxText(190), "Unknown Action");
    EXPECT_EQ(ActionBoxText(-1), "Unknown Action");
    EXPECT_EQ(ActionBoxText(100000), "Unknown Action");
}

TEST(GroupRuleChoices, FieldListsOfBothSkinModes) {
    const QStringList stack = GroupDialogFields(true);
    EXPECT_EQ(stack, QStringList({"Alarm set", "BG colour is light", "DPI", "Has focus", "Height", "In stack",
                                  "On top", "Stack count", "Stack name", "Width"}));
    const QStringList note = GroupDialogFields(false);
    EXPECT_EQ(note.size(), 32);
    EXPECT_FALSE(note.contains("Stack count"));
    EXPECT_TRUE(note.contains("Title"));
    EXPECT_FALSE(stack.contains("Title"));
    EXPECT_EQ(note.first(), "Alarm set");
    EXPECT_EQ(note.last(), "Width");
    for (int i = 0; i + 1 < note.size(); ++i)
        EXPECT_LT(note[i].compare(note[i + 1], Qt::CaseInsensitive), 0) << note[i].toStdString();
}

TEST(GroupRuleChoices, ChoosingAFieldRefillsOperatorsAndValues) {
    const RuleChoices numbers{{"is", "is not", "is less than", "is greater than"}, true, {}};
    const RuleChoices texts{{"is", "is not", "contains", "does not contain"}, true, {}};
    const RuleChoices flags{{"is"}, false, {"true", "false"}};
    const struct {
        const char* field;
        RuleChoices choices;
    } cases[] = {
        {"Width", numbers},       {"Stack count", numbers}, {"DPI", numbers},  {"Title", texts},
        {"Stack name", texts},    {"Last send", texts},     {"Rolled", flags}, {"Has focus", flags},
        {"Bulk selected", flags}, {"rolled", flags}, // found without regard to case
    };
    for (const auto& c : cases)
        EXPECT_EQ(RuleChoicesFor(c.field), c.choices) << c.field;
    EXPECT_EQ(InitialRuleChoices(),
              (RuleChoices{{"is", "is not", "is less than", "is greater than", "contains"}, true, {}}));
    EXPECT_EQ(RuleLine({"Width", "is greater than", "300"}), "Width is greater than 300");
    EXPECT_EQ(RuleLine({"Title", "contains", ""}), "Title contains ");
}

} // namespace
