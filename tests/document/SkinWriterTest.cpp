#include "document/SkinWriter.h"
#include "DocumentTestSupport.h"
#include "document/SkinDocument.h"
#include "document/SkinReader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The written file as text, after checking its mark and that every unit is little-endian UTF-16.
QString WrittenText(const SkinDocument& document, const QString& imageName = QString()) {
    const QByteArray bytes = SkinFileBytes(document, imageName);
    EXPECT_GE(bytes.size(), 2);
    EXPECT_EQ(bytes.left(2), QByteArray("\xFF\xFE", 2));
    EXPECT_EQ(bytes.size() % 2, 0);
    return SkinFileText(bytes);
}

const QString kDefaultHeader =
    QStringLiteral("version=12\n"
                   "top=25\nbottom=10\nleft=10\nright=10\nrolledheight=25\n"
                   "bitmap=\n"
                   "minimumwidth=100\nminimumheight=50\nminimumthumbtrackheight=15\n"
                   "titlebar=0,0,-1,25\n"
                   "titletooltip=1\n"
                   "scrollbar=-10,25,-1,10\n"
                   "selectedborderwidth=3\n"
                   "selectedborderdashlength1=20\nselectedborderdashlength2=20\n"
                   "selectedborderdashcolour1=16777215\nselectedborderdashcolour2=0\n"
                   "\n");

Placement P(int value, PlacementMode mode = PlacementMode::Sides, int offset = 0) {
    return {value, mode, offset};
}

void SetAllCommon(DrawableCommon& c) {
    c.drawwidthminimum = 1;
    c.drawwidthmaximum = 2;
    c.drawheightminimum = 3;
    c.drawheightmaximum = 4;
    c.conditionset = true;
    c.condition = 5;
    c.conditionvalue = false;
    c.drawunrolled = true;
    c.drawrolled = true;
    c.drawfocus = true;
}

// The lines SetAllCommon gives, as the writer places them.
const QString kLimits = "drawwidthminimum=1\ndrawwidthmaximum=2\ndrawheightminimum=3\ndrawheightmaximum=4\n";
const QString kCondition = "condition=alarm\nconditionvalue=0\n";
const QString kRoll = "drawunrolled=1\ndrawrolled=1\ndrawfocus=1\n";

struct SectionCase {
    const char* label;
    SkinElement element;
    QString expected; // the section, ending with its blank line
};

std::vector<SectionCase> SectionCases() {
    std::vector<SectionCase> cases;

    cases.push_back({"button, defaults", SkinElement::Make(ElementKind::Button),
                     "[button]\nname=Button\nplace=0,0\nsource=0,0\nsourcerollover=-1,-1\nsourcealpha=-1,-1\n"
                     "sourcerolloveralpha=-1,-1\nsize=0x0\n\n"});
    {
        SkinElement e = SkinElement::Make(ElementKind::Button);
        e.group = "g1";
        ButtonRecord& r = *e.As<ButtonRecord>();
        r.name = "Close";
        r.place = {P(5, PlacementMode::TLScrollbar, 2), P(-3, PlacementMode::Middle)};
        r.source = {1, 2};
        r.sourcerollover = {3, 4};
        r.sourcealpha = {5, 6};
        r.sourcerolloveralpha = {7, 8};
        r.size = {10, 20};
        r.action = 1;
        SetAllCommon(r);
        cases.push_back({"button, every line", e,
                         "[button]\nname=Close\ngroup=g1\nplace=tl5&2,m-3\nsource=1,2\nsourcerollover=3,4\n"
                         "sourcealpha=5,6\nsourcerolloveralpha=7,8\nsize=10x20\n" +
                             kLimits + kCondition + "action=close\n" + kRoll + "\n"});
    }

    cases.push_back({"hstrip, defaults", SkinElement::Make(ElementKind::HStrip),
                     "[hstrip]\nname=H Strip\nplace=0,0\nextent=0,0\nwidth=0\nsource=0,0\nsourcealpha=-1,-1\n"
                     "startcol=128,128,128\nendcol=255,255,255\nsolidcol=0,0,0\nalpha=-1\nstriptype=0\n\n"});
    {
        SkinElement e = SkinElement::Make(ElementKind::HStrip);
        HStripRecord& r = *e.As<HStripRecord>();
        r.place = {P(7, PlacementMode::TLScrollbar, 1), P(50, PlacementMode::Percent, -3)};
        r.extent = {P(-5, PlacementMode::Middle, 2), 9};
        r.width = 30;
        r.source = {11, 12};
        r.sourcealpha = {13, 14};
        r.startcol = MakeColour(1, 2, 3);
        r.endcol = MakeColour(4, 5, 6);
        r.solidcol = MakeColour(7, 8, 9);
        r.alpha = 128;
        r.striptype = 2;
        r.drawwidthminimum = 10;
        r.drawheightmaximum = 40;
        r.conditionset = true; // with no state chosen
        r.drawrolled = true;
        cases.push_back({"hstrip, scroll-bar mode dropped, some limits", e,
                         "[hstrip]\nname=H Strip\nplace=7&1,50%&-3\nextent=m-5&2,9\nwidth=30\nsource=11,12\n"
                         "sourcealpha=13,14\nstartcol=1,2,3\nendcol=4,5,6\nsolidcol=7,8,9\nalpha=128\n"
                         "drawwidthminimum=10\ndrawheightmaximum=40\ncondition=null\nconditionvalue=1\n"
                         "striptype=2\ndrawrolled=1\n\n"});
    }

    cases.push_back(
        {"vstrip, defaults", SkinElement::Make(ElementKind::VStrip),
         "[vstrip]\nname=V Strip\nplace=0,0\nextent=0,0\nheight=0\nsource=0,0\nsourcealpha=-1,-1\n"
         "startcol=128,128,128\nendcol=255,255,255\nsolidcol=0,0,0\nalpha=-1\nstriptype=0\n\n"});
    {
        SkinElement e = SkinElement::Make(ElementKind::VStrip);
        e.group = "bars";
        VStripRecord& r = *e.As<VStripRecord>();
        r.name = "Side";
        r.place = {P(3, PlacementMode::BRScrollbar), P(4, PlacementMode::CenterScrollbar, -1)};
        r.extent = {6, P(-2, PlacementMode::TLScrollbar, 5)};
        r.height = 12;
        r.striptype = 3;
        SetAllCommon(r);
        cases.push_back({"vstrip, every line", e,
                         "[vstrip]\nname=Side\ngroup=bars\nplace=br3,sc4&-1\nextent=6,tl-2&5\nheight=12\n"
                         "source=0,0\nsourcealpha=-1,-1\nstartcol=128,128,128\nendcol=255,255,255\n"
                         "solidcol=0,0,0\nalpha=-1\n" +
                             kLimits + kCondition + "striptype=3\n" + kRoll + "\n"});
    }

    cases.push_back(
        {"text, defaults", SkinElement::Make(ElementKind::Text),
         "[text]\nname=Text\nplace=0,0\nextent=0,0\nfont=System\ncol=0,0,0\npoint=8\ntext=\nsetcase=0\n"
         "format=\nalignment=left\n\n"});
    {
        SkinElement e = SkinElement::Make(ElementKind::Text);
        TextRecord& r = *e.As<TextRecord>();
        r.name = "Title";
        r.place = {P(2, PlacementMode::CenterScrollbar, 4), P(3)};
        r.extent = {P(-20, PlacementMode::Sides, -1), 16};
        r.font = "DejaVu Sans";
        r.col = MakeColour(255, 0, 128);
        r.point = 11;
        r.text = "%TITLE% – ok ";
        r.setcase = 2;
        r.bold = r.italic = r.underline = r.transparent = true;
        r.antialias = 0;
        r.alignment = 2;
        SetAllCommon(r);
        cases.push_back(
            {"text, every line", e,
             "[text]\nname=Title\nplace=2&4,3\nextent=-20&-1,16\nfont=DejaVu Sans\ncol=255,0,128\n"
             "point=11\ntext=%TITLE% – ok \nsetcase=2\n" +
                 kLimits + "format=bold,italic,underline,transparent,no_aa,\n" + kCondition +
                 "alignment=right\n" + kRoll + "\n"});
    }
    {
        SkinElement e = SkinElement::Make(ElementKind::Text);
        TextRecord& r = *e.As<TextRecord>();
        r.italic = true;
        r.antialias = 2;
        r.alignment = 1;
        cases.push_back({"text, yes_aa and middle", e,
                         "[text]\nname=Text\nplace=0,0\nextent=0,0\nfont=System\ncol=0,0,0\npoint=8\ntext=\n"
                         "setcase=0\nformat=italic,yes_aa,\nalignment=middle\n\n"});
        r.alignment = 3;
        r.antialias = 1;
        cases.push_back({"text, alignment out of range", e,
                         "[text]\nname=Text\nplace=0,0\nextent=0,0\nfont=System\ncol=0,0,0\npoint=8\ntext=\n"
                         "setcase=0\nformat=italic,\n\n"});
    }

    cases.push_back({"indicator, defaults", SkinElement::Make(ElementKind::Indicator),
                     "[indicator]\nname=Indicator\nplace=0,0\nsource=0,0\nsourceoff=0,0\nsourcealpha=-1,-1\n"
                     "sourceoffalpha=-1,-1\nsize=0x0\ntype=null\n\n"});
    {
        SkinElement e = SkinElement::Make(ElementKind::Indicator);
        IndicatorRecord& r = *e.As<IndicatorRecord>();
        r.place = {P(1, PlacementMode::BRScrollbar, 3), P(-1, PlacementMode::Percent)};
        r.size = {8, 9};
        r.type = 20;
        r.source = {1, 1};
        r.sourceoff = {2, 2};
        r.sourcealpha = {3, 3};
        r.sourceoffalpha = {4, 4};
        SetAllCommon(r);
        cases.push_back(
            {"indicator, every line", e,
             "[indicator]\nname=Indicator\nplace=1&3,-1%\nsource=1,1\nsourceoff=2,2\nsourcealpha=3,3\n"
             "sourceoffalpha=4,4\nsize=8x9\n" +
                 kLimits + kCondition + "type=sync\n" + kRoll + "\n"});
    }

    cases.push_back(
        {"tilearea, defaults", SkinElement::Make(ElementKind::TileArea),
         "[tilearea]\nname=Tile Area\ntopleft=0,0\nbottomright=0,0\nsource=0,0\nsourcealpha=-1,-1\n"
         "size=0x0\ntiletype=0\nsolidcol=0,0,0\n\n"});
    {
        SkinElement e = SkinElement::Make(ElementKind::TileArea);
        TileAreaRecord& r = *e.As<TileAreaRecord>();
        r.topleft = {P(10, PlacementMode::Middle, 5), P(20, PlacementMode::TLScrollbar, 1)};
        r.bottomright = {P(-10, PlacementMode::Sides, 2), P(90, PlacementMode::Percent, 3)};
        r.size = {4, 5};
        r.tiletype = 1;
        r.solidcol = MakeColour(9, 8, 7);
        SetAllCommon(r);
        cases.push_back({"tilearea, offsets and scroll-bar modes dropped", e,
                         "[tilearea]\nname=Tile Area\ntopleft=m10,20\nbottomright=-10,90%\nsource=0,0\n"
                         "sourcealpha=-1,-1\nsize=4x5\ntiletype=1\nsolidcol=9,8,7\n" +
                             kLimits + kCondition + kRoll + "\n"});
    }

    cases.push_back({"group, defaults", SkinElement::Make(ElementKind::Group),
                     "[group]\nname=Group\nenabled=1\nmatch=all\n\n"});
    {
        SkinElement e = SkinElement::Make(ElementKind::Group);
        e.group = "never written";
        GroupRecord& r = *e.As<GroupRecord>();
        r.name = "Wide";
        r.enabled = false;
        r.match = false;
        r.rules = {{"Width", "is greater than", "300"}, {"Title", "contains", "a,b"}};
        cases.push_back({"group, rules", e,
                         "[group]\nname=Wide\nenabled=0\nmatch=one\nrule=Width,is greater than,300\n"
                         "rule=Title,contains,a,b\n\n"});
    }

    cases.push_back({"layout, defaults", SkinElement::Make(ElementKind::Layout),
                     "[settings]\nname=Layout\nleft=10\ntop=25\nright=10\nbottom=10\nrolledheight=25\n"
                     "minimumwidth=100\nminimumheight=50\ntitlebar=0,0,-1,25\nscrollbar=-10,25,-1,10\n"
                     "minimumthumbtrackheight=15\n\n"});
    {
        SkinElement e = SkinElement::Make(ElementKind::Layout);
        e.group = "rolled";
        SkinLayout& l = *e.As<SkinLayout>();
        l.name = "Small";
        l.titlebar = {P(5, PlacementMode::Middle, 3), P(1, PlacementMode::TLScrollbar),
                      P(50, PlacementMode::Percent), 20};
        l.usescrollbar = true;
        l.scrollbar = {P(-12), P(30, PlacementMode::Sides, 9), P(-2), 12};
        l.scrollbardrawwidthminimum = 1;
        l.scrollbardrawwidthmaximum = 2;
        l.scrollbardrawheightminimum = 3;
        l.scrollbardrawheightmaximum = 4;
        cases.push_back({"layout, every line", e,
                         "[settings]\nname=Small\ngroup=rolled\nleft=10\ntop=25\nright=10\nbottom=10\n"
                         "rolledheight=25\nminimumwidth=100\nminimumheight=50\ntitlebar=m5,1,50%,20\n"
                         "usescrollbar=1\nscrollbar=-12,30,-2,12\nminimumthumbtrackheight=15\n"
                         "scrollbardrawwidthminimum=1\nscrollbardrawwidthmaximum=2\n"
                         "scrollbardrawheightminimum=3\nscrollbardrawheightmaximum=4\n\n"});
    }
    return cases;
}

} // namespace

TEST(SkinWriter, EmptyDocumentIsTheHeaderAndTwoBlankLines) {
    const SkinDocument document;
    EXPECT_EQ(WrittenText(document), kDefaultHeader + "\n");
}

TEST(SkinWriter, HeaderWithEveryOptionalLine) {
    SkinDocument d;
    d.settings.skinname = "Sky";
    d.settings.notes = "line one\r\nline two";
    d.settings.authorname = "Ann";
    d.settings.authoremail = "ann@example.org";
    d.settings.authorurl = "http://example.org/";
    d.settings.version = 3; // always written as 12
    d.settings.transparent = MakeColour(255, 0, 255);
    d.settings.region = MakeColour(1, 2, 3);
    d.settings.drawonrtfbg = true;
    d.settings.titletooltip = 0;
    d.settings.tooltipfontname = "Sans";
    d.settings.selectedborderwidth = 2;
    d.settings.selectedborderdashlength1 = 5;
    d.settings.selectedborderdashlength2 = 6;
    d.settings.selectedborderdashcolour1 = MakeColour(0, 0, 255);
    d.settings.selectedborderdashcolour2 = MakeColour(0, 255, 0);
    d.settings.stackfilename = "stack.ini";
    d.settings.mode = 1;
    d.settings.defaultstyle = "0|1|2";
    d.layout.top = 30;
    d.layout.bottom = -1;
    d.layout.left = 4;
    d.layout.right = 5;
    d.layout.rolledheight = 22;
    d.layout.minimumwidth = 120;
    d.layout.minimumheight = 60;
    d.layout.minimumthumbtrackheight = 9;
    d.layout.titlebar = {P(0, PlacementMode::BRScrollbar, 4), P(2), P(-1, PlacementMode::Middle, -4), 18};
    d.layout.usescrollbar = true;
    d.layout.scrollbar = {P(-8), P(25, PlacementMode::Percent), P(-1), 8};
    d.layout.scrollbardrawheightminimum = 100;

    EXPECT_EQ(WrittenText(d, "C:\\skins\\sub/sky.png"),
              "skinname=Sky\nnotes=line one^Mline two\nauthorname=Ann\nauthoremail=ann@example.org\n"
              "authorurl=http://example.org/\nversion=12\n"
              "top=30\nbottom=-1\nleft=4\nright=5\nrolledheight=22\n"
              "bitmap=sky.png\n"
              "transparent=255,0,255\nregion=1,2,3\n"
              "minimumwidth=120\nminimumheight=60\nminimumthumbtrackheight=9\n"
              "titlebar=0,2,m-1,18\n"
              "titletooltip=0\n"
              "usescrollbar=1\ndrawonrtfbg=1\n"
              "scrollbar=-8,25%,-1,8\n"
              "scrollbardrawheightminimum=100\n"
              "tooltipfontname=Sans\ntooltipfontsize=-1\n"
              "selectedborderwidth=2\nselectedborderdashlength1=5\nselectedborderdashlength2=6\n"
              "selectedborderdashcolour1=16711680\nselectedborderdashcolour2=65280\n"
              "stackfilename=stack.ini\nmode=stack\ndefaultstyle=0|1|2\n\n\n");
}

TEST(SkinWriter, SectionOfEachKindWithOptionalLinesOnAndOff) {
    for (const SectionCase& c : SectionCases()) {
        SkinDocument d;
        d.Append(c.element);
        EXPECT_EQ(WrittenText(d), kDefaultHeader + c.expected + "\n") << c.label;
    }
}

TEST(SkinWriter, SectionsFollowInListOrder) {
    SkinDocument d;
    d.Append(SkinElement::Make(ElementKind::Group));
    d.Append(SkinElement()); // an entry without a kind writes nothing
    d.Append(SkinElement::Make(ElementKind::Button));
    const QString text = WrittenText(d);
    EXPECT_TRUE(text.endsWith("match=all\n\n[button]\nname=Button\n"
                              "place=0,0\nsource=0,0\nsourcerollover=-1,-1\nsourcealpha=-1,-1\n"
                              "sourcerolloveralpha=-1,-1\nsize=0x0\n\n\n"))
        << text.toStdString();
}

TEST(SkinWriter, BytesAreLittleEndianUtf16WithoutCarriageReturns) {
    SkinDocument d;
    d.settings.skinname = QStringLiteral("€é");
    const QByteArray bytes = SkinFileBytes(d, QString());
    EXPECT_TRUE(bytes.startsWith(QByteArray("\xFF\xFEs\0k\0i\0n\0n\0a\0m\0e\0=\0\xAC\x20\xE9\0\n\0", 26)));
    EXPECT_FALSE(bytes.contains(QByteArray("\r\0", 2)));
    EXPECT_TRUE(bytes.endsWith(QByteArray("\n\0\n\0\n\0", 6)));
}

TEST(SkinWriter, LineBreaksInsideValuesCannotStartNewLines) {
    SkinDocument d;
    d.settings.skinname = "two\nlines";
    d.settings.authorname = "a\r\nb";
    d.settings.notes = "x\r\ny\nz\rw";
    SkinElement text = SkinElement::Make(ElementKind::Text);
    text.group = "g\nh";
    text.As<TextRecord>()->name = "n\r";
    text.As<TextRecord>()->text = "hello\n[button]\naction=close";
    text.As<TextRecord>()->font = "f\nont";
    d.Append(text);
    SkinElement group = SkinElement::Make(ElementKind::Group);
    group.As<GroupRecord>()->rules = {{"Ti\ntle", "is\r", "\nv"}};
    d.Append(group);

    const QString written = WrittenText(d, "pic\n.png");
    EXPECT_TRUE(written.contains("\nskinname=two lines\n") || written.startsWith("skinname=two lines\n"));
    for (const char* line :
         {"\nauthorname=a  b\n", "\nnotes=x^My^Mz^Mw\n", "\nbitmap=pic .png\n", "\nname=n \ngroup=g h\n",
          "\ntext=hello [button] action=close\n", "\nfont=f ont\n", "\nrule=Ti tle,is , v\n"})
        EXPECT_TRUE(written.contains(QString::fromUtf8(line))) << line;
    EXPECT_FALSE(written.contains(u'\r'));

    SkinDocument back;
    ReadSkinText(back, written);
    ASSERT_EQ(back.elements.size(), 2u);
    EXPECT_EQ(back.elements[0].As<TextRecord>()->text, "hello [button] action=close");
    EXPECT_EQ(back.elements[0].group, "g h");
    EXPECT_EQ(back.settings.notes, "x\r\ny\r\nz\r\nw");
}

TEST(SkinWriter, SavesAndReplacesTheFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("skin.ini");
    ASSERT_TRUE(WriteBytes(path, QByteArray(5000, 'x')));
    SkinDocument d;
    d.settings.skinname = "new";
    QString error = "untouched";
    ASSERT_TRUE(WriteSkinFile(d, path, "a/b.png", &error));
    EXPECT_EQ(error, "untouched");
    EXPECT_EQ(ReadBytes(path), SkinFileBytes(d, "b.png"));
}

TEST(SkinWriter, FailedSaveReportsAndLeavesTheOldFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());

    // A folder that does not exist: nothing can be created.
    const QString missing = dir.filePath("no/such/folder/skin.ini");
    QString error;
    EXPECT_FALSE(WriteSkinFile(SkinDocument(), missing, QString(), &error));
    EXPECT_TRUE(error.startsWith("Error saving " + missing + ": ")) << error.toStdString();
    EXPECT_GT(error.size(), QString("Error saving " + missing + ": ").size());
    EXPECT_FALSE(QFile::exists(missing));
}
