#include "render/RenderNote.h"
#include "RenderTestSupport.h"
#include "document/SkinDocument.h"
#include "picture/Canvas.h"
#include "render/SelectedBorder.h"
#include "support/EncodedImage.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

constexpr Colour kNote = MakeColour(255, 255, 180);

// A column of the test picture: every pixel of column c is (c * 10 + 5, 100, 200 - c).
Colour ColumnColour(int c) {
    return MakeColour(c * 10 + 5, 100, 200 - c);
}

// A 24-bit picture without alpha whose columns differ, so a copied piece shows where it came from.
void GiveColumnPicture(SkinDocument& document, int width = 20, int height = 20) {
    ASSERT_TRUE(document.image.Create(width, height, 24, kImagePng));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            document.image.SetPixelColour(x, y, ColumnColour(x));
}

NoteState State(int width = 300, int height = 100) {
    NoteState s;
    s.width = width;
    s.height = height;
    s.unrolledheight = height;
    s.notecolour = kNote;
    s.pencolour = MakeColour(255, 64, 255);
    s.pointerinnote = true;
    s.dpi = 96;
    return s;
}

HStripRecord& AddHStrip(SkinDocument& document, PlacePair place, BandExtent extent, int type = 0,
                        int width = 0) {
    HStripRecord& s = AddDrawn<HStripRecord>(document, ElementKind::HStrip);
    s.place = place;
    s.extent = extent;
    s.striptype = type;
    s.width = width;
    return s;
}

void AddVStrip(SkinDocument& document, PlacePair place, ColumnExtent extent, int type = 0, int height = 0) {
    VStripRecord& s = AddDrawn<VStripRecord>(document, ElementKind::VStrip);
    s.place = place;
    s.extent = extent;
    s.striptype = type;
    s.height = height;
}

TileAreaRecord& AddTiles(SkinDocument& document, PlacePair topleft, PlacePair bottomright, int type,
                         BoxSize size = {}) {
    TileAreaRecord& t = AddDrawn<TileAreaRecord>(document, ElementKind::TileArea);
    t.topleft = topleft;
    t.bottomright = bottomright;
    t.tiletype = type;
    t.size = size;
    return t;
}

ButtonRecord& AddButton(SkinDocument& document, PlacePair place, BoxSize size, SourcePoint source) {
    ButtonRecord& b = AddDrawn<ButtonRecord>(document, ElementKind::Button);
    b.place = place;
    b.size = size;
    b.source = source;
    return b;
}

Canvas Paint(const SkinDocument& document, NoteState state) {
    Canvas canvas;
    EXPECT_TRUE(PaintNoteCanvas(document, state, canvas));
    return canvas;
}

int Channel(int src, int dst, int a) {
    return (src * a + dst * (255 - a) + 127) / 255;
}

} // namespace

TEST(RenderNote, NoElementsGivesTheNoteColour) {
    SkinDocument document;
    const Canvas canvas = Paint(document, State(40, 30));
    ASSERT_EQ(canvas.Width(), 40);
    ASSERT_EQ(canvas.Height(), 30);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(canvas.ColourAt(x, y), kNote);
}

TEST(RenderNote, HStripPiecesRunThroughTheEndEdge) {
    // Right edge x 99 gives a band right of 100: full tiles to 80, 11 columns at 90, one at 100.
    // Right edge x 94 gives 95: full tiles to 80, then six columns at 90.
    const struct {
        int rightX;
        int lastDrawn;
    } cases[] = {{99, 100}, {94, 95}};
    for (const auto& c : cases) {
        SkinDocument document;
        GiveColumnPicture(document);
        AddHStrip(document, {At(0), At(0)}, {At(c.rightX), 2}, 0, 10);
        const Canvas canvas = Paint(document, State());
        for (int x = 0; x <= c.lastDrawn; ++x) {
            const int column = x < 90 ? x % 10 : x - (x >= 100 ? 100 : 90);
            ASSERT_EQ(canvas.ColourAt(x, 1), ColumnColour(column)) << "right " << c.rightX << " x " << x;
        }
        EXPECT_EQ(canvas.ColourAt(c.lastDrawn + 1, 1), kNote) << c.rightX;
        EXPECT_EQ(canvas.ColourAt(5, 2), kNote); // the band is two rows high
    }
}

TEST(RenderNote, VStripPiecesAndTileLengthBelowOne) {
    SkinDocument document;
    GiveColumnPicture(document);
    AddVStrip(document, {At(10), At(0)}, {3, At(24)}, 0, 10); // bottom 25: pieces at 0, 10, then 20 .. 25
    AddVStrip(document, {At(50), At(0)}, {3, At(-1)}, 0, 0);
    const Canvas canvas = Paint(document, State());
    EXPECT_EQ(canvas.ColourAt(12, 25), ColumnColour(2));
    EXPECT_EQ(canvas.ColourAt(12, 26), kNote);
    EXPECT_EQ(canvas.ColourAt(13, 5), kNote);
    EXPECT_EQ(canvas.ColourAt(50, 5), kNote);
}

// A strip starting before the canvas: its last piece runs from -2 through 0 and the next one-pixel piece
// at 0 blends over it again. A tile reaching into the canvas from before it is drawn.
TEST(RenderNote, PiecesStartingBeforeTheCanvas) {
    const Colour white = MakeColour(255, 255, 255);
    const Colour twice = MakeColour(253, 62, 62); // (254, 126, 126) after one blend
    for (const bool horizontal : {true, false}) {
        SCOPED_TRACE(horizontal ? "hstrip" : "vstrip");
        SkinDocument document;
        ASSERT_TRUE(document.image.Create(2, 2, 24, kImagePng));
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < 2; ++x) {
                document.image.SetPixelColour(x, y, MakeColour(255, 0, 0));
                document.image.SetAlpha(x, y, 128);
            }
        }
        const Placement minusTwo{0, PlacementMode::Sides, -2};
        const Placement minusOne{0, PlacementMode::Sides, -1}; // an end edge of 0
        if (horizontal) {
            AddHStrip(document, {minusTwo, At(0)}, {minusOne, 8}, 0, 2);
        } else {
            AddVStrip(document, {At(0), minusTwo}, {8, minusOne}, 0, 2);
        }
        NoteState state = State(40, 30);
        state.notecolour = white;
        const Canvas canvas = Paint(document, state);
        const auto at = [&](int along, int across) {
            return horizontal ? canvas.ColourAt(along, across) : canvas.ColourAt(across, along);
        };
        EXPECT_EQ(at(0, 0), twice);
        EXPECT_EQ(at(0, 7), twice);
        EXPECT_EQ(at(1, 0), white);
        EXPECT_EQ(at(0, 8), white);
    }

    SkinDocument document;
    GiveColumnPicture(document);
    const Placement minusOnePercent{-1, PlacementMode::Percent, 0};
    AddTiles(document, {minusOnePercent, minusOnePercent}, {At(9), At(9)}, 1, {4, 4});
    const Canvas canvas = Paint(document, State(500, 500)); // the area starts at (-5, -5)
    EXPECT_EQ(canvas.ColourAt(0, 0), ColumnColour(1));
    EXPECT_EQ(canvas.ColourAt(2, 2), ColumnColour(3));
    EXPECT_EQ(canvas.ColourAt(3, 3), ColumnColour(0));
}

TEST(RenderNote, FadeOf256ColumnsSteps) {
    SkinDocument document;
    HStripRecord& s = AddHStrip(document, {At(0), At(0)}, {At(254), 3}, 1); // columns 0 .. 255 inclusive
    s.startcol = MakeColour(0, 0, 0);
    s.endcol = MakeColour(255, 255, 255);
    const Canvas canvas = Paint(document, State());
    for (int c = 0; c <= 255; ++c)
        ASSERT_EQ(canvas.ColourAt(c, 2), MakeColour(c, c, c)) << c;
    EXPECT_EQ(canvas.ColourAt(256, 2), kNote);
    EXPECT_EQ(canvas.ColourAt(10, 3), kNote);
}

TEST(RenderNote, SolidBlendAndCover) {
    const Colour under = MakeColour(10, 200, 90);
    const Colour over = MakeColour(250, 20, 0);
    const struct {
        int alpha;
        Colour expected;
    } cases[] = {
        {128, MakeColour(Channel(250, 10, 128), Channel(20, 200, 128), Channel(0, 90, 128))},
        {-1, over},
        {0x180, MakeColour(Channel(250, 10, 128), Channel(20, 200, 128), Channel(0, 90, 128))}, // low 8 bits
    };
    for (const auto& c : cases) {
        SkinDocument document;
        HStripRecord& first = AddHStrip(document, {At(0), At(0)}, {At(-1), 10}, 2);
        first.solidcol = under;
        HStripRecord& second = AddDrawn<HStripRecord>(document, ElementKind::HStrip);
        second = first;
        second.solidcol = over;
        second.alpha = c.alpha;
        const Canvas canvas = Paint(document, State());
        EXPECT_EQ(canvas.ColourAt(5, 5), c.expected) << c.alpha;
        EXPECT_EQ(canvas.ColourAt(5, 10), kNote);
    }
}

TEST(RenderNote, PenColourStripAndTileAreas) {
    SkinDocument document;
    GiveColumnPicture(document);
    AddHStrip(document, {At(0), At(0)}, {At(-1), 2}, 3);
    AddTiles(document, {At(0), At(10)}, {At(24), At(29)}, 1, {10, 10}); // 25 by 20: pieces 10, 10 and 5
    AddTiles(document, {At(100), At(50)}, {At(109), At(59)}, 0).solidcol = MakeColour(1, 2, 3);
    AddTiles(document, {At(200), At(50)}, {At(209), At(59)}, 2);
    const Canvas canvas = Paint(document, State());
    EXPECT_EQ(canvas.ColourAt(7, 1), MakeColour(255, 64, 255));
    for (int x = 0; x < 25; ++x)
        ASSERT_EQ(canvas.ColourAt(x, 29), ColumnColour(x % 10)) << x;
    EXPECT_EQ(canvas.ColourAt(25, 15), kNote);
    EXPECT_EQ(canvas.ColourAt(5, 30), kNote);
    EXPECT_EQ(canvas.ColourAt(109, 59), MakeColour(1, 2, 3));
    EXPECT_EQ(canvas.ColourAt(110, 59), kNote);
    EXPECT_EQ(canvas.ColourAt(205, 55), MakeColour(255, 64, 255));
}

TEST(RenderNote, ButtonRolloverAndIndicatorPictures) {
    struct Case {
        const char* name;
        bool pointerOver;
        int rolloverX;
        bool pointerInNote;
        int shownColumn;
    };
    const Case cases[] = {
        {"plain", false, 10, true, 2},
        {"rollover", true, 10, true, 10},
        {"no rollover picture", true, -1, true, 2},
        {"pointer elsewhere", true, 10, false, 2},
    };
    for (const Case& c : cases) {
        SkinDocument document;
        GiveColumnPicture(document);
        ButtonRecord& b = AddButton(document, {At(-10), At(5)}, {4, 4}, {2, 0});
        b.sourcerollover = {c.rolloverX, 0};
        b.pointerover = c.pointerOver;
        NoteState state = State();
        state.pointerinnote = c.pointerInNote;
        const Canvas canvas = Paint(document, state);
        EXPECT_EQ(canvas.ColourAt(290, 5), ColumnColour(c.shownColumn)) << c.name;
        EXPECT_EQ(canvas.ColourAt(294, 5), kNote) << c.name;
    }

    for (const bool alarm : {true, false}) {
        SkinDocument document;
        GiveColumnPicture(document);
        IndicatorRecord& i = AddDrawn<IndicatorRecord>(document, ElementKind::Indicator);
        i.place = {At(20), At(20)};
        i.size = {3, 3};
        i.type = 5;
        i.source = {1, 0};
        i.sourceoff = {7, 0};
        NoteState state = State();
        state.alarmset = alarm;
        EXPECT_EQ(Paint(document, state).ColourAt(20, 20), ColumnColour(alarm ? 1 : 7)) << alarm;
    }
}

TEST(RenderNote, PictureRunningOffTheSourceIsStretched) {
    SkinDocument document;
    GiveColumnPicture(document, 10, 10);
    AddButton(document, {At(0), At(0)}, {10, 10},
              {5, 0}); // columns 5 .. 9 exist; the crop is stretched to 10
    AddButton(document, {At(50), At(0)}, {10, 10}, {40, 40});
    AddButton(document, {At(70), At(0)}, {10, 10}, {-1, 0});
    const Canvas canvas = Paint(document, State());
    for (int x = 0; x < 10; ++x)
        EXPECT_EQ(canvas.ColourAt(x, 3), ColumnColour(5 + x / 2)) << x;
    EXPECT_EQ(canvas.ColourAt(55, 5), kNote);
    EXPECT_EQ(canvas.ColourAt(75, 5), kNote);
}

TEST(RenderNote, PngAlphaIsBlendedPerPixel) {
    SkinDocument document;
    ASSERT_TRUE(document.image.Create(2, 1, 24, kImagePng));
    document.image.SetPixelColour(0, 0, MakeColour(255, 0, 0));
    document.image.SetPixelColour(1, 0, MakeColour(0, 0, 255));
    document.image.SetAlpha(0, 0, 128);
    document.image.SetAlpha(1, 0, 0);
    ButtonRecord& b = AddDrawn<ButtonRecord>(document, ElementKind::Button);
    b.size = {2, 1};
    NoteState state = State();
    state.notecolour = MakeColour(255, 255, 255);
    const Canvas canvas = Paint(document, state);
    EXPECT_EQ(canvas.ColourAt(0, 0), MakeColour(254, 126, 126));
    EXPECT_EQ(canvas.ColourAt(1, 0), MakeColour(255, 255, 255));
}

TEST(RenderNote, KeyedPictureMaskAndAlphaRectangle) {
    QImage picture(4, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 0, 255)); // the key colour
    picture.setPixel(1, 0, qRgb(10, 20, 30));
    picture.setPixel(2, 0, qRgb(0, 0, 0));       // alpha picture: black shows the source
    picture.setPixel(3, 0, qRgb(128, 128, 128)); // half
    SkinDocument document;
    document.pngsource = false;
    document.settings.transparent = MakeColour(255, 0, 255);
    ASSERT_TRUE(document.keyed.Decode(EncodedImage(picture, "BMP")));
    document.keyed.ApplyKey(document.settings.transparent);
    AddButton(document, {At(0), At(0)}, {2, 1}, {0, 0});                       // masked
    AddButton(document, {At(10), At(0)}, {1, 1}, {1, 0}).sourcealpha = {3, 0}; // blended
    AddButton(document, {At(12), At(0)}, {1, 1}, {1, 0}).sourcealpha = {2, 0}; // opaque
    const Canvas canvas = Paint(document, State());
    EXPECT_EQ(canvas.ColourAt(0, 0), kNote);
    EXPECT_EQ(canvas.ColourAt(1, 0), MakeColour(10, 20, 30));
    const auto mix = [](int s, int d) { return static_cast<int>(s * (1 - 128 / 256.0) + d * (128 / 256.0)); };
    EXPECT_EQ(canvas.ColourAt(10, 0), MakeColour(mix(10, 255), mix(20, 255), mix(30, 180)));
    EXPECT_EQ(canvas.ColourAt(12, 0), MakeColour(10, 20, 30));
}

TEST(RenderNote, ElementsOutsideTheStateOrGroupAreSkipped) {
    SkinDocument document;
    HStripRecord& rolledOnly = AddHStrip(document, {At(0), At(0)}, {At(-1), 5}, 2);
    rolledOnly.drawunrolled = false;
    rolledOnly.drawrolled = true;
    AddHStrip(document, {At(0), At(10)}, {At(-1), 5}, 2);
    document.elements.back().group = QStringLiteral("nosuchgroup");
    const Canvas canvas = Paint(document, State());
    EXPECT_EQ(canvas.ColourAt(5, 2), kNote);
    EXPECT_EQ(canvas.ColourAt(5, 12), kNote);
}

TEST(RenderNote, CopiesTheFrameOrTheWholeNote) {
    SkinDocument document; // default layout: top 25, bottom 10, left 10, right 10
    const Colour before = MakeColour(9, 9, 9);
    for (const bool whole : {false, true}) {
        document.settings.drawonrtfbg = whole;
        Canvas target(320, 130, before);
        NoteState state = State();
        state.originx = 10;
        state.originy = 20;
        RenderNote(document, target, state);
        EXPECT_EQ(target.ColourAt(9, 20), before);
        EXPECT_EQ(target.ColourAt(10, 20), kNote);
        EXPECT_EQ(target.ColourAt(309, 119), kNote);
        EXPECT_EQ(target.ColourAt(310, 119), before);
        EXPECT_EQ(target.ColourAt(19, 60), kNote);                    // left border
        EXPECT_EQ(target.ColourAt(300, 60), kNote);                   // right border
        EXPECT_EQ(target.ColourAt(20, 45), whole ? kNote : before);   // text area
        EXPECT_EQ(target.ColourAt(299, 109), whole ? kNote : before); // its last pixel
        EXPECT_EQ(target.ColourAt(150, 110), kNote);                  // bottom border
    }
}

TEST(RenderNote, CanvasLimitAndAbsurdValues) {
    SkinDocument document;
    Canvas target(50, 50, MakeColour(1, 1, 1));
    NoteState state = State(8192, 8192); // exactly 268,435,456 bytes
    // The whole note is too large for a canvas; the part the target shows is painted all the same.
    state.originx = 20;
    RenderNote(document, target, state);
    EXPECT_EQ(target.ColourAt(19, 0), MakeColour(1, 1, 1));
    EXPECT_EQ(target.ColourAt(20, 0), kNote);
    Canvas canvas;
    EXPECT_FALSE(PaintNoteCanvas(document, state, canvas));
    state = State(-5, 100);
    EXPECT_FALSE(PaintNoteCanvas(document, state, canvas));

    GiveColumnPicture(document);
    AddHStrip(document, {At(-2000000000), At(0)}, {At(2000000000), 100000}, 0, 1);
    AddHStrip(document, {At(-2000000000), At(0)}, {At(2000000000), 100000}, 1, 1);
    AddVStrip(document, {At(-100000), At(-2147483647)}, {100000, At(2147483647)});
    AddVStrip(document, {At(-100000), At(-2147483647)},
              {100000, Placement{2147483647, PlacementMode::BRScrollbar, 2147483647}}, 1);
    AddButton(document, {Placement{100, PlacementMode::Percent, -2147483647}, At(5)}, {-100000, 100000},
              {0, 0});
    AddTiles(document, {At(-2147483647), At(-2147483647)}, {At(2147483646), At(2147483646)}, 1, {1, 1});
    TextRecord& text = AddDrawn<TextRecord>(document, ElementKind::Text);
    text.text = QStringLiteral("%TITLE% absurd");
    text.point = 100000;
    text.extent = {At(100000), 100000};
    document.settings.selectedborderdashlength1 = 2147483647;
    document.settings.selectedborderdashlength2 = 2147483647;
    document.settings.selectedborderwidth = 100000;
    state = State(300, 100);
    state.bulkselected = true;
    state.dpi = 192;
    EXPECT_TRUE(PaintNoteCanvas(document, state, canvas));
    // The same on notes of the largest sizes, seen through a small target anywhere on them.
    for (const int origin : {0, -1000000000, -2147483000}) {
        state = State(2147483647, 2147483647);
        state.bulkselected = true;
        state.originx = state.originy = origin;
        RenderNote(document, target, state);
    }
}

TEST(SelectedBorder, DashesRunOnFromEdgeToEdge) {
    SkinSettings settings;
    settings.selectedborderdashcolour1 = MakeColour(255, 255, 255);
    settings.selectedborderdashcolour2 = MakeColour(0, 0, 0);
    const Colour c1 = MakeColour(255, 255, 255);
    const Colour c2 = MakeColour(0, 0, 0);
    struct Case {
        const char* name;
        int d1, d2, width, dpi;
    };
    // 0 and 0 fall back to 20 and 20; 10 and 10 at 192 dpi scale to the same; the width 3 to 3 or 6.
    const Case cases[] = {{"fallback", 0, 0, 3, 96}, {"scaled", 10, 10, 2, 192}, {"default", 20, 20, 3, 96}};
    for (const Case& c : cases) {
        settings.selectedborderdashlength1 = c.d1;
        settings.selectedborderdashlength2 = c.d2;
        settings.selectedborderwidth = c.width;
        Canvas canvas(300, 100, kNote);
        DrawSelectedBorder(canvas, settings, c.dpi);
        const int b = ScaleForDpi(c.width, c.dpi);
        // Top: x runs from -40, so dashes start at 0, 40, ...; the left loop later starts at y -60
        // and paints c2 over rows 0 .. 19 of the left edge.
        EXPECT_EQ(canvas.ColourAt(25, 0), c2) << c.name;
        EXPECT_EQ(canvas.ColourAt(45, b - 1), c1) << c.name;
        EXPECT_EQ(canvas.ColourAt(45, b), kNote) << c.name;
        EXPECT_EQ(canvas.ColourAt(0, 1), c2) << c.name;
        EXPECT_EQ(canvas.ColourAt(0, 25), c1) << c.name;
        // Right: y starts at 320 - 340 = -20.
        EXPECT_EQ(canvas.ColourAt(299, 5), c2) << c.name;
        EXPECT_EQ(canvas.ColourAt(299, 25), c1) << c.name;
        // Bottom: x starts at 2 * (100 - 100) = 0.
        EXPECT_EQ(canvas.ColourAt(5, 99), c1) << c.name;
        EXPECT_EQ(canvas.ColourAt(25, 99), c2) << c.name;
        EXPECT_EQ(canvas.ColourAt(150, 50), kNote) << c.name;
    }
    EXPECT_EQ(ScaleForDpi(3, 120), 4);
    EXPECT_EQ(ScaleForDpi(20, 144), 30);
    EXPECT_EQ(ScaleForDpi(-3, 120), -4);
    EXPECT_EQ(ScaleForDpi(2147483647, 192), -1);
}
