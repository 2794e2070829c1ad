#include "document/SkinCheck.h"
#include "CheckMessages.h"
#include "document/NoteState.h"
#include "document/SkinDocument.h"

#include <climits>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

static void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

// Borders at their lowest quiet values: the check of this skin is empty in both modes.
SkinDocument CleanSkin() {
    SkinDocument d;
    d.ResetSettings();
    d.settings.skinname = "Clean";
    d.layout.left = d.layout.right = d.layout.bottom = 3;
    d.layout.top = d.layout.rolledheight = 25;
    return d;
}

struct Case {
    const char* what;
    std::function<void(SkinDocument&)> change;
    QString sticky; // report in sticky skin mode
    QString stack;  // report in stack skin mode
};

} // namespace

TEST(SkinCheck, SkinRulesAtAndBesideTheirLimits) {
    const auto layout = [](auto set) { return [set](SkinDocument& d) { set(d.layout); }; };
    const auto url = [](const char* u) { return [u](SkinDocument& d) { d.settings.authorurl = u; }; };
    const auto region = [](int r, int g, int b) {
        return [r, g, b](SkinDocument& d) { d.settings.region = MakeColour(r, g, b); };
    };
    const Case cases[] = {
        {"clean", [](SkinDocument&) {}, "", ""},
        {"top equal to rolled height", layout([](SkinLayout& l) { l.top = l.rolledheight = 30; }), "", ""},
        {"top one below rolled height", layout([](SkinLayout& l) { l.top = 24; }), E1, E1},
        {"no name", [](SkinDocument& d) { d.settings.skinname.clear(); }, E2, E2},
        {"empty url", url(""), "", ""},
        {"HTTPS in capitals", url("HTTPS://example.org"), "", ""},
        {"bare http", url("http"), "", ""},
        {"www", url("www.example.org"), E3, E3},
        {"shorter than http", url("htt"), E3, E3},
        {"ftp", url("ftp://example.org"), E3, E3},
        {"sides equal to minimum width", layout([](SkinLayout& l) { l.left = l.right = 50; }), E4, ""},
        {"sides one below minimum width", layout([](SkinLayout& l) { l.left = 50, l.right = 49; }), "", ""},
        {"gaps equal to minimum height", layout([](SkinLayout& l) { l.top = l.rolledheight = 47; }), E5, ""},
        {"gaps one below minimum height", layout([](SkinLayout& l) { l.top = l.rolledheight = 46; }), "", ""},
        {"title bar 0 high", layout([](SkinLayout& l) { l.titlebar.height = 0; }), E6, E6},
        {"title bar 1 high", layout([](SkinLayout& l) { l.titlebar.height = 1; }), "", ""},
        {"region grey", region(192, 192, 192), W7, W7},
        {"region white", region(255, 255, 255), W7, W7},
        {"region of mixed common parts", region(0, 64, 127), W7, W7},
        {"region 128", region(128, 128, 128), W7, W7},
        {"region one off", region(192, 192, 193), "", ""},
        {"region 63", region(63, 64, 64), "", ""},
        {"rolled height 6", layout([](SkinLayout& l) { l.rolledheight = 6; }), "", ""},
        {"rolled height 5", layout([](SkinLayout& l) { l.rolledheight = 5; }), W8, ""},
        {"left 2", layout([](SkinLayout& l) { l.left = 2; }), W9, W9},
        {"right 2", layout([](SkinLayout& l) { l.right = 2; }), W10, W10},
        {"bottom 2", layout([](SkinLayout& l) { l.bottom = 2; }), W11, W11},
        {"minimum width 100", layout([](SkinLayout& l) { l.minimumwidth = 100; }), "", ""},
        {"minimum width 99", layout([](SkinLayout& l) { l.minimumwidth = 99; }), W12, W12},
        {"minimum height 50", layout([](SkinLayout& l) { l.minimumheight = 50; }), "", ""},
        {"minimum height 49", layout([](SkinLayout& l) { l.minimumheight = 49; }), W13, W13},
        // Signed comparisons: "not set" values are numbers like any other.
        {"negative rolled height", layout([](SkinLayout& l) { l.rolledheight = -1, l.top = 0; }), W8, ""},
        {"negative minimum width", layout([](SkinLayout& l) { l.minimumwidth = -1; }), E4 + W12, W12},
        // Sides that overflow a 32-bit sum still cover the whole minimum width.
        {"huge sides", layout([](SkinLayout& l) { l.left = l.right = l.minimumwidth = INT_MAX; }), E4, ""},
        {"everything at once",
         [](SkinDocument& d) {
             d.settings.skinname.clear();
             d.settings.authorurl = "www";
             d.settings.region = MakeColour(0, 0, 0);
             SkinLayout& l = d.layout;
             l.top = 0, l.rolledheight = 1, l.left = l.right = l.bottom = 0;
             l.minimumwidth = l.minimumheight = 0, l.titlebar.height = 0;
         },
         E1 + E2 + E3 + E4 + E5 + E6 + W7 + W8 + W9 + W10 + W11 + W12 + W13,
         E1 + E2 + E3 + E6 + W7 + W9 + W10 + W11 + W12 + W13},
    };
    for (const Case& c : cases) {
        SkinDocument d = CleanSkin();
        c.change(d);
        EXPECT_EQ(SkinCheck(d, NoteState(), false), c.sticky) << c.what;
        EXPECT_EQ(SkinCheck(d, NoteState(), true), c.stack) << c.what;
    }
}

namespace {

SkinElement Element(ElementKind kind, const QString& name, std::function<void(SkinElement&)> set = {}) {
    SkinElement e = SkinElement::Make(kind);
    e.SetName(name);
    if (set)
        set(e);
    return e;
}

void Condition(SkinElement& e, int code, bool set = true) {
    e.Common()->conditionset = set;
    e.Common()->condition = code;
}

} // namespace

TEST(SkinCheck, StackElementRules) {
    const auto button = [](int action, int condition, bool set = true) {
        return Element(ElementKind::Button, "B", [=](SkinElement& e) {
            e.As<ButtonRecord>()->action = action;
            Condition(e, condition, set);
        });
    };
    const auto text = [](const QString& value, int condition = 1) {
        return Element(ElementKind::Text, "T", [=](SkinElement& e) {
            e.As<TextRecord>()->text = value;
            Condition(e, condition);
        });
    };
    const auto indicator = [](int type, int condition, bool set = true) {
        return Element(ElementKind::Indicator, "I", [=](SkinElement& e) {
            e.As<IndicatorRecord>()->type = type;
            Condition(e, condition, set);
        });
    };
    const auto withCondition = [](ElementKind kind, const QString& name, int condition) {
        return Element(kind, name, [=](SkinElement& e) { Condition(e, condition); });
    };
    struct ElementCase {
        const char* what;
        SkinElement element;
        QString report;
    };
    const QString badButton = "WARN: Button 'B' uses an invalid indicator for a stack.\n";
    const QString badAction = "WARN: Button 'B' uses an invalid action for a stack.\n";
    const QString badIndicator = "WARN: Indicator 'I' uses an invalid indicator for a stack.\n";
    const auto placeholder = [](const char* p) {
        return QStringLiteral("WARN: Text 'T' uses %1 which is invalid for a stack.\n").arg(p);
    };
    const ElementCase cases[] = {
        {"allowed button", button(152, 16), ""},
        {"every allowed state and action", button(34, 18), ""},
        {"button state not allowed", button(0, 4), badButton},
        {"condition switched off is not read", button(0, 4, false), ""},
        {"action not allowed", button(3, 1), badAction},
        {"action tested without a condition", button(3, 4, false), badAction},
        {"both", button(4, 2), badButton + badAction},
        {"condition of no state", button(0, -1), badButton},
        {"hstrip", withCondition(ElementKind::HStrip, "H", 7),
         "WARN: HStrip 'H' uses an invalid indicator for a stack.\n"},
        {"vstrip", withCondition(ElementKind::VStrip, "V", 13),
         "WARN: VStrip 'V' uses an invalid indicator for a stack.\n"},
        {"tile area", withCondition(ElementKind::TileArea, "A", 20),
         "WARN: Tile area 'A' uses an invalid indicator for a stack.\n"},
        {"allowed strip", withCondition(ElementKind::HStrip, "H", 17), ""},
        {"stack name", text("%STACKNAME% (%SOURCE%)"), ""},
        {"title in lower case", text("%title%"), ""},
        {"title", text("My %TITLE%"), placeholder("%TITLE%")},
        {"placeholders in table order",
         text("%LASTSEND% %USERSTRING1% %MODIFIED% %ALARM% %CREATION% %TITLE%"),
         placeholder("%TITLE%") + placeholder("%CREATION%") + placeholder("%ALARM%") +
             placeholder("%MODIFIED%") + placeholder("%USERSTRING1%") + placeholder("%LASTSEND%")},
        {"placeholder named twice is one finding", text("%ALARM%%ALARM%"), placeholder("%ALARM%")},
        {"text condition first", text("%ALARM%", 10),
         "WARN: Text 'T' uses an invalid indicator for a stack.\n" + placeholder("%ALARM%")},
        {"allowed indicator", indicator(5, 17), ""},
        {"indicator of a bad state", indicator(4, 1), badIndicator},
        {"indicator with a bad condition", indicator(1, 4), badIndicator},
        {"indicator failing both is named twice", indicator(4, 4), badIndicator + badIndicator},
        {"indicator of no state", indicator(-1, 4, false), badIndicator},
        {"new indicator", indicator(0, 1), badIndicator},
        {"group", Element(ElementKind::Group, "G"), ""},
        {"layout", Element(ElementKind::Layout, "L"), ""},
    };
    for (const ElementCase& c : cases) {
        SkinDocument d = CleanSkin();
        d.Append(c.element);
        EXPECT_EQ(SkinCheck(d, NoteState(), true), c.report) << c.what;
        EXPECT_EQ(SkinCheck(d, NoteState(), false), "") << c.what;
    }
}

TEST(SkinCheck, ElementsInDocumentOrderAfterTheSkinRules) {
    SkinDocument d = CleanSkin();
    d.settings.skinname.clear();
    d.Append(
        Element(ElementKind::Text, "Second", [](SkinElement& e) { e.As<TextRecord>()->text = "%TITLE%"; }));
    d.Append(Element(ElementKind::Button, "First", [](SkinElement& e) { e.As<ButtonRecord>()->action = 3; }));
    EXPECT_EQ(SkinCheck(d, NoteState(), true),
              E2 + "WARN: Text 'Second' uses %TITLE% which is invalid for a stack.\n" +
                  "WARN: Button 'First' uses an invalid action for a stack.\n");
}

TEST(SkinCheck, ReadsTheLayoutActiveInTheState) {
    SkinDocument d = CleanSkin();
    SkinElement narrow = Element(ElementKind::Group, "narrow");
    narrow.As<GroupRecord>()->rules = {{"Width", "is less than", "200"}};
    d.Append(narrow);
    SkinElement layout = Element(ElementKind::Layout, "Narrow layout");
    layout.group = "narrow";
    SkinLayout& l = *layout.As<SkinLayout>();
    l.left = l.right = l.bottom = 3;
    l.top = 20;
    l.rolledheight = 22;
    l.minimumwidth = 80;
    d.Append(layout);

    NoteState wide;
    wide.width = 300;
    NoteState thin = wide;
    thin.width = 150;
    EXPECT_EQ(SkinCheck(d, wide, false), "");
    EXPECT_EQ(SkinCheck(d, thin, false), E1 + W12);
    // The check changes nothing it reads.
    const SkinDocument before = d;
    SkinCheck(d, thin, true);
    EXPECT_EQ(d.elements, before.elements);
    EXPECT_EQ(d.layout, before.layout);
    EXPECT_EQ(d.settings, before.settings);
}
