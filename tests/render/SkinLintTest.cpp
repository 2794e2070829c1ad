#include "render/SkinLint.h"
#include "document/SkinDocument.h"
#include "support/EncodedImage.h"

#include <QImage>
#include <functional>
#include <gtest/gtest.h>
#include <initializer_list>
#include <ostream>

static void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

// A picture with an alpha plane, clear but for the given rectangles.
void GivePicture(SkinDocument& d, int width, int height, std::initializer_list<CanvasRect> visible = {}) {
    ASSERT_TRUE(d.image.Create(width, height, 24, kImagePng));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            d.image.SetAlpha(x, y, 0);
    for (const CanvasRect& r : visible)
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                d.image.SetAlpha(x, y, 255);
    d.pngsource = true;
}

// Drawn unrolled, so that only what a test sets up makes a finding.
SkinElement& Add(SkinDocument& d, ElementKind kind, const QString& name, const QString& group = {}) {
    SkinElement e = SkinElement::Make(kind);
    e.SetName(name);
    e.group = group;
    if (DrawableCommon* c = e.Common())
        c->drawunrolled = true;
    d.Append(std::move(e));
    return d.elements.back();
}

SkinElement& AddGroup(SkinDocument& d, const QString& name, std::vector<GroupRule> rules = {},
                      bool all = true) {
    SkinElement& g = Add(d, ElementKind::Group, name);
    g.As<GroupRecord>()->rules = std::move(rules);
    g.As<GroupRecord>()->match = all;
    return g;
}

ButtonRecord& AddButton(SkinDocument& d, SourcePoint source, int w = 8, int h = 8, const QString& name = "B",
                        const QString& group = {}) {
    ButtonRecord& b = *Add(d, ElementKind::Button, name, group).As<ButtonRecord>();
    b.source = source;
    b.size = {w, h};
    return b;
}

QString Messages(const LintReport& report) {
    QStringList lines;
    for (const LintFinding& f : report.findings)
        lines << f.message;
    return lines.join('\n');
}

using Build = std::function<void(SkinDocument&)>;

// An 8 by 8 button drawn from the given sources.
Build Button(SourcePoint source, SourcePoint rollover = {}, SourcePoint alpha = {}, int w = 8, int h = 8) {
    return [=](SkinDocument& d) {
        ButtonRecord& b = AddButton(d, source, w, h);
        b.sourcerollover = rollover;
        b.sourcealpha = alpha;
    };
}

template <class R> Build Element(ElementKind kind, const QString& name, std::function<void(R&)> set) {
    return [=](SkinDocument& d) { set(*Add(d, kind, name).As<R>()); };
}

struct Case {
    const char* what;
    Build build;
    QString report;
};

void RunCases(std::initializer_list<Case> cases, int pictureWidth = 32, int pictureHeight = 16) {
    for (const Case& c : cases) {
        SkinDocument d;
        d.elements.reserve(16);
        GivePicture(d, pictureWidth, pictureHeight);
        c.build(d);
        const LintReport report = LintSkin(d);
        EXPECT_EQ(Messages(report), c.report) << c.what;
        EXPECT_FALSE(report.pictureMissing) << c.what;
    }
}

QString Outside(const QString& element, const char* field, const char* at, const char* size) {
    return QStringLiteral("%1 (element 0): %2 %3 with size %4 runs outside the 32x16 picture")
        .arg(element, field, at, size);
}

} // namespace

TEST(SkinLint, SourcesTheElementDrawsMustLieInThePicture) {
    const auto indicator = [](int type, SourcePoint off) {
        return Element<IndicatorRecord>(ElementKind::Indicator, "I", [=](IndicatorRecord& i) {
            i.type = type;
            i.size = {8, 8};
            i.source = {30, 0};
            i.sourceoff = off;
        });
    };
    const auto tiles = [](int type) {
        return Element<TileAreaRecord>(ElementKind::TileArea, "A", [type](TileAreaRecord& a) {
            a.tiletype = type;
            a.size = {8, 8};
            a.source = {28, 8};
        });
    };
    const auto hstrip = [](int type, int width, int height, SourcePoint source) {
        return Element<HStripRecord>(ElementKind::HStrip, "H", [=](HStripRecord& s) {
            s.striptype = type;
            s.width = width;
            s.extent.height = height;
            s.source = source;
        });
    };
    const QString b = "Button 'B'";
    RunCases({
        {"inside to the last pixel", Button({24, 8}), ""},
        {"past the right edge", Button({25, 0}), Outside(b, "source", "25,0", "8x8")},
        {"past the bottom", Button({0, 9}), Outside(b, "source", "0,9", "8x8")},
        {"left of the picture", Button({-2, 0}), Outside(b, "source", "-2,0", "8x8")},
        {"rollover", Button({0, 0}, {30, 0}), Outside(b, "sourcerollover", "30,0", "8x8")},
        {"unset rollover", Button({0, 0}, {-1, 90}), ""},
        {"alpha sources are not drawn from", Button({0, 0}, {}, {30, 30}), ""},
        {"indicator of a state", indicator(5, {0, 12}),
         Outside("Indicator 'I'", "source", "30,0", "8x8") + "\n" +
             Outside("Indicator 'I'", "sourceoff", "0,12", "8x8")},
        {"indicator of no state shows its off picture only", indicator(0, {0, 0}), ""},
        {"horizontal strip: its width by the band's height", hstrip(0, 8, 10, {0, 8}),
         Outside("HStrip 'H'", "source", "0,8", "8x10")},
        {"fade strip draws no picture", hstrip(1, 0, 0, {90, 90}), ""},
        {"vertical strip: the column's width by its height",
         Element<VStripRecord>(ElementKind::VStrip, "V",
                               [](VStripRecord& s) {
                                   s.extent.width = 10;
                                   s.height = 8;
                                   s.source = {24, 0};
                               }),
         Outside("VStrip 'V'", "source", "24,0", "10x8")},
        {"tiles of a picture", tiles(1), Outside("Tile area 'A'", "source", "28,8", "8x8")},
        {"solid tiles draw no picture", tiles(0), ""},
        {"no width", Button({0, 0}, {}, {}, 0, 8),
         "Button 'B' (element 0): source 0,0 has an empty size 0x8"},
        {"negative height, outside too: empty is the finding", Button({40, 0}, {}, {}, 8, -1),
         "Button 'B' (element 0): source 40,0 has an empty size 8x-1"},
        {"a new button has no size yet", [](SkinDocument& d) { Add(d, ElementKind::Button, "Button"); },
         "Button 'Button' (element 0): source 0,0 has an empty size 0x0"},
        {"strip without length", hstrip(0, 0, 4, {0, 0}),
         "HStrip 'H' (element 0): source 0,0 has an empty size 0x4"},
    });
}

TEST(SkinLint, GroupsAndNames) {
    RunCases({
        {"a group differing in case: unknown, unused and never drawn",
         [](SkinDocument& d) {
             AddGroup(d, "Hover");
             AddButton(d, {0, 0}, 8, 8, "Close", "hover");
         },
         "Group 'Hover' (element 0) is named by no element\n"
         "Button 'Close' (element 1) names group 'hover', which does not exist; group 'Hover' differs only "
         "in "
         "letter case\n"
         "Button 'Close' (element 1) is drawn in none of the 9 states tried"},
        {"no such group", [](SkinDocument& d) { Add(d, ElementKind::Layout, "L", "wide"); },
         "Layout 'L' (element 0) names group 'wide', which does not exist"},
        {"a group named by a layout is used",
         [](SkinDocument& d) {
             AddGroup(d, "wide");
             Add(d, ElementKind::Layout, "L", "wide");
         },
         ""},
        {"same name, same kind",
         [](SkinDocument& d) {
             AddButton(d, {0, 0}, 8, 8, "Close");
             AddButton(d, {0, 0}, 8, 8, "Close");
             AddButton(d, {0, 0}, 8, 8, "close");
             AddButton(d, {0, 0}, 8, 8, "Close");
         },
         "Button 'Close' (element 1) has the same name as element 0\n"
         "Button 'Close' (element 3) has the same name as element 0"},
        {"same name, other kind",
         [](SkinDocument& d) {
             AddButton(d, {0, 0}, 8, 8, "Close");
             Add(d, ElementKind::Text, "Close");
         },
         ""},
        {"two groups of one name: the first decides nothing",
         [](SkinDocument& d) {
             AddGroup(d, "g");
             AddGroup(d, "g");
             AddButton(d, {0, 0}, 8, 8, "Member", "g");
         },
         "Group 'g' (element 1) has the same name as element 0"},
    });
}

TEST(SkinLint, NeverDrawnInTheStatesTried) {
    const auto button = [](SkinDocument& d, std::function<void(DrawableCommon&)> set = {},
                           const QString& group = {}) {
        ButtonRecord& b = AddButton(d, {0, 0}, 8, 8, "B", group);
        if (set)
            set(b);
    };
    const auto condition = [](int code, bool value = true) {
        return [=](DrawableCommon& c) {
            c.conditionset = true;
            c.condition = code;
            c.conditionvalue = value;
        };
    };
    // A button in a group "g" of the rules.
    const auto inGroup = [=](std::vector<GroupRule> rules, bool all = true) -> Build {
        return [=](SkinDocument& d) {
            AddGroup(d, "g", rules, all);
            button(d, {}, "g");
        };
    };
    const QString never9 = "Button 'B' (element %1) is drawn in none of the 9 states tried";
    RunCases({
        {"drawn in neither roll state",
         [&](SkinDocument& d) { button(d, [](DrawableCommon& c) { c.drawunrolled = false; }); },
         never9.arg(0)},
        {"rolled only",
         [&](SkinDocument& d) {
             button(d, [](DrawableCommon& c) { c.drawunrolled = false, c.drawrolled = true; });
         },
         ""},
        {"focus only", [&](SkinDocument& d) { button(d, [](DrawableCommon& c) { c.drawfocus = true; }); },
         ""},
        {"a flag the condition reads", [&](SkinDocument& d) { button(d, condition(10)); }, ""},
        {"a condition of no state", [&](SkinDocument& d) { button(d, condition(-1)); }, never9.arg(0)},
        {"two flags at once are never tried",
         [&](SkinDocument& d) {
             AddGroup(d, "g", {{"User 2", "is", "true"}});
             button(d, condition(10), "g");
         },
         "Button 'B' (element 1) is drawn in none of the 15 states tried"},
        {"a flag of the group's rules, one of two",
         inGroup({{"Alarm set", "is", "true"}, {"Bulk selected", "is", "true"}}, false), ""},
        {"the light background flag set the other way", inGroup({{"BG colour is light", "is", "false"}}), ""},
        {"a scroll bar the layout's limits take away",
         [&](SkinDocument& d) {
             d.layout.scrollbardrawwidthmaximum = 10;
             button(d, condition(13));
         },
         "Button 'B' (element 0) is drawn in none of the 12 states tried"},
        {"a scroll bar within the limits", [&](SkinDocument& d) { button(d, condition(13)); }, ""},
        {"width up to three times the minimum",
         [&](SkinDocument& d) { button(d, [](DrawableCommon& c) { c.drawwidthminimum = 300; }); }, ""},
        {"wider than three times the minimum",
         [&](SkinDocument& d) { button(d, [](DrawableCommon& c) { c.drawwidthminimum = 301; }); },
         never9.arg(0)},
        {"smaller than 300 by 100 at the minimum size", inGroup({{"Width", "is less than", "101"}}), ""},
        {"a text rule sees the start values", inGroup({{"Title", "contains", "plan"}}), never9.arg(1)},
        {"a disabled group",
         [&](SkinDocument& d) {
             AddGroup(d, "g").As<GroupRecord>()->enabled = false;
             button(d, {}, "g");
         },
         never9.arg(1)},
        {"the minimum size of the layout active in the changed state",
         [&](SkinDocument& d) {
             AddGroup(d, "big", {{"User 3", "is", "true"}});
             Add(d, ElementKind::Layout, "Big", "big").As<SkinLayout>()->minimumwidth = 900;
             button(d, [&](DrawableCommon& c) {
                 condition(12)(c);
                 c.drawwidthminimum = 2700;
             });
         },
         ""},
        {"without that layout",
         [&](SkinDocument& d) {
             button(d, [&](DrawableCommon& c) {
                 condition(12)(c);
                 c.drawwidthminimum = 2700;
             });
         },
         "Button 'B' (element 0) is drawn in none of the 12 states tried"},
    });
}

TEST(SkinLint, StartValuesFollowTheSkinsMode) {
    for (const int mode : {0, 1}) {
        SkinDocument d;
        GivePicture(d, 8, 8);
        d.settings.mode = mode;
        AddGroup(d, "pile", {{"Stack count", "is greater than", "2"}});
        AddButton(d, {0, 0}, 8, 8, "Count", "pile");
        EXPECT_EQ(Messages(LintSkin(d)),
                  mode == 1 ? "" : "Button 'Count' (element 1) is drawn in none of the 9 states tried");
    }
}

namespace {

QString Area(int l, int t, int r, int b) {
    return QStringLiteral("Picture area %1,%2 to %3,%4 has visible pixels that no source rectangle covers")
        .arg(l)
        .arg(t)
        .arg(r)
        .arg(b);
}

} // namespace

TEST(SkinLint, UncoveredAreasMergeCellsRowByRow) {
    struct AreaCase {
        const char* what;
        std::initializer_list<CanvasRect> visible;
        std::function<void(SkinDocument&)> build;
        QString report;
    };
    // A 40 by 20 picture: five columns of cells, the third row of cells 4 pixels high.
    const AreaCase cases[] = {
        {"nothing visible", {}, {}, ""},
        {"equal runs of two rows merge; a shorter run below starts anew",
         {{9, 3, 10, 4}, {22, 0, 23, 1}, {12, 12, 13, 13}, {16, 15, 17, 16}, {39, 7, 40, 8}, {8, 19, 9, 20}},
         {},
         Area(8, 0, 24, 16) + "\n" + Area(32, 0, 40, 8) + "\n" + Area(8, 16, 16, 20)},
        {"one pixel of a source rectangle covers its cell",
         {{8, 0, 24, 16}},
         [](SkinDocument& d) {
             AddButton(d, {23, 15}, 1, 1);
         },
         Area(8, 0, 24, 8) + "\n" + Area(8, 8, 16, 16)},
        {"alpha sources and unused sources cover too",
         {{0, 0, 40, 8}},
         [](SkinDocument& d) {
             AddButton(d, {0, 0}).sourcealpha = {8, 0};
             HStripRecord& s = *Add(d, ElementKind::HStrip, "Fade").As<HStripRecord>();
             s.striptype = 1;
             s.width = 8;
             s.extent.height = 8;
             s.source = {32, 0};
         },
         Area(16, 0, 32, 8)},
        {"cells beside each other in a row merge across the picture",
         {{0, 16, 40, 20}},
         {},
         Area(0, 16, 40, 20)},
    };
    for (const AreaCase& c : cases) {
        SkinDocument d;
        GivePicture(d, 40, 20, c.visible);
        if (c.build)
            c.build(d);
        const LintReport report = LintSkin(d);
        EXPECT_EQ(Messages(report), c.report) << c.what;
        for (const LintFinding& f : report.findings) {
            EXPECT_EQ(f.kind, LintKind::UncoveredArea) << c.what;
            EXPECT_EQ(f.element, -1);
            EXPECT_TRUE(f.name.isEmpty());
            ASSERT_TRUE(f.rect.has_value());
            EXPECT_EQ(f.message, Area(f.rect->left, f.rect->top, f.rect->right, f.rect->bottom));
        }
    }
}

TEST(SkinLint, AtMostFiftyAreasThenHowManyMore) {
    SkinDocument d;
    // Sixty visible cells with a clear cell between each two.
    ASSERT_TRUE(d.image.Create(960, 8, 24, kImagePng));
    for (int x = 0; x < 960; ++x)
        for (int y = 0; y < 8; ++y)
            d.image.SetAlpha(x, y, (x / 8) % 2 == 0 ? 1 : 0);
    const LintReport report = LintSkin(d);
    ASSERT_EQ(report.findings.size(), 51u);
    EXPECT_EQ(report.findings[49].message, Area(784, 0, 792, 8));
    EXPECT_EQ(report.findings[50].message, "10 more uncovered picture areas are not listed");
    EXPECT_FALSE(report.findings[50].rect.has_value());
    EXPECT_EQ(report.findings[50].kind, LintKind::UncoveredArea);
}

TEST(SkinLint, VisiblePixelsOfEachKindOfPicture) {
    const Colour key = MakeColour(255, 0, 255);
    struct PictureCase {
        const char* what;
        std::function<void(SkinDocument&)> make;
        QString report;
    };
    const PictureCase cases[] = {
        {"no alpha and no transparent colour tells nothing",
         [](SkinDocument& d) { ASSERT_TRUE(d.image.Create(16, 8, 24, kImagePng)); }, ""},
        {"a transparent colour",
         [key](SkinDocument& d) {
             ASSERT_TRUE(d.image.Create(16, 8, 24, kImagePng));
             for (int x = 0; x < 16; ++x)
                 for (int y = 0; y < 8; ++y)
                     d.image.SetPixelColour(x, y, x == 12 ? MakeColour(255, 0, 254) : key);
             d.image.SetTransparentColour(key);
         },
         Area(8, 0, 16, 8)},
        {"a transparent palette index",
         [](SkinDocument& d) {
             ASSERT_TRUE(d.image.Create(16, 8, 8, kImagePng));
             d.image.SetPixelIndex(3, 3, 2);
             d.image.SetTransparentColour(0);
         },
         Area(0, 0, 8, 8)},
        {"a keyed picture",
         [key](SkinDocument& d) {
             QImage picture(16, 8, QImage::Format_RGB32);
             picture.fill(QColor(255, 0, 255));
             picture.setPixelColor(9, 1, QColor(0, 0, 0));
             ASSERT_TRUE(d.keyed.Decode(EncodedImage(picture, "BMP")));
             d.settings.transparent = key;
             d.keyed.ApplyKey(key);
             d.pngsource = false;
         },
         Area(8, 0, 16, 8)},
        {"the region colour on a picture without alpha",
         [key](SkinDocument& d) {
             ASSERT_TRUE(d.image.Create(16, 8, 24, kImagePng));
             for (int x = 0; x < 16; ++x)
                 for (int y = 0; y < 8; ++y)
                     d.image.SetPixelColour(x, y, x == 3 && y == 5 ? MakeColour(255, 0, 254) : key);
             d.settings.region = key;
         },
         Area(0, 0, 8, 8)},
        {"the region colour on a keyed picture",
         [](SkinDocument& d) {
             QImage picture(16, 8, QImage::Format_RGB32);
             picture.fill(QColor(254, 0, 254));
             picture.setPixelColor(15, 7, QColor(0, 0, 0));
             ASSERT_TRUE(d.keyed.Decode(EncodedImage(picture, "BMP")));
             d.keyed.ApplyKey(kNoColour);
             d.settings.region = MakeColour(254, 0, 254);
             d.pngsource = false;
         },
         Area(8, 0, 16, 8)},
        {"a keyed picture without a key tells nothing",
         [](SkinDocument& d) {
             ASSERT_TRUE(d.keyed.Decode(EncodedImage(16, 8, Qt::black, "BMP")));
             d.pngsource = false;
         },
         ""},
    };
    for (const PictureCase& c : cases) {
        SkinDocument d;
        c.make(d);
        EXPECT_EQ(Messages(LintSkin(d)), c.report) << c.what;
    }
}

TEST(SkinLint, AMagentaKeyedSheetShowsItsUnusedPiecesAsAnAlphaSheetDoes) {
    // A 320 by 320 sheet of seven pieces on the region colour, two of them used; the same pieces on a
    // transparent sheet give the same findings.
    const CanvasRect pieces[] = {{8, 8, 72, 40},      {100, 8, 130, 300}, {160, 160, 224, 224},
                                 {240, 16, 300, 40},  {16, 200, 60, 216}, {0, 304, 320, 320},
                                 {250, 250, 260, 260}};
    const Colour magenta = MakeColour(254, 0, 254);
    std::vector<QString> reports;
    for (const bool alpha : {false, true}) {
        SkinDocument d;
        ASSERT_TRUE(d.image.Create(320, 320, 24, kImagePng));
        for (int y = 0; y < 320; ++y)
            for (int x = 0; x < 320; ++x)
                d.image.SetPixelColour(x, y, magenta);
        for (const CanvasRect& r : pieces)
            for (int y = r.top; y < r.bottom; ++y)
                for (int x = r.left; x < r.right; ++x)
                    d.image.SetPixelColour(x, y, MakeColour(x % 256, y % 256, 90));
        if (alpha) {
            for (int y = 0; y < 320; ++y)
                for (int x = 0; x < 320; ++x)
                    d.image.SetAlpha(x, y, d.image.PixelColour(x, y) == magenta ? 0 : 255);
        } else {
            d.settings.region = magenta;
        }
        AddButton(d, {8, 8}, 64, 32);
        AddButton(d, {100, 8}, 30, 292, "Tall");
        reports.push_back(Messages(LintSkin(d)));
    }
    EXPECT_EQ(reports[0].count('\n') + 1, 5) << reports[0].toStdString();
    EXPECT_EQ(reports[0], reports[1]);
}

TEST(SkinLint, WithoutAPictureOnlyItsFindingsAreSkipped) {
    SkinDocument d;
    d.image.Clear();
    AddButton(d, {500, 500});
    AddButton(d, {0, 0}, 0, 0, "Empty");
    const LintReport report = LintSkin(d);
    EXPECT_TRUE(report.pictureMissing);
    EXPECT_EQ(Messages(report), "Button 'Empty' (element 1): source 0,0 has an empty size 0x0");
}
