#include "document/SkinDocument.h"
#include "document/LeadingNumber.h"
#include "document/NoteState.h"
#include "document/SkinKeys.h"

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

// The default layout and settings values are the lines SkinWriter.EmptyDocumentIsTheHeaderAndTwoBlankLines
// expects; here only what the file does not show.
TEST(SkinDocument, CreateHasDefaults) {
    const SkinDocument doc;
    EXPECT_TRUE(doc.elements.empty());
    EXPECT_TRUE(doc.pngsource);
    EXPECT_FALSE(doc.image.IsValid());
    EXPECT_EQ(doc.layout.name, "Layout");
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
    // Each record's own default values are the lines SkinWriter.SectionOfEachKind... expects of it.

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
    using N = NoteState;
    bool N::*flags[] = {&N::ontop,    &N::emailok,   &N::transmitok,        &N::readonly,  &N::alarmset,
                        &N::attached, &N::moreabove, &N::morebelow,         &N::fixedsize, &N::user1,
                        &N::user2,    &N::user3,     &N::scrollbarrequired, &N::image,     &N::stand,
                        &N::hasfocus, &N::instack,   &N::backgroundislight, &N::solo,      &N::sync};
    for (int code = 1; code <= 20; ++code) {
        NoteState one;
        one.*flags[code - 1] = true;
        for (int other = -1; other <= 21; ++other)
            EXPECT_EQ(FlagOfCode(one, other), other == code) << code << " " << other;
    }
}

TEST(LeadingNumber, Forms) {
    const std::pair<const char*, int> rows[] = {{"12", 12},
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
                                                {"\t\n\v\f\r 8", 8},
                                                {"\b5", 0},
                                                {"\x0e"
                                                 "5",
                                                 0},
                                                {"/5", 0},
                                                {":5", 0},
                                                {"- 3", 0},
                                                {"09", 9}};
    for (const auto& [text, value] : rows)
        EXPECT_EQ(LeadingNumber(QString::fromUtf8(text)), value) << text;
}

TEST(SkinKeyOf, AnyCaseOfAKnownNameAndNothingElse) {
    const std::pair<const char16_t*, SkinKey> rows[] = {
        {u"bitmap", SkinKey::bitmap},
        {u"BitMap", SkinKey::bitmap},
        {u"BITMAP", SkinKey::bitmap},
        {u"minimumthumbtrackheight", SkinKey::minimumthumbtrackheight},
        {u"bitma", SkinKey::None},
        {u"bitmapx", SkinKey::None},
        {u"bitmap ", SkinKey::None},
        // Only A to Z are lowered: '@' and '[' stay.
        {u"@itmap", SkinKey::None},
        {u"bitma[", SkinKey::None},
        {u"b\u00EFtmap", SkinKey::None},
        {u"", SkinKey::None}};
    for (const auto& [text, key] : rows)
        EXPECT_EQ(SkinKeyOf(QStringView(text)), key) << QString::fromUtf16(text).toStdString();
}

TEST(StrictInteger, OnlySignAndDigitsInRange) {
    const std::optional<int> no;
    const std::pair<const char*, std::optional<int>> rows[] = {{"12", 12},
                                                               {"-5", -5},
                                                               {"+7", 7},
                                                               {"0", 0},
                                                               {"2147483647", 2147483647},
                                                               {"-2147483648", -2147483648},
                                                               {"2147483648", no},
                                                               {"-2147483649", no},
                                                               {"99999999999999999999", no},
                                                               {"12abc", no},
                                                               {" 42", no},
                                                               {"42 ", no},
                                                               {"", no},
                                                               {"-", no},
                                                               {"+-1", no},
                                                               {"1e3", no}};
    for (const auto& [text, value] : rows)
        EXPECT_EQ(StrictInteger(QString::fromUtf8(text)), value) << text;
}
