#include "picture/Canvas.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// A canvas whose pixel (x, y) has the colour (x, y, x + y), for telling pixels apart.
Canvas Numbered(int w, int h) {
    Canvas c(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            c.SetPixel(x, y, MakePixel(x, y, x + y));
    return c;
}

} // namespace

TEST(Canvas, PixelAndColourWordsConvertBothWays) {
    const Colour c = MakeColour(10, 20, 30);
    EXPECT_EQ(PixelFromColour(c), 0xFF0A141Eu);
    EXPECT_EQ(ColourFromPixel(PixelFromColour(c)), c);
    EXPECT_EQ(ColourFromPixel(MakePixel(255, 0, 128)), MakeColour(255, 0, 128));
}

TEST(Canvas, CreateRefusesEmptyAndOversizedCanvases) {
    struct Case {
        int w, h;
        bool ok;
    } cases[] = {{1, 1, true},   {0, 5, false},       {5, 0, false},
                 {-3, 5, false}, {8192, 8192, false}, {100000, 100000, false}};
    for (const Case& c : cases) {
        Canvas canvas(7, 7);
        EXPECT_EQ(canvas.Create(c.w, c.h), c.ok) << c.w << "x" << c.h;
        EXPECT_EQ(canvas.IsValid(), c.ok);
        EXPECT_EQ(canvas.Width(), c.ok ? c.w : 0);
    }
    Canvas filled(3, 2, MakeColour(1, 2, 3));
    EXPECT_EQ(filled.ColourAt(2, 1), MakeColour(1, 2, 3));
    EXPECT_EQ(filled.ClipRect(), (CanvasRect{0, 0, 3, 2}));
}

TEST(Canvas, PixelAccessOutsideIsHarmless) {
    Canvas c(2, 2);
    c.SetPixel(-1, 0, MakePixel(1, 1, 1));
    c.SetPixel(2, 0, MakePixel(1, 1, 1));
    EXPECT_EQ(c.Pixel(-1, 0), 0u);
    EXPECT_EQ(c.Pixel(0, 2), 0u);
    EXPECT_EQ(c.Pixel(0, 0), MakePixel(0, 0, 0));
}

TEST(Canvas, FillAndBlendStayInsideClipAndCanvas) {
    Canvas c(10, 10, MakeColour(0, 0, 0));
    c.SetClipRect({2, 3, 6, 20});
    EXPECT_EQ(c.ClipRect(), (CanvasRect{2, 3, 6, 10}));
    c.Fill({-5, -5, 100, 100}, MakeColour(255, 255, 255));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(c.ColourAt(x, y) == MakeColour(255, 255, 255), x >= 2 && x < 6 && y >= 3)
                << x << "," << y;
    c.ResetClip();
    c.Blend({0, 0, 3, 1}, MakeColour(255, 0, 0), 255);
    EXPECT_EQ(c.ColourAt(2, 0), MakeColour(255, 0, 0));
    EXPECT_EQ(c.ColourAt(3, 0), MakeColour(0, 0, 0));
}

// Every opacity, source and destination value against (s * a + d * (255 - a) + 127) / 255, through the
// four-pixel path (a row of 256) and the one-pixel path that ends rows (rows of 3, one per destination).
TEST(Canvas, BlendIsExactForEveryValue) {
    for (const int width : {256, 3}) {
        SCOPED_TRACE(width);
        const bool wide = width == 256;
        Canvas c(width, wide ? 1 : 256);
        const auto destinationAt = [wide](int x, int y) { return wide ? x : y; };
        int mismatches = 0;
        for (int a = 0; a < 256; ++a) {
            for (int s = 0; s < 256; s += s == 0 ? 1 : (s == 1 ? 4 : 5)) {
                for (int y = 0; y < c.Height(); ++y)
                    for (int x = 0; x < c.Width(); ++x) {
                        const int d = destinationAt(x, y);
                        c.SetPixel(x, y, MakePixel(d, 255 - d, d));
                    }
                c.Blend(c.Bounds(), MakeColour(s, s, 255 - s), a);
                for (int y = 0; y < c.Height(); ++y)
                    for (int x = 0; x < c.Width(); ++x) {
                        const int d = destinationAt(x, y);
                        const CanvasPixel want = MakePixel((s * a + d * (255 - a) + 127) / 255,
                                                           (s * a + (255 - d) * (255 - a) + 127) / 255,
                                                           ((255 - s) * a + d * (255 - a) + 127) / 255);
                        if (c.Pixel(x, y) != want && ++mismatches < 5)
                            ADD_FAILURE() << "opacity " << a << " source " << s << " destination " << d;
                    }
            }
        }
        EXPECT_EQ(mismatches, 0);
    }
}

TEST(Canvas, BlendKeepsOpacityWithinRange) {
    Canvas c(1, 1, MakeColour(100, 100, 100));
    c.Blend(c.Bounds(), MakeColour(200, 200, 200), 300);
    EXPECT_EQ(c.ColourAt(0, 0), MakeColour(200, 200, 200));
    c.Blend(c.Bounds(), MakeColour(0, 0, 0), -5);
    EXPECT_EQ(c.ColourAt(0, 0), MakeColour(200, 200, 200));
}

TEST(Canvas, CopyCombinesByRasterOp) {
    const Canvas source = Numbered(4, 4);
    const CanvasPixel back = MakePixel(0xF0, 0x0F, 0xFF);
    struct Case {
        RasterOp op;
        CanvasPixel (*combine)(CanvasPixel s, CanvasPixel d);
    } cases[] = {{RasterOp::Copy, [](CanvasPixel s, CanvasPixel) { return s; }},
                 {RasterOp::And, [](CanvasPixel s, CanvasPixel d) { return s & d; }},
                 {RasterOp::Or, [](CanvasPixel s, CanvasPixel d) { return s | d; }}};
    for (const Case& c : cases) {
        Canvas target(5, 5, ColourFromPixel(back));
        target.Copy(3, 3, 2, 2, source, 1, 2, c.op);
        EXPECT_EQ(target.Pixel(3, 3), c.combine(MakePixel(1, 2, 3), back));
        EXPECT_EQ(target.Pixel(4, 4), c.combine(MakePixel(2, 3, 5), back));
        EXPECT_EQ(target.Pixel(2, 3), back);
        EXPECT_EQ(target.Pixel(3, 2), back);
    }
}

TEST(Canvas, CopySkipsSourceOutsideAndHonoursClip) {
    const Canvas source = Numbered(4, 4);
    Canvas target(6, 6, MakeColour(9, 9, 9));
    target.SetClipRect({0, 0, 6, 2});
    // Source columns -2 .. 3, rows -1 .. 2: only (0 .. 3, 0 .. 2) exist; the clip keeps target rows 0, 1.
    target.Copy(0, 0, 6, 4, source, -2, -1);
    EXPECT_EQ(target.ColourAt(0, 1), MakeColour(9, 9, 9));
    EXPECT_EQ(target.ColourAt(2, 0), MakeColour(9, 9, 9));
    EXPECT_EQ(target.Pixel(2, 1), MakePixel(0, 0, 0));
    EXPECT_EQ(target.Pixel(5, 1), MakePixel(3, 0, 3));
    EXPECT_EQ(target.ColourAt(2, 2), MakeColour(9, 9, 9));
}

TEST(Canvas, OverlappingCopyWithinOneCanvas) {
    Canvas c = Numbered(5, 5);
    const Canvas before = c;
    c.Copy(1, 1, 4, 4, c, 0, 0);
    for (int y = 1; y < 5; ++y)
        for (int x = 1; x < 5; ++x)
            EXPECT_EQ(c.Pixel(x, y), before.Pixel(x - 1, y - 1)) << x << "," << y;
    Canvas d = Numbered(5, 5);
    d.Copy(0, 0, 4, 4, d, 1, 1, RasterOp::Or);
    EXPECT_EQ(d.Pixel(0, 0), before.Pixel(0, 0) | before.Pixel(1, 1));
    EXPECT_EQ(d.Pixel(3, 3), before.Pixel(3, 3) | before.Pixel(4, 4));
}

TEST(Canvas, StretchCopyReplicatesPixels) {
    const Canvas source = Numbered(3, 2);
    Canvas target(12, 6);
    target.StretchCopy(0, 0, 9, 6, source, 0, 0, 3, 2);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 9; ++x)
            EXPECT_EQ(target.Pixel(x, y), source.Pixel(x / 3, y / 3)) << x << "," << y;
    EXPECT_EQ(target.Pixel(9, 0), MakePixel(0, 0, 0));

    // Shrinking takes source column sx + X * sw / w.
    Canvas small(2, 1);
    small.StretchCopy(0, 0, 2, 1, Numbered(5, 1), 0, 0, 5, 1);
    EXPECT_EQ(small.Pixel(0, 0), MakePixel(0, 0, 0));
    EXPECT_EQ(small.Pixel(1, 0), MakePixel(2, 0, 2));

    // A source block partly beyond the source leaves those target pixels alone.
    Canvas beyond(4, 1, MakeColour(7, 7, 7));
    beyond.StretchCopy(0, 0, 4, 1, source, 2, 0, 2, 1);
    EXPECT_EQ(beyond.Pixel(1, 0), source.Pixel(2, 0));
    EXPECT_EQ(beyond.ColourAt(2, 0), MakeColour(7, 7, 7));
}

TEST(Canvas, ImageViewPaintsIntoCanvasMemory) {
    Canvas c(8, 4, MakeColour(0, 0, 0));
    QImage view = c.ImageView();
    ASSERT_EQ(view.format(), QImage::Format_RGB32);
    ASSERT_EQ(view.size(), QSize(8, 4));
    {
        QPainter painter(&view);
        painter.fillRect(QRect(2, 1, 3, 2), QColor(10, 200, 30));
    }
    EXPECT_EQ(c.ColourAt(2, 1), MakeColour(10, 200, 30));
    EXPECT_EQ(c.ColourAt(4, 2), MakeColour(10, 200, 30));
    EXPECT_EQ(c.ColourAt(5, 1), MakeColour(0, 0, 0));
    EXPECT_EQ(c.Pixel(3, 1) >> 24, 0xFFu);
    EXPECT_TRUE(Canvas().ImageView().isNull());
}
