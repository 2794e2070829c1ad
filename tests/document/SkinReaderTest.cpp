#include "document/SkinReader.h"
#include "document/PlacementText.h"
#include "document/SkinDocument.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

SkinDocument Read(const QString& text) {
    SkinDocument d;
    ReadSkinText(d, text);
    return d;
}

const ButtonRecord* FirstButton(const SkinDocument& d) {
    return d.elements.empty() ? nullptr : d.elements[0].As<ButtonRecord>();
}

Placement P(int value, PlacementMode mode = PlacementMode::Sides, int offset = 0) {
    return {value, mode, offset};
}

struct ReadCase {
    const char* label;
    QString text;
    std::function<void(const SkinDocument&)> check;
};

// The document holds one button, of this name.
void ExpectOneButton(const SkinDocument& d, const QString& name) {
    ASSERT_EQ(d.elements.size(), 1u);
    ASSERT_TRUE(FirstButton(d));
    EXPECT_EQ(FirstButton(d)->name, name);
}

void RunCases(const std::vector<ReadCase>& cases) {
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.label);
        c.check(Read(c.text));
    }
}

} // namespace

TEST(SkinReader, LinesSectionsAndComments) {
    RunCases({
        {"header in capitals and with leading blanks", " \t[BUTTON]\nname=b\n",
         [](const SkinDocument& d) { ExpectOneButton(d, "b"); }},
        {"header with a trailing blank is no header", "[button] \nname=b\ntop=7\n",
         [](const SkinDocument& d) {
             EXPECT_TRUE(d.elements.empty());
             EXPECT_EQ(d.layout.top, 7);
         }},
        {"a second header while an entry is open is ignored", "[button]\n[text]\nname=b\ntext=hi\nsize=3x4\n",
         [](const SkinDocument& d) {
             ASSERT_EQ(d.elements.size(), 1u);
             EXPECT_EQ(FirstButton(d)->name, "b");
             EXPECT_EQ(FirstButton(d)->size, (BoxSize{3, 4}));
         }},
        {"blank and white-space lines close the entry",
         "[button]\nname=a\n \t\n[text]\nname=t\n\n\n[group]\n",
         [](const SkinDocument& d) {
             ASSERT_EQ(d.elements.size(), 3u);
             EXPECT_EQ(d.elements[0].Kind(), ElementKind::Button);
             EXPECT_EQ(d.elements[1].Kind(), ElementKind::Text);
             EXPECT_EQ(d.elements[1].Name(), "t");
             EXPECT_EQ(d.elements[2].Kind(), ElementKind::Group);
         }},
        {"every header opens its kind",
         "[hstrip]\n\n[vstrip]\n\n[indicator]\n\n[tilearea]\n\n[settings]\n\n[group]\n\n[other]\n\n",
         [](const SkinDocument& d) {
             ASSERT_EQ(d.elements.size(), 6u);
             const ElementKind kinds[] = {ElementKind::HStrip,   ElementKind::VStrip, ElementKind::Indicator,
                                          ElementKind::TileArea, ElementKind::Layout, ElementKind::Group};
             for (size_t i = 0; i < 6; ++i)
                 EXPECT_EQ(d.elements[i].Kind(), kinds[i]);
             EXPECT_EQ(*d.elements[4].As<SkinLayout>(), SkinLayout());
         }},
        {"comments neither close nor set", "[button]\n  #name=x\n#\nname=y\n",
         [](const SkinDocument& d) { ExpectOneButton(d, "y"); }},
        {"text after the last LF is not read", "[button]\nname=a\nname=b",
         [](const SkinDocument& d) { ExpectOneButton(d, "a"); }},
        {"CR before LF is dropped, trailing blanks are kept", "[button]\r\nname= a b \r\r\n",
         [](const SkinDocument& d) { ExpectOneButton(d, " a b "); }},
        {"keys match by prefix with their = and without case",
         "[button]\nNAME=up\nnameX=no\nsourcealpha=5,6\nSOURCE=1,2\nname =no\n",
         [](const SkinDocument& d) {
             const ButtonRecord* b = FirstButton(d);
             ASSERT_TRUE(b);
             EXPECT_EQ(b->name, "up");
             EXPECT_EQ(b->source, (SourcePoint{1, 2}));
             EXPECT_EQ(b->sourcealpha, (SourcePoint{5, 6}));
         }},
        {"element keys outside any section are ignored", "name=x\nsize=1x1\n",
         [](const SkinDocument& d) { EXPECT_TRUE(d.elements.empty()); }},
    });
}

TEST(SkinReader, PlacementText) {
    const struct {
        const char* text;
        Placement expected;
    } cases[] = {
        {"12", P(12)},
        {"-5", P(-5)},
        {"m-10", P(-10, PlacementMode::Middle)},
        {"M3", P(3, PlacementMode::Middle)},
        {"50%", P(50, PlacementMode::Percent)},
        {"tl3", P(3, PlacementMode::TLScrollbar)},
        {"TL3", P(3, PlacementMode::TLScrollbar)},
        {"Br0", P(0, PlacementMode::BRScrollbar)},
        {"sc-4", P(-4, PlacementMode::CenterScrollbar)},
        {"50%&-3", P(50, PlacementMode::Percent, -3)},
        {"m7&2&9", P(7, PlacementMode::Middle, 2)},
        {"&5", P(0, PlacementMode::Sides, 5)},
        {"m50%", P(0, PlacementMode::Percent)}, // one mode only; "m50" has no leading digits
        {" 8", P(8)},
        {"x", P(0)},
        {"", P(0)},
        {"99999999999", P(2147483647)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParsePlacement(QString::fromUtf8(c.text)), c.expected) << c.text;
        if (QString::fromUtf8(c.text) == PlacementText(c.expected))
            continue;
        // Whatever the input, the written form reads back to the same placement.
        EXPECT_EQ(ParsePlacement(PlacementText(c.expected)), c.expected) << c.text;
    }
}

TEST(SkinReader, ModesAndOffsetsEachFieldKeeps) {
    RunCases({
        {"place on a button keeps all modes", "[button]\nplace=tl5&1,sc2\n",
         [](const SkinDocument& d) {
             EXPECT_EQ(FirstButton(d)->place, (PlacePair{P(5, PlacementMode::TLScrollbar, 1),
                                                         P(2, PlacementMode::CenterScrollbar)}));
         }},
        {"place on an indicator drops scroll-bar modes", "[indicator]\nplace=tl5,5\n",
         [](const SkinDocument& d) {
             EXPECT_EQ(d.elements[0].As<IndicatorRecord>()->place, (PlacePair{P(5), P(5)}));
         }},
        {"place with percent offset and middle", "[text]\nplace=50%&-3,m10\n",
         [](const SkinDocument& d) {
             EXPECT_EQ(d.elements[0].As<TextRecord>()->place,
                       (PlacePair{P(50, PlacementMode::Percent, -3), P(10, PlacementMode::Middle)}));
         }},
        {"hstrip extent keeps the offset, not the scroll-bar mode",
         "[hstrip]\nextent=br-3&2,7\nplace=br1,m2&1\n",
         [](const SkinDocument& d) {
             const HStripRecord* h = d.elements[0].As<HStripRecord>();
             EXPECT_EQ(h->extent, (BandExtent{P(-3, PlacementMode::Sides, 2), 7}));
             EXPECT_EQ(h->place, (PlacePair{P(1), P(2, PlacementMode::Middle, 1)}));
         }},
        {"vstrip keeps every mode", "[vstrip]\nextent=4,br-3&2\nplace=tl1,sc2\n",
         [](const SkinDocument& d) {
             const VStripRecord* v = d.elements[0].As<VStripRecord>();
             EXPECT_EQ(v->extent, (ColumnExtent{4, P(-3, PlacementMode::BRScrollbar, 2)}));
             EXPECT_EQ(v->place,
                       (PlacePair{P(1, PlacementMode::TLScrollbar), P(2, PlacementMode::CenterScrollbar)}));
         }},
        {"tile-area corners drop offsets and scroll-bar modes",
         "[tilearea]\ntopleft=m5&3,tl2\nbottomright=-1&1,90%&2\n",
         [](const SkinDocument& d) {
             const TileAreaRecord* t = d.elements[0].As<TileAreaRecord>();
             EXPECT_EQ(t->topleft, (PlacePair{P(5, PlacementMode::Middle), P(2)}));
             EXPECT_EQ(t->bottomright, (PlacePair{P(-1), P(90, PlacementMode::Percent)}));
         }},
        {"title bar drops the offset", "titlebar=0,0,-1&4,25\n",
         [](const SkinDocument& d) {
             EXPECT_EQ(d.layout.titlebar, (TitleBarBlock{P(0), P(0), P(-1), 25}));
         }},
        {"scroll bar: three placements and the rest", "scrollbar=m-8,tl20,10%,12,13\n",
         [](const SkinDocument& d) {
             EXPECT_EQ(d.layout.scrollbar, (ScrollBarBlock{P(-8, PlacementMode::Middle), P(20),
                                                           P(10, PlacementMode::Percent), 12}));
         }},
        {"short title bar leaves missing parts at zero", "titlebar=3\n",
         [](const SkinDocument& d) {
             EXPECT_EQ(d.layout.titlebar, (TitleBarBlock{P(3), P(0), P(0), 0}));
         }},
    });
}

TEST(SkinReader, ValueForms) {
    RunCases({
        {"pairs, sizes and leading numbers",
         "[button]\nsource=12abc,-3x\nsourcealpha=7\nsize=10x20x30\ndrawwidthminimum= +15px\n",
         [](const SkinDocument& d) {
             const ButtonRecord* b = FirstButton(d);
             EXPECT_EQ(b->source, (SourcePoint{12, -3}));
             EXPECT_EQ(b->sourcealpha, (SourcePoint{7, 0}));
             EXPECT_EQ(b->size, (BoxSize{10, 20}));
             EXPECT_EQ(b->drawwidthminimum, 15);
         }},
        {"colour triples are cut to eight bits", "transparent=256,257,-1\nregion=1,2\n",
         [](const SkinDocument& d) {
             EXPECT_EQ(d.settings.transparent, MakeColour(0, 1, 255));
             EXPECT_EQ(d.settings.region, MakeColour(1, 2, 0));
         }},
        {"flags are true only for exactly 1",
         "[button]\ndrawrolled=1\ndrawunrolled=true\ndrawfocus=1 \nconditionvalue=true\n",
         [](const SkinDocument& d) {
             const ButtonRecord* b = FirstButton(d);
             EXPECT_TRUE(b->drawrolled);
             EXPECT_FALSE(b->drawunrolled);
             EXPECT_FALSE(b->drawfocus);
             EXPECT_FALSE(b->conditionvalue);
         }},
        {"a later flag line clears", "[button]\ndrawrolled=1\ndrawrolled=0\n",
         [](const SkinDocument& d) { EXPECT_FALSE(FirstButton(d)->drawrolled); }},
        {"keywords",
         "[button]\naction=Close\ncondition=ONTOP\n\n[button]\naction=closeall\ncondition=none\n\n"
         "[indicator]\ntype=null\n\n[indicator]\ntype=Sync\n",
         [](const SkinDocument& d) {
             ASSERT_EQ(d.elements.size(), 4u);
             const ButtonRecord* a = d.elements[0].As<ButtonRecord>();
             const ButtonRecord* b = d.elements[1].As<ButtonRecord>();
             EXPECT_EQ(a->action, 1);
             EXPECT_EQ(a->condition, 1);
             EXPECT_TRUE(a->conditionset);
             EXPECT_EQ(b->action, 0);
             EXPECT_EQ(b->condition, -1);
             EXPECT_TRUE(b->conditionset);
             EXPECT_EQ(d.elements[2].As<IndicatorRecord>()->type, -1);
             EXPECT_EQ(d.elements[3].As<IndicatorRecord>()->type, 20);
         }},
    });
}

TEST(SkinReader, SkinWideAndLayoutKeys) {
    RunCases({
        {"skin-wide keys apply inside a section; the version is kept as read",
         "[button]\nskinname=Sky \nnotes=a^Mb^M\nversion=11\nmode=STACK\nbitmap=x.png\n",
         [](const SkinDocument& d) {
             ASSERT_EQ(d.elements.size(), 1u);
             EXPECT_EQ(d.settings.skinname, "Sky ");
             EXPECT_EQ(d.settings.notes, "a\r\nb\r\n");
             EXPECT_EQ(d.settings.version, 11);
             EXPECT_EQ(d.settings.mode, 1);
             EXPECT_EQ(d.bitmap, "x.png");
         }},
        {"mode other than stack is a note skin", "mode=stack\nmode=stacked\n",
         [](const SkinDocument& d) { EXPECT_EQ(d.settings.mode, 0); }},
        {"drawonrtfbg=1 and usescrollbar=1 match by prefix like every key",
         "drawonrtfbg=1abc\nusescrollbar=10\n",
         [](const SkinDocument& d) {
             EXPECT_TRUE(d.settings.drawonrtfbg);
             EXPECT_TRUE(d.layout.usescrollbar);
         }},
        {"a trailing blank after the 1 still sets them", "DrawOnRtfBg=1 \nUseScrollBar=1 \n",
         [](const SkinDocument& d) {
             EXPECT_TRUE(d.settings.drawonrtfbg);
             EXPECT_TRUE(d.layout.usescrollbar);
         }},
        {"in a Layout element too; other values set nothing",
         "drawonrtfbg=01\nusescrollbar= 1\n[settings]\nusescrollbar=1 \n\n[settings]\nusescrollbar=true\n",
         [](const SkinDocument& d) {
             ASSERT_EQ(d.elements.size(), 2u);
             EXPECT_FALSE(d.settings.drawonrtfbg);
             EXPECT_FALSE(d.layout.usescrollbar);
             EXPECT_TRUE(d.elements[0].As<SkinLayout>()->usescrollbar);
             EXPECT_FALSE(d.elements[1].As<SkinLayout>()->usescrollbar);
         }},
        {"whole-line flags in capitals; a 0 does not clear",
         "DrawOnRtfBg=1\ndrawonrtfbg=0\n  USESCROLLBAR=1\n",
         [](const SkinDocument& d) {
             EXPECT_TRUE(d.settings.drawonrtfbg);
             EXPECT_TRUE(d.layout.usescrollbar);
         }},
        {"layout keys go to the open layout, else to the default one",
         "[settings]\ntop=1\nusescrollbar=1\nname=L\n\n[button]\nleft=2\n\nminimumwidth=4\n",
         [](const SkinDocument& d) {
             ASSERT_EQ(d.elements.size(), 2u);
             const SkinLayout& own = *d.elements[0].As<SkinLayout>();
             EXPECT_EQ(own.top, 1);
             EXPECT_TRUE(own.usescrollbar);
             EXPECT_EQ(own.name, "L");
             EXPECT_EQ(d.layout.top, 25);
             EXPECT_FALSE(d.layout.usescrollbar);
             EXPECT_EQ(d.layout.name, "Layout");
             EXPECT_EQ(d.layout.left, 2);
             EXPECT_EQ(d.layout.minimumwidth, 4);
         }},
    });
}

TEST(SkinReader, ElementKeysPerKind) {
    RunCases({
        {"text keys and format words",
         "[text]\nfont=Serif\ncol=1,2,3\npoint=12\ntext=Hi %TITLE%\nsetcase=1\nalignment=RIGHT\n"
         "format=x,Bold,italic,underline,transparent,yes_aa\nsource=5,5\nsize=9x9\n",
         [](const SkinDocument& d) {
             const TextRecord& t = *d.elements[0].As<TextRecord>();
             EXPECT_EQ(t.font, "Serif");
             EXPECT_EQ(t.col, MakeColour(1, 2, 3));
             EXPECT_EQ(t.point, 12);
             EXPECT_EQ(t.text, "Hi %TITLE%");
             EXPECT_EQ(t.setcase, 1);
             EXPECT_EQ(t.alignment, 2);
             EXPECT_FALSE(t.bold); // case counts in format words
             EXPECT_TRUE(t.italic);
             EXPECT_TRUE(t.underline);
             EXPECT_TRUE(t.transparent);
             EXPECT_EQ(t.antialias, 2);
             TextRecord defaults;
             defaults.font = t.font;
             defaults.col = t.col;
             defaults.point = t.point;
             defaults.text = t.text;
             defaults.setcase = 1;
             defaults.alignment = 2;
             defaults.italic = defaults.underline = defaults.transparent = true;
             defaults.antialias = 2;
             EXPECT_EQ(t, defaults) << "keys of other kinds change nothing";
         }},
        {"alignment words",
         "[text]\nalignment=middle\n\n[text]\nalignment=right\nalignment=left\n\n"
         "[text]\nformat=no_aa\n",
         [](const SkinDocument& d) {
             EXPECT_EQ(d.elements[0].As<TextRecord>()->alignment, 1);
             EXPECT_EQ(d.elements[1].As<TextRecord>()->alignment, 2);
             EXPECT_EQ(d.elements[2].As<TextRecord>()->antialias, 0);
         }},
        {"groups: name keeps case, member group is lowered, rules split at two commas",
         "[group]\nname=MyGroup\nenabled=0\nmatch=All\nrule=Title,contains,a,b\nrule=Rolled\n\n"
         "[button]\ngroup=MyGroup\n",
         [](const SkinDocument& d) {
             const GroupRecord& g = *d.elements[0].As<GroupRecord>();
             EXPECT_EQ(g.name, "MyGroup");
             EXPECT_FALSE(g.enabled);
             EXPECT_FALSE(g.match);
             ASSERT_EQ(g.rules.size(), 2u);
             EXPECT_EQ(g.rules[0], (GroupRule{"Title", "contains", "a,b"}));
             EXPECT_EQ(g.rules[1], (GroupRule{"Rolled", "", ""}));
             EXPECT_EQ(d.elements[1].group, "mygroup");
         }},
        {"match all only for exactly all", "[group]\nmatch=one\nmatch=all\n",
         [](const SkinDocument& d) { EXPECT_TRUE(d.elements[0].As<GroupRecord>()->match); }},
    });
}

TEST(SkinReader, KeysOfOlderSkins) {
    const SkinDocument d = Read("[button]\nname=close\n\n[button]\nname=Roll\n\n[text]\nname=title\n\n"
                                "[group]\nname=close\n\n"
                                "rolled=CLOSE,Roll,title\nnormal=title\nfocus=nothing,close\n"
                                "[button]\nname=late\n\nrolled=late\n");
    ASSERT_EQ(d.elements.size(), 5u);
    const DrawableCommon* close = d.elements[0].Common();
    const DrawableCommon* roll = d.elements[1].Common();
    const DrawableCommon* title = d.elements[2].Common();
    EXPECT_TRUE(close->drawrolled);
    EXPECT_FALSE(close->drawunrolled);
    EXPECT_TRUE(close->drawfocus);
    EXPECT_FALSE(roll->drawrolled) << "a name with capitals never matches";
    EXPECT_TRUE(title->drawrolled);
    EXPECT_TRUE(title->drawunrolled);
    EXPECT_FALSE(title->drawfocus);
    // The key before the late button's section left it alone; the one after it acts.
    EXPECT_TRUE(d.elements[4].Common()->drawrolled);

    const SkinDocument early = Read("rolled=b\n[button]\nname=b\n");
    EXPECT_FALSE(early.elements[0].Common()->drawrolled);

    // A name holding commas matches the same run of items; an empty item matches an empty name.
    const SkinDocument commas = Read("[text]\nname=a,b\n\n[text]\nname=b,c\n\n[text]\nname=\n\n"
                                     "[text]\nname=a\n\nnormal=x,A,B,y\nfocus=,\nrolled=b\n");
    ASSERT_EQ(commas.elements.size(), 4u);
    EXPECT_TRUE(commas.elements[0].Common()->drawunrolled);
    EXPECT_FALSE(commas.elements[1].Common()->drawunrolled);
    EXPECT_TRUE(commas.elements[3].Common()->drawunrolled) << "a is one item of the list";
    EXPECT_TRUE(commas.elements[2].Common()->drawfocus);
    EXPECT_FALSE(commas.elements[0].Common()->drawfocus);
    EXPECT_FALSE(commas.elements[0].Common()->drawrolled);
}

TEST(SkinReader, ReadingReplacesAllButNameAndPicture) {
    SkinDocument d;
    d.displayname = "shown";
    d.pngsource = false;
    d.bitmap = "old.png";
    d.Append(SkinElement::Make(ElementKind::Button));
    d.settings.skinname = "old";
    d.settings.drawonrtfbg = true;
    d.layout.top = 99;
    ReadSkinText(d, "[text]\n");
    EXPECT_EQ(d.displayname, "shown");
    EXPECT_FALSE(d.pngsource);
    EXPECT_TRUE(d.bitmap.isEmpty());
    ASSERT_EQ(d.elements.size(), 1u);
    EXPECT_EQ(d.elements[0].Kind(), ElementKind::Text);
    EXPECT_EQ(d.settings, SkinSettings());
    EXPECT_EQ(d.layout, SkinLayout());
}
