#include "picture/KeyedPicture.h"
#include "support/EncodedImage.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

constexpr Colour kMagenta = MakeColour(255, 0, 255);

// A 4 x 3 picture: magenta on the diagonal, a near-magenta at (3, 0), colours elsewhere.
QImage Sample() {
    QImage image(4, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            image.setPixel(x, y, x == y ? qRgb(255, 0, 255) : qRgb(10 * x + 5, 20 * y + 5, 90));
    image.setPixel(3, 0, qRgb(254, 0, 255));
    return image;
}

KeyedPicture Keyed(Colour transparent) {
    KeyedPicture picture;
    EXPECT_TRUE(picture.Decode(EncodedImage(Sample(), "BMP"))) << picture.LastError().toStdString();
    picture.ApplyKey(transparent);
    return picture;
}

} // namespace

TEST(KeyedPicture, MaskMarksExactKeyColourAndBlackensIt) {
    const KeyedPicture p = Keyed(kMagenta);
    ASSERT_TRUE(p.IsValid());
    ASSERT_EQ(p.Width(), 4);
    ASSERT_EQ(p.Height(), 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(p.IsKey(x, y), x == y) << x << "," << y;
            if (x == y) {
                EXPECT_EQ(p.Picture().ColourAt(x, y), MakeColour(0, 0, 0));
            }
        }
    EXPECT_EQ(p.Picture().ColourAt(3, 0), MakeColour(254, 0, 255));
    EXPECT_EQ(p.Picture().ColourAt(1, 0), MakeColour(15, 5, 90));

    const KeyedPicture opaque = Keyed(kNoColour);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_FALSE(opaque.IsKey(x, y));
    EXPECT_EQ(opaque.Picture().ColourAt(0, 0), kMagenta);
}

TEST(KeyedPicture, MaskedCopyShowsTargetThroughKeyPixels) {
    const KeyedPicture p = Keyed(kMagenta);
    const Colour back = MakeColour(7, 77, 177);
    Canvas target(6, 5, back);
    p.DrawMasked(target, 1, 1, 0, 0, 4, 3);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x) {
            const int px = x - 1, py = y - 1;
            const bool inside = px >= 0 && px < 4 && py >= 0 && py < 3;
            const Colour want = !inside || px == py ? back : p.Picture().ColourAt(px, py);
            EXPECT_EQ(target.ColourAt(x, y), want) << x << "," << y;
        }

    // The same as clearing with the mask (AND) and adding the picture (OR).
    Canvas byOps(6, 5, back);
    byOps.Copy(1, 1, 4, 3, p.Mask(), 0, 0, RasterOp::And);
    byOps.Copy(1, 1, 4, 3, p.Picture(), 0, 0, RasterOp::Or);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(byOps.Pixel(x, y), target.Pixel(x, y));

    // A source block reaching past the picture draws only its inside part.
    Canvas partial(3, 3, back);
    p.DrawMasked(partial, 0, 0, 2, 1, 3, 3);
    EXPECT_EQ(partial.ColourAt(0, 0), p.Picture().ColourAt(2, 1));
    EXPECT_EQ(partial.ColourAt(1, 1), p.Picture().ColourAt(3, 2));
    EXPECT_EQ(partial.ColourAt(0, 1), back); // key pixel (2, 2)
    EXPECT_EQ(partial.ColourAt(2, 0), back);
    EXPECT_EQ(partial.ColourAt(0, 2), back);
}

TEST(KeyedPicture, AlphaRectangleBlendTruncatesInDoublePrecision) {
    // Column 0 is the source; columns 1 .. 3 are alpha pixels with red k = 0, 128, 255.
    QImage image(4, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(200, 0, 0));
    image.setPixel(1, 0, qRgb(0, 99, 99));
    image.setPixel(2, 0, qRgb(128, 0, 0));
    image.setPixel(3, 0, qRgb(255, 255, 255));
    KeyedPicture p;
    ASSERT_TRUE(p.Decode(EncodedImage(image, "BMP")));
    p.ApplyKey(kNoColour);
    struct Case {
        int ax;
        Colour expected;
    } cases[] = {
        {1, MakeColour(200, 0, 0)},   // black alpha shows the source
        {2, MakeColour(150, 50, 50)}, // 200 * 0.5 + 100 * 0.5
        {3, MakeColour(100, 99, 99)}, // 200 / 256 + 100 * 255 / 256 = 100.39; 100 * 255 / 256 = 99.6
    };
    for (const Case& c : cases) {
        Canvas target(1, 1, MakeColour(100, 100, 100));
        p.DrawAlphaRect(target, 0, 0, 0, 0, 1, 1, c.ax, 0);
        EXPECT_EQ(target.ColourAt(0, 0), c.expected) << c.ax;
    }
    // Sizes below 1 and positions outside the picture draw nothing.
    Canvas target(2, 2, MakeColour(100, 100, 100));
    p.DrawAlphaRect(target, 0, 0, 0, 0, 0, 1, 1, 0);
    p.DrawAlphaRect(target, 0, 0, 0, 0, 1, 1, 4, 0);
    p.DrawAlphaRect(target, 0, 0, 0, 0, 2, 2, 2, 0);
    EXPECT_EQ(target.ColourAt(0, 0), MakeColour(150, 50, 50));
    EXPECT_EQ(target.ColourAt(1, 0), MakeColour(99, 99, 99));    // source (0, 99, 99) under white alpha
    EXPECT_EQ(target.ColourAt(0, 1), MakeColour(100, 100, 100)); // no picture row 1
}

TEST(KeyedPicture, AlphaIsComposedOverBlackAndBadDataFails) {
    QImage image(1, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(255, 100, 0, 128));
    KeyedPicture p;
    ASSERT_TRUE(p.Decode(EncodedImage(image, "PNG")));
    EXPECT_EQ(p.Picture().ColourAt(0, 0), MakeColour(128, 50, 0));

    EXPECT_FALSE(p.Decode("definitely not a picture"));
    EXPECT_FALSE(p.IsValid());
    EXPECT_FALSE(p.LastError().isEmpty());
    EXPECT_FALSE(p.Load("/no/such/file.bmp"));
    Canvas target(2, 2, MakeColour(1, 2, 3));
    p.DrawMasked(target, 0, 0, 0, 0, 2, 2);
    EXPECT_EQ(target.ColourAt(0, 0), MakeColour(1, 2, 3));
}

TEST(KeyedPicture, ReadsOnlyTheFormatsOfItsList) {
    // One magenta pixel as a GIF: a two-colour table, then the LZW codes clear, 0, end.
    const QByteArray gif("GIF89a\x01\x00\x01\x00\x80\x00\x00\xFF\x00\xFF\x00\x00\x00"
                         ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;",
                         35);
    const QColor magenta(255, 0, 255);
    const struct {
        const char* label;
        QByteArray bytes;
        KeyedPictureFormat format;
        bool reads;
    } cases[] = {
        {"BMP", EncodedImage(2, 2, magenta, "BMP"), KeyedPictureFormat::Bmp, true},
        {"GIF", gif, KeyedPictureFormat::Gif, true},
        {"ICO", EncodedImage(2, 2, magenta, "ICO"), KeyedPictureFormat::Ico, true},
        {"PNG, by the program's decoder", EncodedImage(2, 2, magenta, "PNG"), KeyedPictureFormat::Png, true},
        {"JPEG, by the program's decoder", EncodedImage(2, 2, magenta, "JPEG"), KeyedPictureFormat::Jpeg,
         true},
        {"PPM, which Qt reads but no skin uses", EncodedImage(2, 2, magenta, "PPM"), KeyedPictureFormat::None,
         false},
        {"XPM", EncodedImage(2, 2, magenta, "XPM"), KeyedPictureFormat::None, false},
        {"a BMP cut short", EncodedImage(2, 2, magenta, "BMP").left(20), KeyedPictureFormat::Bmp, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        ASSERT_FALSE(c.bytes.isEmpty()) << "Qt could not write the sample";
        EXPECT_EQ(KeyedPictureFormatOf(c.bytes), c.format);
        KeyedPicture p;
        EXPECT_EQ(p.Decode(c.bytes), c.reads) << p.LastError().toStdString();
        if (!c.reads) {
            EXPECT_FALSE(p.IsValid());
            continue;
        }
        // JPEG's loss may move the colour a little.
        const Colour pixel = p.Picture().ColourAt(0, 0);
        EXPECT_NEAR(RedOf(pixel), 255, 4);
        EXPECT_NEAR(GreenOf(pixel), 0, 4);
        EXPECT_NEAR(BlueOf(pixel), 255, 4);
    }
}

TEST(KeyedPicture, TransparencyOfOwnDecodersIsComposedOverBlack) {
    // A palette PNG with one transparent entry and an RGB PNG with a transparent colour: the key pixels
    // come out black, as a reader giving alpha 0 there composes them.
    QImage palette(2, 1, QImage::Format_Indexed8);
    palette.setColorTable({qRgba(0, 0, 0, 0), qRgb(10, 200, 30)});
    palette.setPixel(0, 0, 0);
    palette.setPixel(1, 0, 1);
    KeyedPicture p;
    ASSERT_TRUE(p.Decode(EncodedImage(palette, "PNG"))) << p.LastError().toStdString();
    EXPECT_EQ(p.Picture().ColourAt(0, 0), MakeColour(0, 0, 0));
    EXPECT_EQ(p.Picture().ColourAt(1, 0), MakeColour(10, 200, 30));
}
