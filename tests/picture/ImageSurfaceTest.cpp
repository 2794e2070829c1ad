#include "picture/ImageSurface.h"
#include "PictureMakers.h"
#include "picture/Canvas.h"

#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A 24-bit picture whose pixel (x, y) has the colour (x, y, 100) and no alpha plane.
ImageSurface Numbered(int w, int h) {
    ImageSurface s;
    EXPECT_TRUE(s.Create(w, h, 24, kImagePng));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            s.SetPixelColour(x, y, MakeColour(x, y, 100));
    return s;
}

// The source pixel Draw takes for destination offset (dx, dy) when scaling w x h to cx x cy.
std::pair<int, int> StretchSource(int dx, int dy, int w, int h, int cx, int cy) {
    const float fx = static_cast<float>(w) / static_cast<float>(cx);
    const float fy = static_cast<float>(h) / static_cast<float>(cy);
    const int col = std::max(0, static_cast<int>(std::floor(static_cast<float>(dx) * fx)));
    const int fromBottom =
        std::max(0, static_cast<int>(std::floor(static_cast<float>(h) - static_cast<float>(dy + 1) * fy)));
    return {col, h - 1 - fromBottom};
}

} // namespace

TEST(ImageSurface, ConstructedEmpty) {
    const ImageSurface s(kImageJpeg);
    EXPECT_FALSE(s.IsValid());
    EXPECT_EQ(s.Width(), 0);
    EXPECT_EQ(s.Height(), 0);
    EXPECT_EQ(s.Kind(), kImageJpeg);
    EXPECT_EQ(s.AlphaMax(), 255);
    EXPECT_EQ(s.TransparentColour(), -1);
    Canvas canvas(4, 4);
    EXPECT_FALSE(s.Draw(canvas, 0, 0));
}

TEST(ImageSurface, CreateRoundsBitsAndStartsBlack) {
    struct Case {
        int bits, rounded, paletteSize;
    } cases[] = {{0, 1, 2},   {1, 1, 2},  {2, 4, 16},  {4, 4, 16}, {5, 8, 256},
                 {8, 8, 256}, {9, 24, 0}, {16, 24, 0}, {32, 24, 0}};
    for (const Case& c : cases) {
        ImageSurface s;
        ASSERT_TRUE(s.Create(3, 2, c.bits, kImagePng)) << c.bits;
        EXPECT_EQ(s.BitsPerPixel(), c.rounded) << c.bits;
        EXPECT_EQ(s.PaletteSize(), c.paletteSize) << c.bits;
        for (int i = 0; i < s.PaletteSize(); ++i)
            EXPECT_EQ(s.PaletteColour(i), MakeColour(0, 0, 0));
        EXPECT_EQ(s.PixelColour(2, 1), MakeColour(0, 0, 0));
        EXPECT_FALSE(s.HasAlpha());
    }
}

TEST(ImageSurface, CreateRefusesSizesAtTheLimit) {
    struct Case {
        int w, h, bits;
    } cases[] = {{20000, 20000, 24}, {0, 10, 8},        {10, 0, 8},
                 {-5, 10, 8},        {16384, 16384, 8}, {65536, 32768, 1}};
    for (const Case& c : cases) {
        ImageSurface s;
        ASSERT_TRUE(s.Create(2, 2, 24, kImagePng));
        EXPECT_FALSE(s.Create(c.w, c.h, c.bits, kImagePng)) << c.w << "x" << c.h;
        EXPECT_FALSE(s.IsValid());
        EXPECT_FALSE(s.LastError().isEmpty());
    }
    // The limit is on width x height x bits / 8, just below 268435456 bytes.
    EXPECT_FALSE(FitsPictureLimit(16384, 16384, 8));
    EXPECT_TRUE(FitsPictureLimit(16384, 16383, 8));
    EXPECT_FALSE(FitsPictureLimit(65536, 32768, 1));
    EXPECT_TRUE(FitsPictureLimit(65536, 32767, 1));
    EXPECT_FALSE(FitsPictureLimit(2147483647, 2147483647, 24));
}

// Alpha differs from pixel to pixel so every lane of the wide loop meets every alpha; red covers
// every alpha and source value against destinations in steps of 7.
TEST(ImageSurface, AlphaBlendIsExactForEveryValue) {
    int mismatches = 0;
    for (const int alphaMax : {255, 127}) {
        ImageSurface row;
        ASSERT_TRUE(row.Create(256, 1, 24, kImagePng));
        row.SetAlphaMax(alphaMax);
        Canvas canvas(256, 1);
        for (int r = 0; r < 256; ++r) {
            for (int i = 0; i < 256; ++i) {
                row.SetPixelColour(i, 0, MakeColour(i, 255 - i, (i * 5) & 255));
                row.SetAlpha(i, 0, (r + i) & 255);
            }
            for (int q = 0; q < 256; q += alphaMax == 255 ? 7 : 29) {
                for (int i = 0; i < 256; ++i)
                    canvas.SetPixel(i, 0, MakePixel((q + i) & 255, q, 255 - q));
                ASSERT_TRUE(row.Draw(canvas, 0, 0));
                for (int i = 0; i < 256; ++i) {
                    const int a = ((alphaMax + 1) * ((r + i) & 255)) >> 8;
                    const int src[3] = {i, 255 - i, (i * 5) & 255};
                    const int dst[3] = {(q + i) & 255, q, 255 - q};
                    int want[3];
                    for (int ch = 0; ch < 3; ++ch)
                        want[ch] = a == 0     ? dst[ch]
                                   : a == 255 ? src[ch]
                                              : (src[ch] * a + dst[ch] * (255 - a)) >> 8;
                    if (canvas.Pixel(i, 0) != MakePixel(want[0], want[1], want[2]) && ++mismatches < 5)
                        ADD_FAILURE() << "alpha " << ((r + i) & 255) << " max " << alphaMax << " at " << i
                                      << " destination " << q;
                }
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(ImageSurface, CropExamples) {
    ImageSurface source = Numbered(100, 100);
    source.SetAlpha(7, 15, 33);
    source.SetTransparentColour(MakeColour(1, 2, 3));
    source.SetAlphaMax(200);

    ImageSurface cut;
    ASSERT_TRUE(source.Crop(10, 10, 5, 20, cut));
    ASSERT_EQ(cut.Width(), 5);
    ASSERT_EQ(cut.Height(), 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(cut.PixelColour(x, y), MakeColour(5 + x, 10 + y, 100));
    EXPECT_EQ(cut.Alpha(2, 5), 33);
    EXPECT_EQ(cut.Alpha(0, 0), 255);
    EXPECT_EQ(cut.TransparentColour(), MakeColour(1, 2, 3));
    EXPECT_EQ(cut.AlphaMax(), 200);

    EXPECT_FALSE(source.Crop(120, 0, 130, 10, cut)); // both edges clamp to 100
    EXPECT_FALSE(cut.IsValid());
    Canvas canvas(4, 4);
    EXPECT_FALSE(cut.Draw(canvas, 0, 0));
    EXPECT_FALSE(source.Crop(0, 50, 10, 50, cut));

    // Edges beyond the picture are clamped; a crop may replace the surface itself.
    ASSERT_TRUE(source.Crop(-10, 95, 3, 200));
    EXPECT_EQ(source.Width(), 3);
    EXPECT_EQ(source.Height(), 5);
    EXPECT_EQ(source.PixelColour(2, 4), MakeColour(2, 99, 100));
}

TEST(ImageSurface, CropOfPalettePictureKeepsIndicesAndPalette) {
    for (const int bits : {1, 4, 8}) {
        ImageSurface s;
        ASSERT_TRUE(s.Create(13, 5, bits, kImagePng));
        s.SetPaletteColour(1, MakeColour(9, 8, 7));
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 13; ++x)
                s.SetPixelIndex(x, y, (x + y) % s.PaletteSize());
        s.SetAlpha(4, 2, 77);
        s.SetTransparentColour(1);
        ImageSurface cut;
        ASSERT_TRUE(s.Crop(3, 1, 12, 4, cut));
        EXPECT_EQ(cut.BitsPerPixel(), bits);
        EXPECT_EQ(cut.PaletteColour(1), MakeColour(9, 8, 7));
        EXPECT_EQ(cut.TransparentColour(), 1);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 9; ++x)
                EXPECT_EQ(cut.PixelIndex(x, y), (x + 3 + y + 1) % s.PaletteSize()) << bits;
        EXPECT_EQ(cut.Alpha(1, 1), 77);
    }
}

TEST(ImageSurface, DrawPalettePictureSkipsTheTransparentIndex) {
    ImageSurface s;
    ASSERT_TRUE(s.Create(3, 1, 4, kImagePng));
    s.SetPaletteColour(1, MakeColour(200, 0, 0));
    s.SetPaletteColour(2, MakeColour(0, 200, 0));
    s.SetPixelIndex(0, 0, 1);
    s.SetPixelIndex(1, 0, 2);
    s.SetPixelIndex(2, 0, 1);
    s.SetTransparentColour(2);
    Canvas canvas(3, 1, MakeColour(5, 5, 5));
    ASSERT_TRUE(s.Draw(canvas, 0, 0));
    EXPECT_EQ(canvas.ColourAt(0, 0), MakeColour(200, 0, 0));
    EXPECT_EQ(canvas.ColourAt(1, 0), MakeColour(5, 5, 5));
    EXPECT_EQ(canvas.ColourAt(2, 0), MakeColour(200, 0, 0));
}

TEST(ImageSurface, DrawSizesAndFailures) {
    const ImageSurface s = Numbered(4, 3);
    Canvas canvas(10, 10, MakeColour(1, 1, 1));
    EXPECT_FALSE(s.Draw(canvas, 0, 0, 0, 5));
    EXPECT_FALSE(s.Draw(canvas, 0, 0, 5, 0));
    Canvas none;
    EXPECT_FALSE(s.Draw(none, 0, 0));
    EXPECT_EQ(canvas.ColourAt(0, 0), MakeColour(1, 1, 1));

    ASSERT_TRUE(s.Draw(canvas, 2, 3, -1, -1));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            const bool inside = x >= 2 && x < 6 && y >= 3 && y < 6;
            EXPECT_EQ(canvas.ColourAt(x, y), inside ? MakeColour(x - 2, y - 3, 100) : MakeColour(1, 1, 1));
        }
    // Partly off the canvas and within a clip.
    Canvas clipped(4, 4, MakeColour(1, 1, 1));
    clipped.SetClipRect({0, 0, 4, 1});
    ASSERT_TRUE(s.Draw(clipped, -2, -1));
    EXPECT_EQ(clipped.ColourAt(0, 0), MakeColour(2, 1, 100));
    EXPECT_EQ(clipped.ColourAt(1, 0), MakeColour(3, 1, 100));
    EXPECT_EQ(clipped.ColourAt(2, 0), MakeColour(1, 1, 1));
    EXPECT_EQ(clipped.ColourAt(0, 1), MakeColour(1, 1, 1));
}

TEST(ImageSurface, StretchSamplingCountsRowsFromTheBottom) {
    const ImageSurface s = Numbered(10, 10);
    struct Case {
        int cx, cy;
    } cases[] = {{20, 20}, {5, 5}, {7, 3}, {10, 23}, {31, 10}};
    for (const Case& c : cases) {
        for (const bool withAlpha : {false, true}) {
            ImageSurface picture = s;
            if (withAlpha)
                picture.SetAlpha(0, 0, 255);
            Canvas canvas(40, 40);
            ASSERT_TRUE(picture.Draw(canvas, 1, 2, c.cx, c.cy));
            for (int dy = 0; dy < c.cy; ++dy)
                for (int dx = 0; dx < c.cx; ++dx) {
                    const auto [sx, sy] = StretchSource(dx, dy, 10, 10, c.cx, c.cy);
                    ASSERT_EQ(canvas.ColourAt(1 + dx, 2 + dy), MakeColour(sx, sy, 100))
                        << c.cx << "x" << c.cy << " at " << dx << "," << dy;
                }
        }
    }
    // Halving takes columns 0, 2, .. 8 but rows 1, 3, .. 9.
    Canvas half(5, 5);
    ASSERT_TRUE(s.Draw(half, 0, 0, 5, 5));
    EXPECT_EQ(half.ColourAt(0, 0), MakeColour(0, 1, 100));
    EXPECT_EQ(half.ColourAt(4, 4), MakeColour(8, 9, 100));
}

TEST(ImageSurface, LoadRetriesAsUnknownKind) {
    QTemporaryDir dir;
    PngRecipe recipe;
    recipe.colourType = PNG_COLOR_TYPE_RGB;
    recipe.samples = {1, 2, 3};
    const QString pngPath = dir.filePath("picture.bin");
    const QString junkPath = dir.filePath("junk.bin");
    for (const auto& [path, bytes] :
         {std::pair{pngPath, MakePng(recipe)}, {junkPath, "not a picture at all"}}) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    }
    ImageSurface s;
    ASSERT_TRUE(s.Load(pngPath, kImageJpeg));
    EXPECT_EQ(s.Kind(), kImagePng);
    EXPECT_EQ(s.PixelColour(0, 0), MakeColour(1, 2, 3));

    EXPECT_FALSE(s.Load(junkPath, kImageJpeg));
    EXPECT_FALSE(s.IsValid());
    EXPECT_EQ(s.LastError(), "Not a JPEG file"); // the first attempt's reason
    EXPECT_FALSE(s.Load(dir.filePath("missing.png"), kImagePng));
    EXPECT_FALSE(s.LoadFromResource(":/no/such/picture.png", kImagePng));
    EXPECT_FALSE(s.IsValid());
}

TEST(ImageSurface, CanvasPictureSurvivesPngRoundTrip) {
    Canvas canvas(6, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            canvas.SetPixel(x, y, MakePixel(x * 40, y * 60, 7));
    ImageSurface s;
    ASSERT_TRUE(s.MakeFromCanvas(canvas));
    EXPECT_EQ(s.BitsPerPixel(), 24);
    EXPECT_FALSE(s.HasAlpha());
    s.SetAlpha(5, 3, 90);

    QTemporaryDir dir;
    const QString path = dir.filePath("thumb.png");
    ASSERT_TRUE(s.SavePng(path));
    ImageSurface back;
    ASSERT_TRUE(back.Load(path, kImagePng));
    ASSERT_EQ(back.Width(), 6);
    ASSERT_EQ(back.Height(), 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) {
            EXPECT_EQ(back.PixelColour(x, y), MakeColour(x * 40, y * 60, 7));
            EXPECT_EQ(back.Alpha(x, y), x == 5 && y == 3 ? 90 : 255);
        }
    EXPECT_FALSE(s.SavePng(dir.filePath("no/such/folder/x.png")));
}

TEST(ImageSurface, ResampleScalesSmoothly) {
    ImageSurface flat;
    ASSERT_TRUE(flat.Create(30, 20, 24, kImagePng));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x)
            flat.SetPixelColour(x, y, MakeColour(50, 100, 150));
    ASSERT_TRUE(flat.Resample(7, 45));
    EXPECT_EQ(flat.Width(), 7);
    EXPECT_EQ(flat.Height(), 45);
    for (int y = 0; y < 45; ++y)
        for (int x = 0; x < 7; ++x)
            ASSERT_EQ(flat.PixelColour(x, y), MakeColour(50, 100, 150));

    // Fine black and white stripes shrink to grey.
    ImageSurface stripes;
    ASSERT_TRUE(stripes.Create(64, 8, 24, kImagePng));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 64; ++x)
            stripes.SetPixelColour(x, y, x % 2 ? MakeColour(255, 255, 255) : MakeColour(0, 0, 0));
    ASSERT_TRUE(stripes.Resample(8, 1));
    for (int x = 1; x < 7; ++x)
        EXPECT_NEAR(RedOf(stripes.PixelColour(x, 0)), 128, 8) << x;

    EXPECT_FALSE(stripes.Resample(0, 5));
    EXPECT_TRUE(stripes.IsValid());
    EXPECT_FALSE(ImageSurface().Resample(5, 5));
}

// Copies share one set of pixels; whatever changes one of them gives it its own and leaves the others
// as they were.
TEST(ImageSurface, CopiesShareThePixelsUntilOneChanges) {
    ImageSurface palette;
    ASSERT_TRUE(palette.Create(4, 3, 4, kImagePng));
    palette.SetPaletteColour(1, MakeColour(9, 8, 7));
    palette.SetPixelIndex(1, 1, 1);
    const struct {
        const char* what;
        ImageSurface original;
        std::function<void(ImageSurface&)> change;
    } cases[] = {
        {"pixel colour", Numbered(4, 3),
         [](ImageSurface& s) { s.SetPixelColour(1, 1, MakeColour(1, 2, 3)); }},
        {"alpha", Numbered(4, 3), [](ImageSurface& s) { s.SetAlpha(0, 0, 17); }},
        {"transparent colour", Numbered(4, 3), [](ImageSurface& s) { s.SetTransparentColour(0x030201); }},
        {"crop in place", Numbered(4, 3), [](ImageSurface& s) { s.Crop(1, 1, 3, 3); }},
        {"resample", Numbered(4, 3), [](ImageSurface& s) { s.Resample(8, 6); }},
        {"clear", Numbered(4, 3), [](ImageSurface& s) { s.Clear(); }},
        {"palette colour", palette, [](ImageSurface& s) { s.SetPaletteColour(1, MakeColour(1, 1, 1)); }},
        {"palette index", palette, [](ImageSurface& s) { s.SetPixelIndex(1, 1, 0); }},
        {"palette alpha", palette, [](ImageSurface& s) { s.SetAlpha(2, 2, 0); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const PictureData before = c.original.Data();
        ImageSurface copy = c.original;
        EXPECT_TRUE(copy.SharesPixelsWith(c.original));
        c.change(copy);
        EXPECT_FALSE(copy.SharesPixelsWith(c.original));
        EXPECT_FALSE(copy.Data() == before);
        EXPECT_TRUE(c.original.Data() == before);
    }
    // Setting what is already there changes nothing and copies nothing.
    const ImageSurface original = Numbered(4, 3);
    ImageSurface copy = original;
    copy.SetTransparentColour(original.TransparentColour());
    EXPECT_TRUE(copy.SharesPixelsWith(original));
}
