#include "document/FrameMargins.h"

#include "picture/ImageSurface.h"

#include <QString>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <random>

static void PrintTo(const FrameMargins& m, std::ostream* out) {
    *out << m.left << "," << m.top << "," << m.right << "," << m.bottom;
}

namespace {

struct Rgba {
    int r, g, b, a = 255;
};

// A 24-bit picture painted pixel by pixel; an alpha plane only when some pixel asks for one.
ImageSurface Paint(int width, int height, const std::function<Rgba(int, int)>& pixel) {
    ImageSurface picture;
    EXPECT_TRUE(picture.Create(width, height, 24, kImagePng));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgba p = pixel(x, y);
            picture.SetPixelColour(x, y, MakeColour(p.r, p.g, p.b));
            if (p.a != 255 || picture.HasAlpha())
                picture.SetAlpha(x, y, p.a);
        }
    }
    return picture;
}

// Columns named by letters, equal letters equal columns; every row alike.
ImageSurface Columns(const char* letters, int height = 4) {
    const QString names = QString::fromLatin1(letters);
    return Paint(static_cast<int>(names.size()), height, [&](int x, int) {
        const int c = names[x].unicode();
        return Rgba{c * 7 % 256, c * 13 % 256, c * 29 % 256};
    });
}

Rgba Noise(std::mt19937& random) {
    return {static_cast<int>(random() % 256), static_cast<int>(random() % 256),
            static_cast<int>(random() % 256)};
}

// A frame of w x h at (ox, oy) on a sheet of noise: noise corners, bands of one colour per row (top and
// bottom) or column (left and right), one colour in the middle; so only the margins given are not
// stretchable.
ImageSurface BandedFrame(int sheetW, int sheetH, int ox, int oy, int w, int h, FrameMargins m) {
    std::mt19937 random(7);
    return Paint(sheetW, sheetH, [&](int sx, int sy) {
        const int x = sx - ox, y = sy - oy;
        if (x < 0 || y < 0 || x >= w || y >= h)
            return Noise(random);
        const bool left = x < m.left, right = x >= w - m.right, top = y < m.top, bottom = y >= h - m.bottom;
        if ((left || right) && (top || bottom))
            return Noise(random);
        if (top)
            return Rgba{10 * y, 200, 0};
        if (bottom)
            return Rgba{10 * (h - y), 0, 200};
        if (left)
            return Rgba{0, 10 * x, 90};
        if (right)
            return Rgba{90, 10 * (w - x), 0};
        return Rgba{250, 240, 200};
    });
}

// Bands of thickness 2 all round, with the four corners cut along a diagonal of size cut: the pixels
// there keep their colour and lose their alpha.
ImageSurface CutCorners(int w, int h, int cut) {
    return Paint(w, h, [&](int x, int y) {
        const int dx = std::min(x, w - 1 - x), dy = std::min(y, h - 1 - y);
        Rgba pixel = std::min(dx, dy) < 2 ? Rgba{120, 90, 40, 220} : Rgba{255, 255, 240};
        if (dx + dy < cut)
            pixel.a = 0;
        return pixel;
    });
}

// Column 0 red, a grey ramp of one level a column, the last column blue; rows alike.
ImageSurface Ramp(int w) {
    return Paint(w, 5, [&](int x, int) {
        if (x == 0)
            return Rgba{255, 0, 0};
        if (x == w - 1)
            return Rgba{0, 0, 255};
        return Rgba{100 + x, 100 + x, 100 + x};
    });
}

} // namespace

TEST(FrameMargins, FoundOnMadeUpFrames) {
    std::mt19937 random(3);
    const ImageSurface noise = Paint(31, 20, [&](int, int) { return Noise(random); });
    const struct Case {
        const char* what;
        ImageSurface picture;
        CanvasRect rect;
        int tolerance;
        FrameMargins expected;
    } cases[] = {
        {"known margins, noise around the frame",
         BandedFrame(50, 40, 5, 6, 30, 20, {4, 6, 3, 2}),
         CanvasRect::FromSize(5, 6, 30, 20),
         0,
         {4, 6, 3, 2}},
        {"a title band taller than the bottom border",
         BandedFrame(40, 50, 3, 2, 24, 40, {3, 14, 3, 2}),
         CanvasRect::FromSize(3, 2, 24, 40),
         0,
         {3, 14, 3, 2}},
        {"the frame fills the sheet",
         BandedFrame(30, 20, 0, 0, 30, 20, {5, 4, 6, 3}),
         {0, 0, 30, 20},
         0,
         {5, 4, 6, 3}},
        {"a rectangle running off the sheet is clipped",
         BandedFrame(30, 20, 0, 0, 30, 20, {5, 4, 6, 3}),
         CanvasRect::FromSize(-7, -3, 50, 40),
         0,
         {5, 4, 6, 3}},
        // Only alpha tells the cut columns from the stretchable ones.
        {"corners cut transparent", CutCorners(30, 24, 6), {0, 0, 30, 24}, 0, {6, 6, 6, 6}},
        {"the longest run", Columns("abbbcdddde"), {0, 0, 10, 4}, 0, {5, 1, 1, 1}},
        {"of equal runs the one nearest the middle", Columns("abbcddeffgh"), {0, 0, 11, 4}, 0, {4, 1, 5, 1}},
        {"of runs as near the middle the leftmost", Columns("abbcdeffg"), {0, 0, 9, 4}, 0, {1, 1, 6, 1}},
        {"a run may not take the first column", Columns("aaaabccd"), {0, 0, 8, 4}, 0, {1, 1, 4, 1}},
        {"no repeated column gives thirds across", Columns("abcdefghij"), {0, 0, 10, 4}, 0, {3, 1, 3, 1}},
        {"no repeated run either way gives thirds", noise, {0, 0, 31, 20}, 0, {10, 6, 10, 6}},
        {"a ramp without tolerance has no run", Ramp(12), {0, 0, 12, 5}, 0, {4, 1, 4, 1}},
        // Columns 1 .. 10 are 101 .. 110: a tolerance of 9 takes them all; one of 4 gives runs of five,
        // columns 3 .. 7 and 4 .. 8 equally near the middle.
        {"a ramp within the tolerance", Ramp(12), {0, 0, 12, 5}, 9, {1, 1, 1, 1}},
        {"runs of a ramp measured from their first column", Ramp(12), {0, 0, 12, 5}, 4, {3, 1, 4, 1}},
        {"a tolerance over the whole picture", Ramp(12), {0, 0, 12, 5}, 255, {1, 1, 1, 1}},
        {"a rectangle of 3 by 3", Columns("abc", 3), {0, 0, 3, 3}, 0, {1, 1, 1, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(FindFrameMargins(c.picture, c.rect, c.tolerance), c.expected);
    }
}

TEST(FrameMargins, NothingToMeasure) {
    const ImageSurface picture = Columns("abbc");
    EXPECT_EQ(FindFrameMargins(ImageSurface(), {0, 0, 10, 10}), FrameMargins());
    EXPECT_EQ(FindFrameMargins(picture, {10, 10, 20, 20}), FrameMargins());
}
