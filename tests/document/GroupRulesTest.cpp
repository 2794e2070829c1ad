#include "document/GroupRules.h"
#include "document/GroupIndex.h"
#include "document/NoteState.h"
#include "document/SkinDocument.h"

#include <gtest/gtest.h>

namespace {

NoteState SampleState() {
    NoteState s;
    s.width = 301;
    s.height = 100;
    s.title = QStringLiteral("My plan list");
    s.source = QStringLiteral("3 notes");
    s.dpi = 96;
    return s;
}

SkinElement Group(const QString& name, bool matchAll, std::vector<GroupRule> rules, bool enabled = true) {
    SkinElement e = SkinElement::Make(ElementKind::Group);
    GroupRecord* g = e.As<GroupRecord>();
    g->name = name;
    g->match = matchAll;
    g->enabled = enabled;
    g->rules = std::move(rules);
    return e;
}

} // namespace

TEST(EvaluateRule, Cases) {
    NoteState rolled = SampleState();
    rolled.rolled = true;
    NoteState plain = SampleState();
    struct Case {
        const char* field;
        const char* op;
        const char* value;
        const NoteState* state;
        bool holds;
    };
    const Case cases[] = {
        // Flag fields ignore the operator; only "true" (any case) asks for a set flag.
        {"Rolled", "is not", "true", &rolled, true},
        {"Rolled", "is", "false", &plain, true},
        {"Rolled", "is", "TRUE", &rolled, true},
        {"rolled", "whatever", "yes", &rolled, false},
        {"Rolled", "is", "yes", &plain, true},
        // Numbers.
        {"Width", "is greater than", "300", &plain, true},
        {"Width", "is greater than", "301", &plain, false},
        {"Width", "is less than", "302", &plain, true},
        {"Width", "is", "301px", &plain, true},
        {"Width", "is not", "301", &plain, false},
        {"WIDTH", "IS", "301", &plain, true},
        {"Height", "is", "abc", &plain, false},
        {"DPI", "is", "96", &plain, true},
        {"Stack count", "is", "3", &plain, true},
        {"Width", "contains", "301", &plain, false},
        // Texts.
        {"Title", "contains", "PLAN", &plain, true},
        {"Title", "does not contain", "PLAN", &plain, false},
        {"Title", "is", "my PLAN list", &plain, true},
        {"Title", "is not", "my plan", &plain, true},
        {"Title", "is greater than", "a", &plain, false},
        // Unknown field.
        {"Colour", "is", "red", &plain, false},
    };
    for (const Case& c : cases) {
        const GroupRule rule{QString::fromUtf8(c.field), QString::fromUtf8(c.op), QString::fromUtf8(c.value)};
        EXPECT_EQ(EvaluateRule(rule, *c.state), c.holds) << c.field << " " << c.op << " " << c.value;
    }
}

TEST(GroupTest, MatchOneAndAll) {
    const NoteState s = SampleState();
    const GroupRule yes{"Width", "is", "301"};
    const GroupRule no{"Width", "is", "5"};
    struct Case {
        bool matchAll;
        std::vector<GroupRule> rules;
        bool passes;
    };
    const Case cases[] = {
        {true, {}, true},         {false, {}, false},       {true, {yes, yes}, true},
        {true, {yes, no}, false}, {false, {no, yes}, true}, {false, {no, no}, false},
    };
    for (const Case& c : cases) {
        SkinDocument doc;
        doc.Append(Group("g", c.matchAll, c.rules));
        EXPECT_EQ(GroupTest(doc, "g", s), c.passes) << c.matchAll << " " << c.rules.size();
    }
}

// Both forms of the test, which must agree: scanning the list, and looking up a fresh index.
bool Passes(const SkinDocument& doc, const QString& name, const NoteState& s) {
    const bool scanned = GroupTest(doc, name, s);
    EXPECT_EQ(GroupTest(doc, GroupIndex(doc), name, s), scanned) << name.toStdString();
    return scanned;
}

TEST(GroupTest, NamesAndOrder) {
    const NoteState s = SampleState();
    SkinDocument doc;
    EXPECT_TRUE(Passes(doc, QString(), s));
    EXPECT_FALSE(Passes(doc, "nogroup", s));

    doc.Append(Group("abc", true, {}));
    EXPECT_TRUE(Passes(doc, "abc", s));
    EXPECT_FALSE(Passes(doc, "ABC", s)); // names compare with case

    doc.Append(Group("off", true, {}, false));
    EXPECT_FALSE(Passes(doc, "off", s));

    // The last group of a name decides.
    doc.Append(Group("abc", false, {}));
    EXPECT_FALSE(Passes(doc, "abc", s));
    doc.Append(Group("abc", true, {}));
    EXPECT_TRUE(Passes(doc, "abc", s));
    EXPECT_EQ(GroupIndex(doc).Find("abc"), 3);
    EXPECT_EQ(GroupIndex(doc).Find("none"), -1);
}

TEST(RuleVocabulary, FieldsAndOperators) {
    const QStringList fields = RuleFieldNames();
    EXPECT_EQ(fields.size(), 33);
    RuleFieldType type;
    ASSERT_TRUE(RuleFieldTypeOf("scrollbar ENABLED", &type));
    EXPECT_EQ(type, RuleFieldType::Flag);
    ASSERT_TRUE(RuleFieldTypeOf("Stack count", &type));
    EXPECT_EQ(type, RuleFieldType::Number);
    ASSERT_TRUE(RuleFieldTypeOf("Last send", &type));
    EXPECT_EQ(type, RuleFieldType::Text);
    EXPECT_FALSE(RuleFieldTypeOf("Colour", &type));
    EXPECT_EQ(NumberOperators().size(), 4);
    EXPECT_EQ(TextOperators().at(3), "does not contain");
}

TEST(EvaluateRule, FlagFieldsReadTheirStateFlags) {
    // Each flag field, set alone, holds for "true" and all others fail.
    struct Row {
        const char* field;
        bool NoteState::*flag;
    };
    const Row rows[] = {
        {"Has focus", &NoteState::hasfocus},
        {"On top", &NoteState::ontop},
        {"Email sent OK", &NoteState::emailok},
        {"Network sent OK", &NoteState::transmitok},
        {"Read only", &NoteState::readonly},
        {"Alarm set", &NoteState::alarmset},
        {"Attached", &NoteState::attached},
        {"More text above", &NoteState::moreabove},
        {"More text below", &NoteState::morebelow},
        {"Scrollbar enabled", &NoteState::fixedsize},
        {"User 1", &NoteState::user1},
        {"User 2", &NoteState::user2},
        {"User 3", &NoteState::user3},
        {"Scrollbar required", &NoteState::scrollbarrequired},
        {"Image sticky", &NoteState::image},
        {"Stand", &NoteState::stand},
        {"In stack", &NoteState::instack},
        {"BG colour is light", &NoteState::backgroundislight},
        {"Solo", &NoteState::solo},
        {"Sync", &NoteState::sync},
        {"Bulk selected", &NoteState::bulkselected},
        {"Rolled", &NoteState::rolled},
    };
    for (const Row& set : rows) {
        NoteState s;
        s.*set.flag = true;
        for (const Row& r : rows) {
            const bool holds = EvaluateRule({QString::fromUtf8(r.field), "is", "true"}, s);
            EXPECT_EQ(holds, r.flag == set.flag) << set.field << " / " << r.field;
        }
    }
}
