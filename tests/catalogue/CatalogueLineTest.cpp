#include "catalogue/CatalogueLine.h"
#include "catalogue/ActionLabel.h"
#include "catalogue/DocumentationLink.h"
#include "document/SkinDocument.h"

#include <gtest/gtest.h>

namespace {

SkinElement Button(int action) {
    SkinElement e = SkinElement::Make(ElementKind::Button);
    e.As<ButtonRecord>()->action = action;
    return e;
}

SkinElement WithCondition(ElementKind kind, int condition, bool switchedOn) {
    SkinElement e = SkinElement::Make(kind);
    e.Common()->condition = condition;
    e.Common()->conditionset = switchedOn;
    return e;
}

SkinElement Indicator(int type) {
    SkinElement e = SkinElement::Make(ElementKind::Indicator);
    e.As<IndicatorRecord>()->type = type;
    return e;
}

SkinElement Text(const QString& text) {
    SkinElement e = SkinElement::Make(ElementKind::Text);
    e.As<TextRecord>()->text = text;
    return e;
}

const PackageFileStamp kStamp{1700000000, 4321};

// The flags part of a line: the last nine "0," or "1," before the line feed.
QString Flags(const SkinDocument& document) {
    const QString line = CatalogueLine(document, QStringLiteral("x.qsk"), kStamp);
    return line.right(19).left(18);
}

} // namespace

TEST(ActionLabel, FollowsTheTableWithItsGaps) {
    const struct {
        int code;
        const char* label;
    } cases[] = {
        {-1, ""},      {0, ""},     {1, "B00"},    {6, "B05"},    {7, ""},       {8, ""},       {9, "B08"},
        {10, "B09"},   {11, "B10"}, {16, "B15"},   {17, ""},      {18, "B17"},   {70, "B69"},   {71, ""},
        {72, ""},      {73, "B70"}, {150, "B147"}, {151, ""},     {152, "B149"}, {155, "B152"}, {156, "B156"},
        {168, "B168"}, {169, ""},   {170, ""},     {171, "B170"}, {189, "B188"}, {190, ""},     {1000, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ActionLabel(c.code), QString::fromLatin1(c.label)) << c.code;
}

TEST(CatalogueLine, WholeLineOfASkin) {
    SkinDocument document;
    document.settings.skinname = QStringLiteral("Caf\u00e9, Blue");
    document.settings.authorname = QStringLiteral("Ren\u00e9e, Inc");
    document.settings.authorurl = QStringLiteral("https://author.example/a,b");
    for (const int action : {7, 156, 1, 10, 0})
        document.Append(Button(action));
    document.Append(Indicator(5));
    document.Append(Indicator(17));                                // beyond the listed codes
    document.Append(WithCondition(ElementKind::HStrip, 3, false)); // listed whether switched on or not
    document.Append(WithCondition(ElementKind::TileArea, 16, true));
    document.Append(SkinElement::Make(ElementKind::Group)); // not drawable: nothing

    EXPECT_EQ(CatalogueLine(document, QStringLiteral("my,skin.qsk"), kStamp),
              QStringLiteral("myskin,Caf&#233; Blue,Ren&#233;e Inc,https://author.example/ab,1700000000,4321,"
                             "B156;B00;B09;,I05;I03;I16;,0,0,0,0,0,0,0,0,0,\n"));
}

TEST(CatalogueLine, PackageThatDidNotLoad) {
    // An empty document and a file that cannot be examined.
    EXPECT_EQ(CatalogueLine(SkinDocument(), QStringLiteral("gone.QSK"), PackageFileStamp()),
              QStringLiteral("gone,,,,-1,-1,,,0,0,0,0,0,0,0,0,0,\n"));
}

TEST(CatalogueLine, EachFlag) {
    const auto flagged = [](int position) {
        QString flags = QStringLiteral("0,0,0,0,0,0,0,0,0,");
        flags[position * 2] = u'1';
        return flags;
    };
    SkinDocument region;
    region.settings.region = MakeColour(255, 0, 255);
    EXPECT_EQ(Flags(region), flagged(0));

    SkinDocument rolled;
    rolled.Append(SkinElement::Make(ElementKind::VStrip));
    rolled.elements[0].Common()->drawrolled = true;
    EXPECT_EQ(Flags(rolled), flagged(1));

    SkinDocument focus;
    focus.Append(SkinElement::Make(ElementKind::Button));
    focus.elements[0].Common()->drawfocus = true;
    EXPECT_EQ(Flags(focus), flagged(2));
    SkinDocument focusRule;
    SkinElement group = SkinElement::Make(ElementKind::Group);
    group.As<GroupRecord>()->rules.push_back(
        {QStringLiteral("Has focus"), QStringLiteral("is"), QStringLiteral("true")});
    focusRule.Append(group);
    EXPECT_EQ(Flags(focusRule), flagged(2));

    const char* placeholders[] = {"%CREATION%", "%SOURCE%", "%TITLE%", "%ALARM%"};
    for (int i = 0; i < 4; ++i) {
        SkinDocument text;
        text.Append(Text(QStringLiteral("On ") + QLatin1String(placeholders[i]) + QStringLiteral(" now")));
        EXPECT_EQ(Flags(text), flagged(3 + i)) << placeholders[i];
    }
    SkinDocument lowerCase; // the note program only knows them in capitals
    lowerCase.Append(Text(QStringLiteral("%title%")));
    EXPECT_EQ(Flags(lowerCase), QStringLiteral("0,0,0,0,0,0,0,0,0,"));

    SkinDocument scroll;
    SkinElement layout = SkinElement::Make(ElementKind::Layout);
    layout.As<SkinLayout>()->usescrollbar = true;
    scroll.Append(layout);
    EXPECT_EQ(Flags(scroll), flagged(7));

    SkinDocument stack;
    stack.settings.stackfilename = QStringLiteral("stack.ini");
    EXPECT_EQ(Flags(stack), flagged(8));
}

TEST(CatalogueLine, CharactersBeyondTheBasicPlaneAreOneReference) {
    EXPECT_EQ(CatalogueField(QStringLiteral("A\U0001F600,\u00ff\u0080z"), true),
              QStringLiteral("A&#128512;&#255;&#128;z"));
    EXPECT_EQ(CatalogueField(QStringLiteral("\u00e9,x"), false), QStringLiteral("\u00e9x"));
}

TEST(CatalogueLine, OldDocumentationAddressIsCorrected) {
    SkinDocument document;
    document.settings.authorurl = kOldDocumentationLink;
    document.settings.skinname = QStringLiteral("See ") + kOldDocumentationLink;
    const QString line = CatalogueLine(document, QStringLiteral("doc.qsk"), kStamp);
    EXPECT_FALSE(line.contains(kOldDocumentationLink)) << line.toStdString();
    EXPECT_EQ(line.count(kDocumentationLink), 2) << line.toStdString();
    EXPECT_EQ(CorrectDocumentationLinks(line), line);
}
