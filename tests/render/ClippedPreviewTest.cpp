#include "RenderTestSupport.h"
#include "document/SkinDocument.h"
#include "document/SkinLoader.h"
#include "picture/Canvas.h"
#include "render/PlacementGeometry.h"
#include "render/RenderNote.h"
#include "render/RenderPreview.h"
#include "render/RepeatedSum.h"
#include "support/EncodedImage.h"

#include <QImage>
#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

// The reference: the preview with the whole note painted. The note is drawn in an area large enough to
// hold all of it, over the small area's background put where the small area lies in it, and the small
// area is cut back out: every position on the note, and so every highlight, lands on the same pixel.
Canvas WholeNotePreview(const SkinDocument& document, const NoteSettings& settings,
                        const PreviewOptions& options, int areaWidth, int areaHeight) {
    const int bigWidth = std::max(settings.width, areaWidth) + 64;
    const int bigHeight = std::max(settings.height, areaHeight) + 64;
    const NoteOrigin small = NoteOriginInArea(areaWidth, areaHeight, settings.width, settings.height);
    const NoteOrigin big = NoteOriginInArea(bigWidth, bigHeight, settings.width, settings.height);
    const int dx = big.x - small.x;
    const int dy = big.y - small.y;
    Canvas background(bigWidth, bigHeight, MakeColour(3, 2, 1));
    background.Copy(dx, dy, areaWidth, areaHeight, *PreviewBackground(areaWidth, areaHeight), 0, 0);
    // Left over from an earlier picture, differently in each: a pixel the preview forgets to draw differs.
    Canvas whole(bigWidth, bigHeight, MakeColour(1, 250, 3));
    RenderPreviewOver(document, settings, options, background, whole);
    Canvas cut(areaWidth, areaHeight);
    cut.Copy(0, 0, areaWidth, areaHeight, whole, dx, dy);
    return cut;
}

// The note as it was painted before it was painted through the target's clip: the whole note on a
// canvas of its own, then all of it or its frame copied to the target.
void WholeNoteRenderNote(const SkinDocument& document, Canvas& target, NoteState state) {
    Canvas canvas;
    if (!PaintNoteCanvas(document, state, canvas))
        return;
    const auto copy = [&](long long x, long long y, long long w, long long h, long long sx, long long sy) {
        if (w > 0 && h > 0)
            target.Copy(static_cast<int>(state.originx + x), static_cast<int>(state.originy + y),
                        static_cast<int>(w), static_cast<int>(h), canvas, static_cast<int>(sx),
                        static_cast<int>(sy));
    };
    const long long w = canvas.Width();
    const long long h = canvas.Height();
    if (document.DrawsOnTextBackground()) {
        copy(0, 0, w, h, 0, 0);
        return;
    }
    const SkinLayout& layout = document.ActiveLayout(state);
    const long long t = layout.top, b = layout.bottom, l = layout.left, r = layout.right;
    copy(0, 0, w, t, 0, 0);
    copy(0, h - b, w, b, 0, h - b);
    copy(0, t, l, h - b - t, 0, t);
    copy(w - r, t, r, h - b - t, w - r, t);
}

// The first pixel where the two differ, or an empty text.
std::string FirstDifference(const Canvas& a, const Canvas& b) {
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y))
                return "pixel " + std::to_string(x) + "," + std::to_string(y) + ": " +
                       std::to_string(a.Pixel(x, y)) + " against " + std::to_string(b.Pixel(x, y));
    return {};
}

void ExpectClippedEqualsWhole(const SkinDocument& document, const NoteSettings& settings,
                              const PreviewOptions& options, int areaWidth, int areaHeight,
                              const std::string& what) {
    Canvas clipped(areaWidth, areaHeight, MakeColour(250, 1, 3));
    RenderPreview(document, settings, options, clipped);
    const Canvas whole = WholeNotePreview(document, settings, options, areaWidth, areaHeight);
    EXPECT_EQ(FirstDifference(clipped, whole), "") << what;
}

struct Generator {
    std::mt19937 rng;
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }
    bool Coin() { return Pick(0, 1) == 1; }
    Colour AnyColour() { return MakeColour(Pick(0, 255), Pick(0, 255), Pick(0, 255)); }
    Placement Place(bool scrollModes) {
        Placement p;
        p.mode = static_cast<PlacementMode>(Pick(0, scrollModes ? 5 : 2));
        p.value = p.mode == PlacementMode::Percent ? Pick(-20, 120) : Pick(-160, 160);
        p.offset = Pick(-6, 6);
        return p;
    }
    SourcePoint Source() { return Pick(0, 9) == 0 ? SourcePoint{} : SourcePoint{Pick(-8, 44), Pick(-8, 44)}; }
    SourcePoint Alpha() { return Coin() ? SourcePoint{} : SourcePoint{Pick(0, 40), Pick(0, 40)}; }
};

// A skin of every drawable kind at random places, sizes and modes, over a PNG picture with every
// alpha or over a keyed picture, with random borders, region colour and selected-note border.
SkinDocument GeneratedSkin(unsigned seed) {
    Generator g{std::mt19937(seed)};
    SkinDocument document;
    const Colour region = MakeColour(254, 0, 254);
    QImage picture(48, 48, QImage::Format_ARGB32);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x) {
            // Bands of wholly clear rows, which are not drawn at all, between rows of every alpha.
            const int alpha = y % 12 < 4 || (x + y) % 5 == 0 ? 0 : ((x * y) % 7 == 0 ? g.Pick(1, 254) : 255);
            const bool cut = (x / 6 + y / 6) % 5 == 0;
            picture.setPixelColor(
                x, y, cut ? QColor(254, 0, 254, alpha) : QColor(x * 5, y * 5, (x ^ y) * 4, alpha));
        }
    if (seed % 3 == 2) {
        document.pngsource = false;
        EXPECT_TRUE(
            document.keyed.Decode(EncodedImage(picture.convertToFormat(QImage::Format_RGB32), "BMP")));
        document.settings.transparent = MakeColour(0, 0, 0);
        document.keyed.ApplyKey(document.settings.transparent);
    } else {
        EXPECT_TRUE(document.image.Decode(EncodedImage(picture, "PNG"), kImagePng));
    }
    document.settings.region = g.Coin() ? region : kNoColour;
    document.settings.drawonrtfbg = g.Coin();
    document.settings.selectedborderwidth = g.Pick(0, 12);
    document.settings.selectedborderdashlength1 = g.Pick(-3, 25);
    document.settings.selectedborderdashlength2 = g.Pick(-3, 25);
    document.settings.selectedborderdashcolour1 = g.AnyColour();
    document.settings.selectedborderdashcolour2 = g.AnyColour();
    SkinLayout& layout = document.layout;
    layout.top = g.Pick(-4, 60);
    layout.bottom = g.Pick(-4, 60);
    layout.left = g.Pick(-4, 60);
    layout.right = g.Pick(-4, 60);
    layout.rolledheight = g.Pick(5, 50);
    layout.titlebar = {g.Place(false), g.Place(false), g.Place(false), g.Pick(0, 40)};
    layout.usescrollbar = g.Coin();
    layout.scrollbar = {Placement{-g.Pick(5, 30)}, Placement{g.Pick(0, 40)}, Placement{-g.Pick(1, 30)},
                        g.Pick(1, 30)};
    layout.minimumthumbtrackheight = g.Pick(0, 40);

    const int count = g.Pick(10, 22);
    for (int i = 0; i < count; ++i) {
        const ElementKind kind =
            std::array{
                ElementKind::Button, ElementKind::HStrip,    ElementKind::VStrip,
                ElementKind::Text,   ElementKind::Indicator, ElementKind::TileArea}[static_cast<size_t>(
                g.Pick(0, 5))];
        SkinElement e = SkinElement::Make(kind);
        e.Common()->drawunrolled = true;
        e.Common()->drawrolled = g.Coin();
        if (ButtonRecord* b = e.As<ButtonRecord>()) {
            b->place = {g.Place(true), g.Place(true)};
            b->size = {g.Pick(-20, 70), g.Pick(-20, 70)};
            b->source = g.Source();
            b->sourcealpha = g.Alpha();
        } else if (IndicatorRecord* n = e.As<IndicatorRecord>()) {
            n->place = {g.Place(true), g.Place(true)};
            n->size = {g.Pick(1, 50), g.Pick(1, 50)};
            n->type = g.Pick(0, 12);
            n->source = g.Source();
            n->sourceoff = g.Source();
            n->sourcealpha = g.Alpha();
        } else if (StripCommon* s = e.As<HStripRecord>() ? static_cast<StripCommon*>(e.As<HStripRecord>())
                                                         : static_cast<StripCommon*>(e.As<VStripRecord>())) {
            s->striptype = g.Pick(0, 3);
            s->source = g.Source();
            s->sourcealpha = g.Alpha();
            s->startcol = g.AnyColour();
            s->endcol = g.AnyColour();
            s->solidcol = g.Coin() ? region : g.AnyColour();
            s->alpha = g.Coin() ? -1 : g.Pick(0, 255);
            if (HStripRecord* h = e.As<HStripRecord>()) {
                h->place = {g.Place(false), g.Place(false)};
                h->extent = {g.Place(false), g.Pick(1, 40)};
                h->width = g.Pick(0, 30);
            } else {
                VStripRecord* v = e.As<VStripRecord>();
                v->place = {g.Place(true), g.Place(true)};
                v->extent = {g.Pick(1, 40), g.Place(true)};
                v->height = g.Pick(0, 30);
            }
        } else if (TextRecord* t = e.As<TextRecord>()) {
            t->place = {g.Place(false), g.Place(false)};
            t->extent = {g.Place(false), g.Pick(5, 120)};
            t->text = g.Coin() ? QStringLiteral("%TITLE%\nSecond line\tafter a tab\nA third")
                               : QStringLiteral("A note by %SOURCE%");
            t->point = g.Pick(6, 22);
            t->bold = g.Coin();
            t->alignment = g.Pick(0, 2);
            t->transparent = g.Coin();
            t->col = g.AnyColour();
        } else if (TileAreaRecord* a = e.As<TileAreaRecord>()) {
            a->topleft = {g.Place(false), g.Place(false)};
            a->bottomright = {g.Place(false), g.Place(false)};
            a->tiletype = g.Pick(0, 2);
            a->size = {g.Pick(0, 30), g.Pick(0, 30)};
            a->source = g.Source();
            a->sourcealpha = g.Alpha();
            a->solidcol = g.Coin() ? region : g.AnyColour();
        }
        document.Append(std::move(e));
    }
    return document;
}

NoteSettings SettingsOf(int width, int height, int variant) {
    NoteSettings s;
    s.width = width;
    s.height = height;
    s.title = QStringLiteral("A clipped note");
    s.source = QStringLiteral("Someone");
    s.focus = variant % 2 == 0;
    s.alarm = variant % 3 == 0;
    s.scrollbar = true;
    s.scrolltop = std::array{25, 0, 60, 95}[static_cast<size_t>(variant % 4)];
    s.scrollbottom = std::array{100, 10, 70, 100}[static_cast<size_t>(variant % 4)];
    s.bulk = variant % 2 == 1;
    s.rolled = variant % 5 == 4;
    s.dpi = variant % 3 == 1 ? 144 : 96;
    return s;
}

PreviewOptions OptionsOf(const SkinDocument& document, int variant) {
    PreviewOptions options;
    options.stackmode = document.settings.mode == 1;
    options.highlightareas = variant % 2 == 0;
    options.highlightselected = true;
    options.selectedelement = static_cast<int>((variant * 7) % std::max<size_t>(1, document.elements.size()));
    return options;
}

struct Size {
    int width, height;
};

} // namespace

TEST(ClippedPreview, ExamplesEqualTheWholeNote) {
    const Size notes[] = {{300, 100}, {700, 500}, {701, 499}, {1237, 811}, {2999, 2001}};
    for (const char* name : {"plain/plain.ini", "rich/rich.ini", "stack/paperpile.ini"}) {
        SkinDocument document;
        ASSERT_TRUE(
            LoadSkin(document, QStringLiteral(DRAPIER_EXAMPLES "/") + QLatin1StringView(name), QString()));
        int variant = 0;
        for (const Size note : notes) {
            for (const Size area : {Size{700, 500}, Size{333, 211}}) {
                NoteSettings settings = SettingsOf(note.width, note.height, variant);
                settings.stackmode = document.settings.mode == 1;
                ExpectClippedEqualsWhole(document, settings, OptionsOf(document, variant), area.width,
                                         area.height,
                                         std::string(name) + " variant " + std::to_string(variant));
                ++variant;
            }
        }
    }
}

TEST(ClippedPreview, GeneratedSkinsEqualTheWholeNote) {
    const Size notes[] = {{640, 480}, {1501, 333}, {257, 1203}, {1111, 1111}};
    for (unsigned seed = 1; seed <= 18; ++seed) {
        const SkinDocument document = GeneratedSkin(seed);
        const Size note = notes[seed % 4];
        for (int variant = 0; variant < 3; ++variant) {
            const Size area = variant == 2 ? Size{701, 503} : Size{480, 320};
            const int v = static_cast<int>(seed) * 3 + variant;
            ExpectClippedEqualsWhole(document, SettingsOf(note.width, note.height, v), OptionsOf(document, v),
                                     area.width, area.height,
                                     "seed " + std::to_string(seed) + " variant " + std::to_string(variant));
        }
    }
}

TEST(ClippedPreview, NoteThroughAnyClipEqualsTheWholeNote) {
    std::mt19937 rng(11);
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
    for (unsigned seed = 30; seed < 48; ++seed) {
        const SkinDocument document = GeneratedSkin(seed);
        NoteState state;
        state.width = pick(40, 1400);
        state.height = state.unrolledheight = pick(40, 900);
        state.notecolour = MakeColour(255, 255, 180);
        state.pencolour = MakeColour(20, 90, 200);
        state.bulkselected = seed % 2 == 0;
        state.dpi = 96;
        state.title = QStringLiteral("Through a clip");
        state.originx = pick(-state.width, 200);
        state.originy = pick(-state.height, 150);
        const CanvasRect clip{pick(0, 120), pick(0, 80), pick(130, 320), pick(90, 200)};
        Canvas clipped(320, 200, MakeColour(9, 9, 9));
        Canvas whole(320, 200, MakeColour(9, 9, 9));
        clipped.SetClipRect(clip);
        whole.SetClipRect(clip);
        RenderNote(document, clipped, state);
        WholeNoteRenderNote(document, whole, state);
        EXPECT_EQ(FirstDifference(clipped, whole), "") << "seed " << seed;
    }
}

TEST(AddRepeatedly, EqualsAddingOneByOne) {
    struct Case {
        float value, step;
        long long count;
    };
    // Ties to even (0.5 on a grid of 1 at 2^23), steps too small to move the value, steps that cross
    // zero and many binades, and a fade's steps over a long note.
    std::vector<Case> cases = {{8388608.0f, 0.5f, 1000},
                               {8388609.0f, 0.5f, 1000},
                               {8388608.0f, 1.5f, 100000},
                               {16777216.0f, 1.0f, 50},
                               {255.0f, -255.0f / 7777.0f, 9000},
                               {0.0f, 254.0f / 20000.0f, 40000},
                               {3.0f, -1.0e-7f, 100000},
                               {1.0f, 0.0f, 5},
                               {-0.0f, 0.0f, 5},
                               {128.0f, 127.0f / 3.0e6f, 3000000},
                               {0.0f, 1.0e-3f, 0},
                               {10.0f, -1.0e-3f, 30000}};
    std::mt19937 rng(7);
    for (int i = 0; i < 60; ++i) {
        const int from = std::uniform_int_distribution<int>(0, 255)(rng);
        const int to = std::uniform_int_distribution<int>(0, 255)(rng);
        const int lines = std::uniform_int_distribution<int>(1, 200000)(rng);
        cases.push_back({static_cast<float>(from), static_cast<float>(to - from) / static_cast<float>(lines),
                         std::uniform_int_distribution<long long>(0, lines + 5)(rng)});
    }
    for (const Case& c : cases) {
        float expected = c.value;
        for (long long i = 0; i < c.count; ++i)
            expected = expected + c.step;
        const float got = AddRepeatedly(c.value, c.step, c.count);
        EXPECT_EQ(std::bit_cast<std::uint32_t>(got), std::bit_cast<std::uint32_t>(expected))
            << c.value << " + " << c.step << " x " << c.count << ": " << got << " against " << expected;
    }
}
