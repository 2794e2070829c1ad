#include "RenderTestSupport.h"
#include "document/SkinDocument.h"
#include "picture/Canvas.h"
#include "picture/InputLimits.h"
#include "render/PictureBlit.h"
#include "render/RenderNote.h"
#include "render/SkinLint.h"
#include "support/EncodedImage.h"

#include <QImage>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

enum class Source { Png24Alpha, PngPalette, Keyed, KeyedAlpha };

// A 6 x 5 picture whose every pixel differs, with alpha (or the key) on some of them, so a piece drawn
// from the wrong place or blended the wrong way shows.
void GivePicture(SkinDocument& document, Source source) {
    if (source == Source::Png24Alpha || source == Source::PngPalette) {
        const bool palette = source == Source::PngPalette;
        ASSERT_TRUE(document.image.Create(6, 5, palette ? 8 : 24, kImagePng));
        for (int y = 0; y < 5; ++y) {
            for (int x = 0; x < 6; ++x) {
                const Colour c = MakeColour(x * 40, y * 50, 255 - x * y * 8);
                if (palette) {
                    document.image.SetPaletteColour(y * 6 + x, c);
                    document.image.SetPixelIndex(x, y, y * 6 + x);
                } else {
                    document.image.SetPixelColour(x, y, c);
                }
                document.image.SetAlpha(x, y, (x + y) % 3 == 0 ? 90 : 255);
            }
        }
        if (palette)
            document.image.SetTransparentColour(7);
        return;
    }
    QImage picture(6, 5, QImage::Format_RGB32);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x)
            picture.setPixel(x, y,
                             (x + y) % 4 == 0 ? qRgb(255, 0, 255) : qRgb(x * 40, y * 50, 200 - x * y * 8));
    document.pngsource = false;
    ASSERT_TRUE(document.keyed.Decode(EncodedImage(picture, "BMP")));
    document.keyed.ApplyKey(MakeColour(255, 0, 255));
}

// A background of many colours, so that blends over it differ pixel by pixel.
Canvas Background(int width, int height) {
    Canvas canvas(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            canvas.SetPixel(x, y, MakePixel((x * 7) & 0xFF, (y * 13) & 0xFF, ((x + y) * 3) & 0xFF));
    return canvas;
}

} // namespace

// Drawing tiles a block at a time paints exactly what drawing them one by one does: pieces inside the
// picture and running off it (stretched, or partly drawn for a keyed picture), with alpha, a palette's
// transparent index, a colour key and an alpha rectangle, under a clip that cuts the run anywhere.
TEST(TileBlocks, BlockDrawingMatchesOneByOne) {
    struct Case {
        const char* what;
        Source source;
        int sx, sy, w, h, ax, ay;
        int x, y;
        long long across, down;
        CanvasRect clip;
    };
    const Case cases[] = {
        {"1x1 tiles", Source::Png24Alpha, 2, 3, 1, 1, -1, -1, 0, 0, 120, 90, {0, 0, 120, 90}},
        {"whole picture", Source::Png24Alpha, 0, 0, 6, 5, -1, -1, 3, 2, 19, 17, {0, 0, 120, 90}},
        {"off the picture, stretched",
         Source::Png24Alpha,
         4,
         2,
         5,
         7,
         -1,
         -1,
         -3,
         -4,
         30,
         20,
         {0, 0, 120, 90}},
        {"clipped inside", Source::Png24Alpha, 1, 1, 3, 2, -1, -1, -7, -5, 50, 60, {11, 9, 97, 71}},
        {"wide thin tiles", Source::Png24Alpha, 0, 4, 6, 1, -1, -1, 0, 0, 21, 95, {0, 0, 120, 90}},
        {"palette with a transparent index",
         Source::PngPalette,
         0,
         1,
         2,
         2,
         -1,
         -1,
         1,
         1,
         70,
         50,
         {0, 0, 120, 90}},
        {"palette off the picture", Source::PngPalette, 3, 3, 4, 4, -1, -1, 0, 0, 40, 30, {5, 5, 100, 80}},
        {"colour key", Source::Keyed, 0, 0, 3, 3, -1, -1, 2, 0, 45, 33, {0, 0, 120, 90}},
        {"colour key off the picture", Source::Keyed, 4, -1, 4, 3, -1, -1, 0, 0, 35, 40, {3, 4, 110, 88}},
        {"alpha rectangle", Source::KeyedAlpha, 0, 0, 2, 2, 3, 2, 0, 0, 70, 50, {0, 0, 120, 90}},
        {"alpha rectangle off the picture",
         Source::KeyedAlpha,
         1,
         0,
         3,
         2,
         4,
         4,
         -2,
         1,
         50,
         50,
         {7, 0, 120, 83}},
    };
    for (const Case& c : cases) {
        SkinDocument document;
        GivePicture(document, c.source);
        Canvas blocks = Background(120, 90);
        Canvas single = Background(120, 90);
        blocks.SetClipRect(c.clip);
        single.SetClipRect(c.clip);
        PictureBlitter blockBlitter(document);
        blockBlitter.BlitTiles(blocks, c.x, c.y, c.sx, c.sy, c.w, c.h, c.ax, c.ay, c.across, c.down);
        PictureBlitter singleBlitter(document);
        for (long long j = 0; j < c.down; ++j)
            for (long long i = 0; i < c.across; ++i)
                singleBlitter.Blit(single, static_cast<int>(c.x + i * c.w), static_cast<int>(c.y + j * c.h),
                                   c.sx, c.sy, c.w, c.h, c.ax, c.ay);
        int differing = 0;
        for (int y = 0; y < 90; ++y)
            for (int x = 0; x < 120; ++x)
                differing += blocks.Pixel(x, y) != single.Pixel(x, y);
        EXPECT_EQ(differing, 0) << c.what;
        EXPECT_EQ(blocks.ClipRect(), c.clip) << c.what;
    }
}

// The draws a tile area costs follow its pixels, however small its tiles.
TEST(TileBlocks, DrawsAreBoundedByPixelsNotTiles) {
    struct Case {
        int w, h;
        long long most;
    };
    // 2000 x 2000 pixels: at most a block per kTileBlockPixels and one more per block row and column.
    const long long blocks = 2000LL * 2000 / kTileBlockPixels;
    const Case cases[] = {{1, 1, blocks + 2 * 8 + 1},
                          {3, 1, blocks + 2 * 8 + 1},
                          {1, 2000, blocks + 2 * 8 + 1},
                          {2000, 1, blocks + 2 * 16 + 1},
                          {600, 600, 16}};
    for (const Case& c : cases) {
        SkinDocument document;
        ASSERT_TRUE(document.image.Create(2000, 2000, 24, kImagePng));
        Canvas canvas(2000, 2000);
        PictureBlitter blitter(document);
        blitter.BlitTiles(canvas, 0, 0, 0, 0, c.w, c.h, -1, -1, (2000 + c.w - 1) / c.w,
                          (2000 + c.h - 1) / c.h);
        EXPECT_LE(blitter.Draws(), c.most) << c.w << "x" << c.h;
        EXPECT_GE(blitter.Draws(), 1) << c.w << "x" << c.h;
    }
}

// A hostile note: five areas of 1 x 1 tiles over 2000 x 2000 pixels paint as one tile of the colour would,
// and only the first kMaxDrawnElements drawable elements paint; the lint names the first one past them.
TEST(TileBlocks, TinyTilesAndTooManyElements) {
    SkinDocument document;
    ASSERT_TRUE(document.image.Create(4, 4, 24, kImagePng));
    document.image.SetPixelColour(1, 2, MakeColour(10, 200, 30));
    document.elements.reserve(kMaxDrawnElements + 8);
    for (int i = 0; i < 5; ++i) {
        TileAreaRecord& t = AddDrawn<TileAreaRecord>(document, ElementKind::TileArea);
        t.topleft = {At(0), At(0)};
        t.bottomright = {At(-1), At(-1)};
        t.tiletype = 1;
        t.size = {1, 1};
        t.source = {1, 2};
    }
    NoteState state;
    state.width = state.height = state.unrolledheight = 2000;
    state.notecolour = MakeColour(255, 255, 255);
    Canvas canvas;
    ASSERT_TRUE(PaintNoteCanvas(document, state, canvas));
    for (const auto& [x, y] : {std::pair{0, 0}, std::pair{1234, 567}, std::pair{1999, 1999}})
        EXPECT_EQ(canvas.ColourAt(x, y), MakeColour(10, 200, 30)) << x << "," << y;

    // Solid areas of one colour each: the last that paints shows.
    struct Case {
        int elements;
        Colour shown;
        bool finding;
    };
    const Case cases[] = {{kMaxDrawnElements, MakeColour(0, kMaxDrawnElements / 256, kMaxDrawnElements % 256), false},
                          {kMaxDrawnElements + 3, MakeColour(0, kMaxDrawnElements / 256, kMaxDrawnElements % 256), true}};
    for (const Case& c : cases) {
        SkinDocument many;
        many.elements.reserve(static_cast<size_t>(c.elements) + 1);
        many.Append(SkinElement::Make(ElementKind::Group)); // not drawable: not counted
        for (int i = 1; i <= c.elements; ++i) {
            TileAreaRecord& t = AddDrawn<TileAreaRecord>(many, ElementKind::TileArea);
            t.topleft = {At(0), At(0)};
            t.bottomright = {At(-1), At(-1)};
            t.tiletype = 0;
            t.solidcol = MakeColour(0, i / 256, i % 256);
        }
        NoteState small;
        small.width = small.height = small.unrolledheight = 8;
        Canvas note;
        ASSERT_TRUE(PaintNoteCanvas(many, small, note));
        EXPECT_EQ(note.ColourAt(4, 4), c.shown) << c.elements;
        const LintReport report = LintSkin(many);
        const auto past =
            std::find_if(report.findings.begin(), report.findings.end(),
                         [](const LintFinding& f) { return f.kind == LintKind::PastDrawLimit; });
        ASSERT_EQ(past != report.findings.end(), c.finding) << c.elements;
        if (c.finding) {
            EXPECT_EQ(past->element, kMaxDrawnElements + 1);
            EXPECT_TRUE(past->message.contains("and the 2 drawable elements after it are not drawn"))
                << past->message.toStdString();
        }
    }
}
