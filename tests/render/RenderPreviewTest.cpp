#include "render/RenderPreview.h"
#include "RenderTestSupport.h"
#include "document/SkinDocument.h"
#include "document/SkinLoader.h"
#include "picture/Canvas.h"

#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace {

constexpr Colour kNote = MakeColour(255, 255, 180);
constexpr Colour kMagenta = MakeColour(255, 0, 255);

NoteSettings Settings(int width = 300, int height = 100) {
    NoteSettings s;
    s.width = width;
    s.height = height;
    return s;
}

// A target of 400 x 200 puts a 300 x 100 note at (50, 50).
Canvas Preview(const SkinDocument& document, const NoteSettings& settings, const PreviewOptions& options = {},
               int width = 400, int height = 200) {
    Canvas target(width, height);
    RenderPreview(document, settings, options, target);
    return target;
}

Colour Background(int x, int y, int width = 400, int height = 200) {
    return PreviewBackground(width, height)->ColourAt(x, y);
}

// Marks the note's top-left and bottom-right corners with the region colour, and draws a 5-row solid
// strip of the pen colour at the top.
void AddRegionCorners(SkinDocument& document) {
    for (int corner = 0; corner < 2; ++corner) {
        SkinElement e = SkinElement::Make(ElementKind::TileArea);
        TileAreaRecord* t = e.As<TileAreaRecord>();
        t->drawunrolled = t->drawrolled = true;
        const int v = corner == 0 ? 0 : -4;
        t->topleft = {Placement{v}, Placement{v}};
        t->bottomright = {Placement{v + 3}, Placement{v + 3}};
        t->solidcol = kMagenta;
        document.Append(std::move(e));
    }
}

} // namespace

TEST(PreviewBackground, CheckerboardAndBackdrop) {
    const auto plain = PreviewBackground(1300, 900, 0, 0); // a backdrop of no size is not drawn
    const Colour white = MakeColour(255, 255, 255);
    const Colour grey = MakeColour(200, 200, 200);
    EXPECT_EQ(plain->ColourAt(0, 0), white);
    EXPECT_EQ(plain->ColourAt(15, 15), white);
    EXPECT_EQ(plain->ColourAt(16, 0), grey);
    EXPECT_EQ(plain->ColourAt(0, 16), grey);
    EXPECT_EQ(plain->ColourAt(16, 16), white);
    EXPECT_EQ(plain->ColourAt(1299, 899), grey);

    const auto natural = PreviewBackground(1300, 900);
    EXPECT_NE(natural->ColourAt(5, 5), white); // the backdrop covers the top-left 1200 x 800
    EXPECT_NE(natural->ColourAt(1199, 799), grey);
    EXPECT_EQ(natural->ColourAt(1200, 0), grey);
    EXPECT_EQ(natural->ColourAt(1216, 0), white);
    EXPECT_EQ(natural->ColourAt(0, 800), white);

    const auto small = PreviewBackground(300, 300, 100, 50);
    EXPECT_NE(small->ColourAt(99, 49), grey);
    EXPECT_EQ(small->ColourAt(100, 0), white);
    EXPECT_EQ(small->ColourAt(0, 50), grey);
}

TEST(RenderPreview, EmptySkinLooksLikeAPlainNote) {
    SkinDocument document;
    const Canvas preview = Preview(document, Settings());
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 400; ++x) {
            const bool inNote = x >= 50 && x < 350 && y >= 50 && y < 150;
            ASSERT_EQ(preview.ColourAt(x, y), inNote ? kNote : Background(x, y)) << x << "," << y;
        }
    }
}

TEST(RenderPreview, RegionColourShowsTheBackground) {
    SkinDocument document;
    AddRegionCorners(document);
    for (const bool cut : {true, false}) {
        document.settings.region = cut ? kMagenta : kNoColour;
        const Canvas preview = Preview(document, Settings());
        EXPECT_EQ(preview.ColourAt(50, 50), cut ? Background(50, 50) : kMagenta) << cut;
        EXPECT_EQ(preview.ColourAt(349, 149), cut ? Background(349, 149) : kMagenta) << cut;
        EXPECT_EQ(preview.ColourAt(54, 50), kNote) << cut;
    }
}

TEST(RenderPreview, RolledNoteShowsTheBackgroundBelow) {
    SkinDocument document; // rolled height 25, top border 25
    AddRegionCorners(document);
    NoteSettings settings = Settings();
    settings.rolled = true;
    const Canvas preview = Preview(document, settings);
    EXPECT_EQ(preview.ColourAt(60, 50), kNote);
    EXPECT_EQ(preview.ColourAt(60, 74), kNote);
    EXPECT_EQ(preview.ColourAt(60, 75), Background(60, 75)); // the text area is not filled
    EXPECT_EQ(preview.ColourAt(200, 149), Background(200, 149));
    EXPECT_EQ(preview.ColourAt(50, 50), kMagenta); // drawn while rolled; no region colour set
}

TEST(RenderPreview, TextAreaFillAndHighlights) {
    SkinDocument document;
    HStripRecord& h = AddDrawn<HStripRecord>(document, ElementKind::HStrip);
    h.place = {At(20), At(5)};
    h.extent = {At(29), 4}; // band 20 .. 30, drawn through 30
    h.striptype = 2;
    h.solidcol = MakeColour(0, 0, 0);
    document.layout.usescrollbar = true; // scroll range (-10, 25, -1, 10): x 290 .. 300, y 25 .. 100

    struct Case {
        const char* name;
        PreviewOptions options;
        Colour textArea;    // at note (100, 60)
        Colour titleBar;    // at note (100, 10)
        Colour scrollRange; // at note (295, 60)
        Colour leftBorder;  // at note (5, 60)
    };
    PreviewOptions plain;
    PreviewOptions areas;
    areas.highlightareas = true;
    PreviewOptions stack = areas;
    stack.stackmode = true;
    const Colour blue = MakeColour(0, 0, 255);
    const Colour green = MakeColour(0, 255, 0);
    const Case cases[] = {
        {"plain", plain, kNote, kNote, kNote, kNote},
        {"areas", areas, MakeColour(255, 0, 0), Tinted(green, kNote), Tinted(blue, kNote), kNote},
        // Stack mode: the border bands instead of the text area, which stays as the note left it.
        {"stack", stack, Background(150, 110), Tinted(blue, Tinted(green, kNote)),
         Tinted(blue, Tinted(blue, kNote)), Tinted(blue, kNote)},
    };
    for (const Case& c : cases) {
        const Canvas preview = Preview(document, Settings(), c.options);
        EXPECT_EQ(preview.ColourAt(150, 110), c.textArea) << c.name;
        EXPECT_EQ(preview.ColourAt(150, 60), c.titleBar) << c.name;
        EXPECT_EQ(preview.ColourAt(345, 110), c.scrollRange) << c.name;
        EXPECT_EQ(preview.ColourAt(55, 110), c.leftBorder) << c.name;
    }

    // The selected strip is outlined one column past its rectangle, as far as it was drawn.
    PreviewOptions selected;
    selected.highlightselected = true;
    selected.selectedelement = 0;
    const Colour magenta = MakeColour(255, 0, 255);
    Canvas preview = Preview(document, Settings(), selected);
    EXPECT_EQ(preview.ColourAt(70, 56), Tinted(magenta, MakeColour(0, 0, 0)));
    EXPECT_EQ(preview.ColourAt(80, 56), Tinted(magenta, kNote));
    EXPECT_EQ(preview.ColourAt(81, 56), kNote);
    EXPECT_EQ(preview.ColourAt(70, 59), kNote);
    selected.selectedelement = 5; // no such element
    preview = Preview(document, Settings(), selected);
    EXPECT_EQ(preview.ColourAt(80, 56), kNote);
}

TEST(RenderPreview, DrawOnTextBackgroundKeepsTheNotePaint) {
    SkinDocument document;
    TileAreaRecord& t = AddDrawn<TileAreaRecord>(document, ElementKind::TileArea);
    t.bottomright = {At(-1), At(-1)};
    t.solidcol = MakeColour(10, 20, 30);
    EXPECT_EQ(Preview(document, Settings()).ColourAt(150, 100), kNote);
    document.settings.drawonrtfbg = true;
    EXPECT_EQ(Preview(document, Settings()).ColourAt(150, 100), MakeColour(10, 20, 30));
}

// A note that gets no canvas (no height, rolled to nothing, past the canvas limit, absurd) paints none of
// its own elements, but the preview around it is built as always: the text-area fill and every highlight.
TEST(RenderPreview, NoteWithoutACanvasKeepsFillAndHighlights) {
    SkinDocument document;
    AddRegionCorners(document);
    document.settings.region = kMagenta;
    SkinElement button = SkinElement::Make(ElementKind::Button);
    button.As<ButtonRecord>()->place = {Placement{120}, Placement{2}};
    button.As<ButtonRecord>()->size = {10, 10};
    document.Append(std::move(button));
    document.layout.rolledheight = 0;

    PreviewOptions plain;
    PreviewOptions areas;
    areas.highlightareas = true;
    PreviewOptions selected;
    selected.highlightselected = true;
    selected.selectedelement = 2;
    PreviewOptions stack = areas;
    stack.stackmode = true;
    NoteSettings rolled = Settings(60, 40);
    rolled.rolled = true;
    const Colour green = MakeColour(0, 255, 0);
    const auto bg = [](int x, int y) { return Background(x, y, 64, 48); };
    const struct {
        const char* name;
        NoteSettings settings;
        PreviewOptions options;
        int x, y;
        Colour expected;
    } cases[] = {
        {"no height: title bar", Settings(300, 0), areas, 32, 30, Tinted(green, bg(32, 30))},
        {"no height: above the note", Settings(300, 0), areas, 32, 2, bg(32, 2)},
        {"no height: selected button", Settings(300, 0), selected, 5, 30, Tinted(kMagenta, bg(5, 30))},
        {"rolled to nothing: title bar", rolled, areas, 32, 10, Tinted(green, bg(32, 10))},
        {"rolled to nothing: no fill", rolled, plain, 32, 10, bg(32, 10)},
        {"past the limit: text area in the note colour", Settings(100000, 100000), plain, 32, 24, kNote},
        {"past the limit: text area highlighted", Settings(100000, 100000), areas, 32, 24,
         MakeColour(255, 0, 0)},
        {"past the limit: stack mode leaves it", Settings(100000, 100000), stack, 32, 24, bg(32, 24)},
        {"absurd width: title bar", Settings(2147483647, 1), areas, 32, 30, Tinted(green, bg(32, 30))},
        {"negative width: nothing to show", Settings(-50, 100), areas, 32, 2, bg(32, 2)},
    };
    for (const auto& c : cases) {
        const Canvas preview = Preview(document, c.settings, c.options, 64, 48);
        EXPECT_EQ(preview.ColourAt(c.x, c.y), c.expected) << c.name;
    }
    // A large note that still fits the limit is cut evenly by the area.
    const Canvas big = Preview(document, Settings(3000, 2000), {}, 64, 48);
    EXPECT_EQ(big.ColourAt(0, 0), kNote);
}

TEST(RenderPreview, ExampleSkinsDrawTheirFrames) {
    for (const char* skin : {"plain/plain.ini", "rich/rich.ini", "stack/paperpile.ini"}) {
        SkinDocument document;
        ASSERT_TRUE(
            LoadSkin(document, QStringLiteral(DRAPIER_EXAMPLES "/") + QLatin1StringView(skin), QString()))
            << skin;
        NoteSettings settings = Settings();
        settings.stackmode = document.settings.mode == 1;
        const Canvas preview = Preview(document, settings);
        EXPECT_EQ(preview.ColourAt(50, 50), Background(50, 50)) << skin; // the rounded corner is cut out
        EXPECT_NE(preview.ColourAt(150, 51), kNote) << skin;             // the frame's top edge
        EXPECT_NE(preview.ColourAt(150, 51), Background(150, 51)) << skin;
    }
}

TEST(PreviewBackground, StaysWholeWhileHeldAndIsSharedAcrossThreads) {
    const auto held = PreviewBackground(321, 123);
    const Colour corner = held->ColourAt(320, 122);
    // More sizes than are kept push it out of the list, never out from under its holder.
    for (int i = 1; i <= 8; ++i)
        PreviewBackground(321 + i, 123);
    EXPECT_EQ(held->Width(), 321);
    EXPECT_EQ(held->ColourAt(320, 122), corner);

    SkinDocument document;
    AddRegionCorners(document);
    document.settings.region = kMagenta;
    const Canvas serial = Preview(document, Settings());
    std::vector<Canvas> results(4);
    std::vector<std::thread> threads;
    for (size_t t = 0; t < results.size(); ++t) {
        threads.emplace_back([&, t] {
            // Each thread asks for another size in between, so the shared list changes under the others.
            for (int round = 0; round < 5; ++round) {
                PreviewBackground(200 + static_cast<int>(t) * 10 + round, 100);
                results[t] = Preview(document, Settings());
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    for (const Canvas& result : results) {
        for (int y = 0; y < serial.Height(); ++y)
            for (int x = 0; x < serial.Width(); ++x)
                ASSERT_EQ(result.Pixel(x, y), serial.Pixel(x, y)) << x << "," << y;
    }
}
