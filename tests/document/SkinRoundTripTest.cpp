#include "document/ActionCodes.h"
#include "document/PlacementText.h"
#include "document/SkinDocument.h"
#include "document/SkinReader.h"
#include "document/SkinWriter.h"
#include "DocumentTestSupport.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>

namespace {

// Random documents over the whole range of every field, then what a save and a load are allowed to
// change about them.
class Generator {
public:
    explicit Generator(unsigned seed) : m_random(seed) {}

    SkinDocument Document() {
        SkinDocument d;
        SkinSettings& s = d.settings;
        s.authorname = Text();
        s.authoremail = Text();
        s.authorurl = Text();
        s.skinname = Text();
        s.notes = Notes();
        s.version = Int();
        s.defaultstyle = Text();
        s.tooltipfontsize = Int();
        s.tooltipfontname = Text();
        s.stackfilename = Text();
        s.mode = Pick(3); // 2 is no mode the file knows
        s.transparent = Chance() ? kNoColour : ColourValue();
        s.region = Chance() ? kNoColour : ColourValue();
        s.drawonrtfbg = Chance();
        s.titletooltip = Int();
        s.selectedborderwidth = Int();
        s.selectedborderdashlength1 = Int();
        s.selectedborderdashlength2 = Int();
        s.selectedborderdashcolour1 = Int();
        s.selectedborderdashcolour2 = Int();
        d.layout = Layout();
        const int count = Pick(25);
        for (int i = 0; i < count; ++i)
            d.Append(Element());
        return d;
    }

    QString ImageName() {
        static const char* const kFolders[] = {"", "C:\\skins\\", "/home/a/", "x/y\\", "a\\b/"};
        return QString::fromLatin1(kFolders[Pick(5)]) + Text();
    }

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    bool Chance() { return Pick(2) == 1; }
    int Int() {
        switch (Pick(5)) {
        case 0:
            return -1;
        case 1:
            return Pick(3) == 0 ? INT_MIN : INT_MAX;
        case 2:
            return Pick(2000) - 1000;
        default:
            return std::uniform_int_distribution<int>(INT_MIN, INT_MAX)(m_random);
        }
    }
    Colour ColourValue() { return MakeColour(Pick(256), Pick(256), Pick(256)); }
    QString Text() {
        // Commas, "=", "%", "&", "#", brackets, blanks, non-Latin text and line breaks (which become blanks).
        static const char16_t kChars[] = u"abcXYZ019 ,=%&#[]\t-_.é€漢\r\n";
        const int length = Pick(3) == 0 ? 0 : Pick(12);
        QString text;
        for (int i = 0; i < length; ++i)
            text += QChar(kChars[Pick(static_cast<int>(std::size(kChars)) - 1)]);
        return text;
    }
    QString RuleWord() {
        QString word = Text();
        word.remove(u',');
        return word;
    }
    QString Notes() {
        QString notes;
        const int lines = Pick(4);
        for (int i = 0; i < lines; ++i)
            notes += (i ? QStringLiteral("\r\n") : QString()) + Text();
        return notes;
    }
    Placement Place() { return {Int(), static_cast<PlacementMode>(Pick(6)), Chance() ? 0 : Int()}; }
    PlacePair Pair() { return {Place(), Place()}; }
    SourcePoint Point() { return {Int(), Int()}; }
    BoxSize Size() { return {Int(), Int()}; }

    SkinLayout Layout() {
        SkinLayout l;
        l.name = Text();
        l.minimumwidth = Int();
        l.minimumheight = Int();
        l.top = Int();
        l.bottom = Int();
        l.left = Int();
        l.right = Int();
        l.rolledheight = Int();
        l.titlebar = {Place(), Place(), Place(), Int()};
        l.scrollbardrawwidthminimum = Int();
        l.scrollbardrawwidthmaximum = Int();
        l.scrollbardrawheightminimum = Int();
        l.scrollbardrawheightmaximum = Int();
        l.usescrollbar = Chance();
        l.minimumthumbtrackheight = Int();
        l.scrollbar = {Place(), Place(), Place(), Int()};
        return l;
    }

    void Common(DrawableCommon& c) {
        c.name = Text();
        c.drawrolled = Chance();
        c.drawunrolled = Chance();
        c.drawfocus = Chance();
        c.conditionset = Chance();
        c.condition = Pick(24) - 2;
        c.conditionvalue = Chance();
        c.drawwidthminimum = Int();
        c.drawwidthmaximum = Int();
        c.drawheightminimum = Int();
        c.drawheightmaximum = Int();
    }

    SkinElement Element() {
        const int kind = Pick(9);
        SkinElement e = kind == 0 ? SkinElement() : SkinElement::Make(static_cast<ElementKind>(kind));
        e.group = Text();
        if (auto* r = e.As<ButtonRecord>()) {
            Common(*r);
            r->place = Pair();
            r->size = Size();
            r->action = Pick(192) - 1;
            r->source = Point();
            r->sourcealpha = Point();
            r->sourcerollover = Point();
            r->sourcerolloveralpha = Point();
            r->pointerover = Chance();
        } else if (auto* r = e.As<HStripRecord>()) {
            Strip(*r);
            r->extent = {Place(), Int()};
            r->width = Int();
        } else if (auto* r = e.As<VStripRecord>()) {
            Strip(*r);
            r->extent = {Int(), Place()};
            r->height = Int();
        } else if (auto* r = e.As<TextRecord>()) {
            Common(*r);
            r->place = Pair();
            r->extent = {Place(), Int()};
            r->text = Text();
            r->font = Text();
            r->col = ColourValue();
            r->point = Int();
            r->bold = Chance();
            r->italic = Chance();
            r->underline = Chance();
            r->transparent = Chance();
            r->antialias = Pick(4);
            r->alignment = Pick(4);
            r->setcase = Int();
        } else if (auto* r = e.As<IndicatorRecord>()) {
            Common(*r);
            r->place = Pair();
            r->size = Size();
            r->type = Pick(23) - 1;
            r->source = Point();
            r->sourceoff = Point();
            r->sourcealpha = Point();
            r->sourceoffalpha = Point();
        } else if (auto* r = e.As<TileAreaRecord>()) {
            Common(*r);
            r->topleft = Pair();
            r->bottomright = Pair();
            r->source = Point();
            r->sourcealpha = Point();
            r->size = Size();
            r->tiletype = Int();
            r->solidcol = ColourValue();
        } else if (auto* r = e.As<GroupRecord>()) {
            r->name = Text();
            r->enabled = Chance();
            r->match = Chance();
            for (int i = Pick(4); i > 0; --i)
                r->rules.push_back({RuleWord(), RuleWord(), Text()});
        } else if (auto* r = e.As<SkinLayout>()) {
            *r = Layout();
        }
        return e;
    }

    template <class R> void Strip(R& r) {
        Common(r);
        r.place = Pair();
        r.source = Point();
        r.sourcealpha = Point();
        r.startcol = ColourValue();
        r.endcol = ColourValue();
        r.solidcol = ColourValue();
        r.alpha = Int();
        r.striptype = Int();
    }

    std::mt19937 m_random;
};

QString OneLine(QString text) {
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

// Every line break of the notes, also a lone CR or LF, comes back as CR LF.
QString ExpectedNotes(const QString& notes) {
    QString out;
    for (qsizetype i = 0; i < notes.size(); ++i) {
        if (notes[i] == u'\r' || notes[i] == u'\n') {
            if (notes[i] == u'\r' && i + 1 < notes.size() && notes[i + 1] == u'\n')
                ++i;
            out += QStringLiteral("\r\n");
        } else {
            out += notes[i];
        }
    }
    return out;
}

PlacePair Kept(PlacePair p, bool scrollbarModes, bool offset) {
    return {KeptPlacement(p.x, scrollbarModes, offset), KeptPlacement(p.y, scrollbarModes, offset)};
}

template <class Block> void KeepBlock(Block& b) {
    b.left = KeptPlacement(b.left, false, false);
    b.top = KeptPlacement(b.top, false, false);
    if constexpr (std::is_same_v<Block, TitleBarBlock>)
        b.right = KeptPlacement(b.right, false, false);
    else
        b.bottom = KeptPlacement(b.bottom, false, false);
}

void ExpectedLayout(SkinLayout& l) {
    l.name = OneLine(l.name);
    KeepBlock(l.titlebar);
    KeepBlock(l.scrollbar);
}

void ExpectedCommon(DrawableCommon& c) {
    c.name = OneLine(c.name);
    if (!c.conditionset) {
        c.condition = -1;
        c.conditionvalue = true;
    } else if (c.condition < 1 || c.condition > 20) {
        c.condition = -1;
    }
}

// What the document is after a save and a load: the losses of the file format, and line breaks of
// single-line values turned into blanks.
SkinDocument Expected(SkinDocument d, const QString& imageName) {
    SkinSettings& s = d.settings;
    for (QString* text : {&s.authorname, &s.authoremail, &s.authorurl, &s.skinname, &s.defaultstyle,
                          &s.tooltipfontname, &s.stackfilename})
        *text = OneLine(*text);
    s.notes = ExpectedNotes(s.notes);
    s.version = 12;
    if (s.tooltipfontname.isEmpty())
        s.tooltipfontsize = -1;
    if (s.mode != 1)
        s.mode = 0;
    const qsizetype slash = std::max(imageName.lastIndexOf(u'/'), imageName.lastIndexOf(u'\\'));
    d.bitmap = OneLine(imageName.sliced(slash + 1));
    const QString defaultLayoutName = SkinLayout().name;
    ExpectedLayout(d.layout);
    d.layout.name = defaultLayoutName;

    std::vector<SkinElement> kept;
    for (SkinElement e : d.elements) {
        if (e.Kind() == ElementKind::Blank)
            continue;
        e.group = e.Kind() == ElementKind::Group ? QString() : OneLine(e.group).toLower();
        if (DrawableCommon* c = e.Common())
            ExpectedCommon(*c);
        if (auto* r = e.As<ButtonRecord>()) {
            if (ActionKeyword(r->action).isEmpty())
                r->action = 0;
            r->pointerover = false;
        } else if (auto* r = e.As<HStripRecord>()) {
            r->place = Kept(r->place, false, true);
            r->extent.right = KeptPlacement(r->extent.right, false, true);
        } else if (auto* r = e.As<TextRecord>()) {
            r->place = Kept(r->place, false, true);
            r->extent.right = KeptPlacement(r->extent.right, false, true);
            r->text = OneLine(r->text);
            r->font = OneLine(r->font);
            if (r->antialias != 0 && r->antialias != 2)
                r->antialias = 1;
            if (r->alignment < 0 || r->alignment > 2)
                r->alignment = 0;
        } else if (auto* r = e.As<IndicatorRecord>()) {
            r->place = Kept(r->place, false, true);
            if (r->type < 1 || r->type > 20)
                r->type = -1;
        } else if (auto* r = e.As<TileAreaRecord>()) {
            r->topleft = Kept(r->topleft, false, false);
            r->bottomright = Kept(r->bottomright, false, false);
        } else if (auto* r = e.As<GroupRecord>()) {
            r->name = OneLine(r->name);
            for (GroupRule& rule : r->rules)
                rule = {OneLine(rule.field), OneLine(rule.op), OneLine(rule.value)};
        } else if (auto* r = e.As<SkinLayout>()) {
            ExpectedLayout(*r);
        }
        kept.push_back(e);
    }
    d.elements = kept;
    return d;
}

void ExpectSameDocument(const SkinDocument& actual, const SkinDocument& expected) {
    EXPECT_EQ(actual.settings, expected.settings);
    EXPECT_EQ(actual.layout, expected.layout);
    EXPECT_EQ(actual.bitmap, expected.bitmap);
    ASSERT_EQ(actual.elements.size(), expected.elements.size());
    for (size_t i = 0; i < actual.elements.size(); ++i)
        EXPECT_EQ(actual.elements[i], expected.elements[i]) << "element " << i;
}

} // namespace

TEST(SkinRoundTrip, GeneratedDocumentsReadBackAsWritten) {
    for (unsigned seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE(seed);
        Generator generate(seed);
        const SkinDocument original = generate.Document();
        const QString imageName = generate.ImageName();
        const QByteArray bytes = SkinFileBytes(original, imageName);

        SkinDocument back;
        back.displayname = "kept";
        ReadSkinText(back, SkinFileText(bytes));
        ExpectSameDocument(back, Expected(original, imageName));
        EXPECT_EQ(back.displayname, "kept");

        // What was read back is stable under another save and load.
        SkinDocument again;
        ReadSkinText(again, SkinFileText(SkinFileBytes(back, back.bitmap)));
        ExpectSameDocument(again, back);
        if (HasFailure())
            break;
    }
}

TEST(SkinRoundTrip, HandWrittenFlagLinesSurviveASave) {
    SkinDocument read;
    ReadSkinText(read, "DrawOnRtfBg=1 \nusescrollbar=10\n[settings]\nname=L\nUseScrollBar=1abc\n");
    const QString saved = SkinFileText(SkinFileBytes(read, QString()));
    EXPECT_EQ(saved.count(QStringLiteral("usescrollbar=1\n")), 2) << qPrintable(saved);
    EXPECT_TRUE(saved.contains(QStringLiteral("drawonrtfbg=1\n"))) << qPrintable(saved);
}
