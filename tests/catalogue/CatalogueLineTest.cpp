#include "catalogue/CatalogueLine.h"
#include "catalogue/ActionLabel.h"
#include "catalogue/DocumentationLink.h"
#include "document/SkinDocument.h"
#include "document/SkinReader.h"

#include <functional>
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
    const auto withElement = [](ElementKind kind, const std::function<void(SkinElement&)>& set) {
        return [=](SkinDocument& d) {
            SkinElement e = SkinElement::Make(kind);
            set(e);
            d.Append(e);
        };
    };
    const auto text = [](const QString& t) { return [=](SkinDocument& d) { d.Append(Text(t)); }; };
    const struct {
        const char* what;
        std::function<void(SkinDocument&)> make;
        int flag; // -1 for none
    } cases[] = {
        {"region", [](SkinDocument& d) { d.settings.region = MakeColour(255, 0, 255); }, 0},
        {"drawn rolled",
         withElement(ElementKind::VStrip, [](SkinElement& e) { e.Common()->drawrolled = true; }), 1},
        {"drawn with focus",
         withElement(ElementKind::Button, [](SkinElement& e) { e.Common()->drawfocus = true; }), 2},
        {"focus rule",
         withElement(ElementKind::Group,
                     [](SkinElement& e) {
                         e.As<GroupRecord>()->rules.push_back({"Has focus", "is", "true"});
                     }),
         2},
        {"creation", text("On %CREATION% now"), 3},
        {"source", text("On %SOURCE% now"), 4},
        {"title", text("On %TITLE% now"), 5},
        {"alarm", text("On %ALARM% now"), 6},
        {"lower case: the note program only knows them in capitals", text("%title%"), -1},
        {"own scroll bar",
         withElement(ElementKind::Layout, [](SkinElement& e) { e.As<SkinLayout>()->usescrollbar = true; }),
         7},
        {"stack", [](SkinDocument& d) { d.settings.stackfilename = "stack.ini"; }, 8},
    };
    for (const auto& c : cases) {
        SkinDocument document;
        c.make(document);
        QString flags = QStringLiteral("0,0,0,0,0,0,0,0,0,");
        if (c.flag >= 0)
            flags[c.flag * 2] = u'1';
        EXPECT_EQ(Flags(document), flags) << c.what;
    }
}

TEST(CatalogueLine, CharactersBeyondTheBasicPlaneAreOneReference) {
    EXPECT_EQ(CatalogueField(QStringLiteral("A\U0001F600,\u00ff\u0080z"), true),
              QStringLiteral("A&#128512;&#255;&#128;z"));
    EXPECT_EQ(CatalogueField(QStringLiteral("\u00e9,x"), false), QStringLiteral("\u00e9x"));
}

TEST(CatalogueLine, TextsAndFileNamesNeverEndTheLine) {
    EXPECT_EQ(CatalogueField(QStringLiteral("a\r\nb\rc\nd"), true), QStringLiteral("abcd"));
    // A CR inside a value is kept by the skin file's reading; a file name may hold an LF.
    SkinDocument document;
    ReadSkinText(document, QStringLiteral("skinname=Two\rLines\nauthorname=A\r\rB\nauthorurl=x\ry\n"));
    ASSERT_EQ(document.settings.skinname, QStringLiteral("Two\rLines"));
    const QString line = CatalogueLine(document, QStringLiteral("new\nline.qsk"), kStamp);
    EXPECT_TRUE(line.startsWith(QStringLiteral("newline,TwoLines,AB,xy,"))) << line.toStdString();
    EXPECT_EQ(line.count(u'\n'), 1);
    EXPECT_TRUE(line.endsWith(u'\n'));
    EXPECT_FALSE(line.contains(u'\r'));
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
