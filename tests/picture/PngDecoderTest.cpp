#include "picture/PngDecoder.h"
#include "PictureMakers.h"
#include "picture/Canvas.h"
#include "picture/ImageSurface.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <random>
#include <zlib.h>

// AddressSanitizer's allocation hooks, when the program runs under it.
extern "C" __attribute__((weak)) int
__sanitizer_install_malloc_and_free_hooks(void (*mallocHook)(const volatile void*, std::size_t),
                                          void (*freeHook)(const volatile void*));

namespace {

constexpr int kW = 9; // odd sizes exercise every interlace pass and partial bytes
constexpr int kH = 7;

int MaxOf(int depth) {
    return (1 << depth) - 1;
}

// A sample that differs between neighbours at every depth.
std::uint16_t Sample(int x, int y, int channel, int depth) {
    if (depth == 16)
        return static_cast<std::uint16_t>((x * 7919 + y * 10427 + channel * 31337) & 0xFFFF);
    return static_cast<std::uint16_t>((x * 3 + y * 5 + channel * 7) % (MaxOf(depth) + 1));
}

// A sample as the decoder reports it: high byte of 16-bit ones, bit replication of short ones.
int Eight(int value, int depth) {
    if (depth == 16)
        return value >> 8;
    return value * (255 / MaxOf(depth));
}

png_color PaletteColour(int i) {
    return png_color{static_cast<png_byte>(i * 3), static_cast<png_byte>(255 - i),
                     static_cast<png_byte>(i * 7)};
}

PngRecipe Recipe(int colourType, int depth, bool interlaced) {
    PngRecipe recipe;
    recipe.width = kW;
    recipe.height = kH;
    recipe.colourType = colourType;
    recipe.bitDepth = depth;
    recipe.interlaced = interlaced;
    const int channels = ChannelsOf(colourType);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            for (int c = 0; c < channels; ++c)
                recipe.samples.push_back(Sample(x, y, c, depth));
    if (colourType == PNG_COLOR_TYPE_PALETTE)
        for (int i = 0; i <= MaxOf(depth); ++i)
            recipe.palette.push_back(PaletteColour(i));
    return recipe;
}

// DecodePngFrom over the bytes, read from a device as a file would be.
bool DecodeFromDevice(const unsigned char* data, std::size_t size, PictureData& out, QString& error) {
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    return DecodePngFrom(device, out, error);
}

// Decoded from memory; read from a device as it decodes, the picture must be the same.
ImageSurface Decoded(const PngRecipe& recipe) {
    const QByteArray bytes = MakePng(recipe);
    EXPECT_FALSE(bytes.isEmpty());
    ImageSurface surface;
    EXPECT_TRUE(surface.Decode(bytes, kImagePng)) << surface.LastError().toStdString();
    PictureData streamed;
    QString error;
    EXPECT_TRUE(DecodeFromDevice(reinterpret_cast<const unsigned char*>(bytes.constData()),
                                 static_cast<std::size_t>(bytes.size()), streamed, error))
        << error.toStdString();
    EXPECT_TRUE(streamed == surface.Data());
    return surface;
}

// Sets width and height in a PNG's header and mends the header's CRC.
QByteArray WithHeaderSize(QByteArray png, quint32 width, quint32 height) {
    PutBe32(png, 16, width);
    PutBe32(png, 20, height);
    PutBe32(png, 29,
            static_cast<quint32>(crc32(0, reinterpret_cast<const Bytef*>(png.constData() + 12), 17)));
    return png;
}

// Replaces the two-byte grey value of a PNG's tRNS chunk and mends the chunk's CRC.
QByteArray WithGreyTransparency(QByteArray png, quint16 grey) {
    const qsizetype at = png.indexOf("tRNS");
    png[at + 4] = static_cast<char>(grey >> 8);
    png[at + 5] = static_cast<char>(grey);
    PutBe32(png, at + 6,
            static_cast<quint32>(crc32(0, reinterpret_cast<const Bytef*>(png.constData() + at), 6)));
    return png;
}

// A chunk put right after the header: its declared length may claim more than the data it brings.
QByteArray WithChunk(QByteArray png, const char* type, const QByteArray& data, quint32 declaredLength) {
    QByteArray chunk(4, '\0');
    PutBe32(chunk, 0, declaredLength);
    chunk += QByteArray(type, 4) + data + QByteArray(4, '\0');
    PutBe32(chunk, chunk.size() - 4,
            static_cast<quint32>(crc32(0, reinterpret_cast<const Bytef*>(chunk.constData() + 4),
                                       static_cast<uInt>(chunk.size() - 8))));
    return png.insert(33, chunk); // signature 8, header chunk 25
}

// The largest single allocation while a watch is on; only AddressSanitizer builds can tell.
std::atomic<bool> gWatching{false};
std::atomic<std::size_t> gLargest{0};

std::atomic<int> gMegabytes{0}; // allocations of 1 MiB or more

void OnMalloc(const volatile void*, std::size_t size) {
    if (gWatching && size > gLargest)
        gLargest = size;
    if (gWatching && size >= (std::size_t{1} << 20))
        ++gMegabytes;
}
void OnFree(const volatile void*) {}

bool CanWatchAllocations() {
    static const bool installed = __sanitizer_install_malloc_and_free_hooks &&
                                  __sanitizer_install_malloc_and_free_hooks(OnMalloc, OnFree);
    return installed;
}

} // namespace

struct PngFormat {
    int colourType;
    int depth;
};

class PngEveryFormat : public ::testing::TestWithParam<std::tuple<PngFormat, bool>> {};

TEST_P(PngEveryFormat, DecodesEverySample) {
    const auto [format, interlaced] = GetParam();
    const ImageSurface s = Decoded(Recipe(format.colourType, format.depth, interlaced));
    ASSERT_TRUE(s.IsValid());
    EXPECT_EQ(s.Width(), kW);
    EXPECT_EQ(s.Height(), kH);
    EXPECT_EQ(s.Kind(), kImagePng);
    const bool palette = format.colourType == PNG_COLOR_TYPE_PALETTE;
    const bool alpha =
        format.colourType == PNG_COLOR_TYPE_GRAY_ALPHA || format.colourType == PNG_COLOR_TYPE_RGB_ALPHA;
    EXPECT_EQ(s.BitsPerPixel(), palette ? (format.depth == 2 ? 4 : format.depth) : 24);
    EXPECT_EQ(s.HasAlpha(), alpha);
    EXPECT_EQ(s.TransparentColour(), -1);
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            Colour expected;
            int expectedAlpha = 255;
            const int d = format.depth;
            switch (format.colourType) {
            case PNG_COLOR_TYPE_PALETTE: {
                const int index = Sample(x, y, 0, d);
                EXPECT_EQ(s.PixelIndex(x, y), index);
                const png_color c = PaletteColour(index);
                expected = MakeColour(c.red, c.green, c.blue);
                break;
            }
            case PNG_COLOR_TYPE_GRAY:
            case PNG_COLOR_TYPE_GRAY_ALPHA: {
                const int g = Eight(Sample(x, y, 0, d), d);
                expected = MakeColour(g, g, g);
                if (alpha)
                    expectedAlpha = Eight(Sample(x, y, 1, d), d);
                break;
            }
            default:
                expected = MakeColour(Eight(Sample(x, y, 0, d), d), Eight(Sample(x, y, 1, d), d),
                                      Eight(Sample(x, y, 2, d), d));
                if (alpha)
                    expectedAlpha = Eight(Sample(x, y, 3, d), d);
            }
            ASSERT_EQ(s.PixelColour(x, y), expected) << x << "," << y;
            ASSERT_EQ(s.Alpha(x, y), expectedAlpha) << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Png, PngEveryFormat,
    ::testing::Combine(
        ::testing::Values(PngFormat{PNG_COLOR_TYPE_GRAY, 1}, PngFormat{PNG_COLOR_TYPE_GRAY, 2},
                          PngFormat{PNG_COLOR_TYPE_GRAY, 4}, PngFormat{PNG_COLOR_TYPE_GRAY, 8},
                          PngFormat{PNG_COLOR_TYPE_GRAY, 16}, PngFormat{PNG_COLOR_TYPE_RGB, 8},
                          PngFormat{PNG_COLOR_TYPE_RGB, 16}, PngFormat{PNG_COLOR_TYPE_PALETTE, 1},
                          PngFormat{PNG_COLOR_TYPE_PALETTE, 2}, PngFormat{PNG_COLOR_TYPE_PALETTE, 4},
                          PngFormat{PNG_COLOR_TYPE_PALETTE, 8}, PngFormat{PNG_COLOR_TYPE_GRAY_ALPHA, 8},
                          PngFormat{PNG_COLOR_TYPE_GRAY_ALPHA, 16}, PngFormat{PNG_COLOR_TYPE_RGB_ALPHA, 8},
                          PngFormat{PNG_COLOR_TYPE_RGB_ALPHA, 16}),
        ::testing::Bool()));

TEST(PngDecoder, PaletteTransparencyEntriesGiveAnAlphaPlane) {
    PngRecipe recipe = Recipe(PNG_COLOR_TYPE_PALETTE, 4, false);
    recipe.trans = {0, 128, 255, 40};
    const ImageSurface s = Decoded(recipe);
    ASSERT_TRUE(s.HasAlpha());
    EXPECT_EQ(s.TransparentColour(), -1);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            const int index = s.PixelIndex(x, y);
            EXPECT_EQ(s.Alpha(x, y), index < 4 ? recipe.trans[index] : 255);
        }
}

// One transparency entry names index 0 as the transparent colour whatever opacity it gives: its pixels
// are skipped when drawn and every other pixel is opaque, as the note program draws such pictures.
TEST(PngDecoder, SinglePaletteTransparencyEntry) {
    const Colour under = MakeColour(1, 2, 3);
    for (const png_byte entry : {png_byte(0), png_byte(100), png_byte(255)}) {
        SCOPED_TRACE(int(entry));
        PngRecipe recipe = Recipe(PNG_COLOR_TYPE_PALETTE, 8, false);
        recipe.trans = {entry};
        const ImageSurface s = Decoded(recipe);
        EXPECT_EQ(s.TransparentColour(), 0);
        EXPECT_FALSE(s.HasAlpha());
        Canvas canvas(kW, kH, under);
        ASSERT_TRUE(s.Draw(canvas, 0, 0));
        int skipped = 0;
        for (int y = 0; y < kH; ++y) {
            for (int x = 0; x < kW; ++x) {
                const int index = Sample(x, y, 0, 8);
                const png_color c = PaletteColour(index);
                skipped += index == 0;
                ASSERT_EQ(canvas.ColourAt(x, y), index == 0 ? under : MakeColour(c.red, c.green, c.blue))
                    << x << "," << y;
            }
        }
        EXPECT_GT(skipped, 0);
    }
}

TEST(PngDecoder, SingleColourTransparencyBecomesTheTransparentColour) {
    struct Case {
        int colourType, depth;
        png_color_16 trans;
        Colour expected;
    } cases[] = {
        {PNG_COLOR_TYPE_GRAY, 4, {0, 0, 0, 0, 5}, MakeColour(85, 85, 85)},
        {PNG_COLOR_TYPE_GRAY, 1, {0, 0, 0, 0, 1}, MakeColour(255, 255, 255)},
        {PNG_COLOR_TYPE_RGB, 8, {0, 10, 20, 30, 0}, MakeColour(10, 20, 30)},
    };
    for (const Case& c : cases) {
        PngRecipe recipe = Recipe(c.colourType, c.depth, false);
        recipe.hasTransColour = true;
        recipe.transColour = c.trans;
        const ImageSurface s = Decoded(recipe);
        EXPECT_EQ(s.TransparentColour(), c.expected);
        EXPECT_FALSE(s.HasAlpha());
    }
}

TEST(PngDecoder, OutOfRangeTransparentGreyMatchesNoPixel) {
    PngRecipe recipe = Recipe(PNG_COLOR_TYPE_GRAY, 2, false);
    recipe.hasTransColour = true;
    recipe.transColour = {0, 0, 0, 0, 3};
    ImageSurface s;
    ASSERT_TRUE(s.Decode(MakePng(recipe), kImagePng));
    EXPECT_EQ(s.TransparentColour(), MakeColour(255, 255, 255));
    ASSERT_TRUE(s.Decode(WithGreyTransparency(MakePng(recipe), 7), kImagePng)) << s.LastError().toStdString();
    EXPECT_EQ(s.TransparentColour(), -1);
    EXPECT_FALSE(s.HasAlpha());
}

TEST(PngDecoder, SixteenBitTransparencyMatchesTheFullValueOnly) {
    PngRecipe recipe;
    recipe.width = 2;
    recipe.colourType = PNG_COLOR_TYPE_RGB;
    recipe.bitDepth = 16;
    recipe.samples = {0x1234, 0x5678, 0x9ABC, 0x1235, 0x5678, 0x9ABC};
    recipe.hasTransColour = true;
    recipe.transColour = {0, 0x1234, 0x5678, 0x9ABC, 0};
    const ImageSurface s = Decoded(recipe);
    ASSERT_TRUE(s.HasAlpha());
    EXPECT_EQ(s.Alpha(0, 0), 0);
    EXPECT_EQ(s.Alpha(1, 0), 255);
    EXPECT_EQ(s.PixelColour(1, 0), MakeColour(0x12, 0x56, 0x9A));
}

TEST(PngDecoder, TransparentColourPixelsAreNotDrawn) {
    PngRecipe recipe;
    recipe.width = 9; // wide enough for the four-pixel loop
    recipe.colourType = PNG_COLOR_TYPE_RGB;
    for (int i = 0; i < 9; ++i) {
        const bool key = i % 3 != 1;
        recipe.samples.insert(recipe.samples.end(), {10, 20, static_cast<std::uint16_t>(key ? 30 : 31)});
    }
    recipe.hasTransColour = true;
    recipe.transColour = {0, 10, 20, 30, 0};
    const ImageSurface s = Decoded(recipe);
    Canvas canvas(9, 1, MakeColour(1, 2, 3));
    ASSERT_TRUE(s.Draw(canvas, 0, 0));
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(canvas.ColourAt(i, 0), i % 3 != 1 ? MakeColour(1, 2, 3) : MakeColour(10, 20, 31)) << i;
}

TEST(PngDecoder, BadFilesFailWithAReason) {
    const QByteArray good = MakePng(Recipe(PNG_COLOR_TYPE_RGB_ALPHA, 8, true));
    QByteArray badCrc = good;
    badCrc[20] = static_cast<char>(badCrc[20] ^ 0x40);
    QByteArray badData = good;
    for (int i = 45; i < good.size() - 20; ++i)
        badData[i] = static_cast<char>(0x55);
    const QByteArray tooLarge = WithHeaderSize(good, 20000, 20000);
    const QByteArray tooShort = WithHeaderSize(good, 8000, 8000);
    const QByteArray beyondLimits = WithHeaderSize(good, 2000000, 1);
    // The same refusals whether the bytes are in memory or read from a file as they are decoded.
    const std::initializer_list<RefusedPicture> cases = {
        {"empty", QByteArray(), "Not a PNG file"},
        {"not png", QByteArray("GIF89a......"), "Not a PNG file"},
        {"signature only", good.left(8), nullptr},
        {"truncated", good.left(good.size() / 2), nullptr},
        {"header crc", badCrc, nullptr},
        {"corrupt data", badData, nullptr},
        {"too large", tooLarge, "PNG picture too large"},
        {"too little data", tooShort, "PNG data too short for its size"},
        {"beyond user limits", beyondLimits, nullptr},
    };
    ExpectRefused(DecodePng, cases);
    ExpectRefused(DecodeFromDevice, cases);
}

// Chunks other than the pixels and their transparency are skipped: a readable one changes nothing,
// and one whose length claims gigabytes it does not bring (a 486-byte file found by fuzzing) is read
// past without being allocated.
TEST(PngDecoder, OtherChunksAreSkippedUnread) {
    const QByteArray good = MakePng(Recipe(PNG_COLOR_TYPE_PALETTE, 8, false));
    const ImageSurface plain = Decoded(Recipe(PNG_COLOR_TYPE_PALETTE, 8, false));
    const ImageSurface texted = [&] {
        ImageSurface s;
        EXPECT_TRUE(s.Decode(WithChunk(good, "tEXt", QByteArray("Comment\0made here", 17), 17), kImagePng));
        return s;
    }();
    ASSERT_TRUE(texted.IsValid());
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            ASSERT_EQ(texted.PixelColour(x, y), plain.PixelColour(x, y));

    for (const char* type : {"sPLT", "iCCP", "zTXt", "tEXt", "eXIf"}) {
        SCOPED_TRACE(type);
        const QByteArray claim = WithChunk(good, type, QByteArray(40, 's'), 0x73737373);
        const bool watching = CanWatchAllocations();
        gLargest = 0;
        gWatching = true;
        ImageSurface s;
        const bool decoded = s.Decode(claim, kImagePng);
        gWatching = false;
        EXPECT_FALSE(decoded);
        if (watching) {
            EXPECT_LT(gLargest.load(), std::size_t{64} << 20);
        }
    }
}

// A PNG file is decoded as it is read: its bytes and its pixels are never held together, so the one
// large allocation is the picture's (only AddressSanitizer builds can count them).
TEST(PngDecoder, AFileIsDecodedAsItIsRead) {
    if (!CanWatchAllocations())
        GTEST_SKIP() << "allocations can only be watched under AddressSanitizer";
    PngRecipe recipe;
    recipe.width = 1024;
    recipe.height = 512;
    std::mt19937 rng(1);
    for (int i = 0; i < recipe.width * recipe.height * 3; ++i)
        recipe.samples.push_back(static_cast<std::uint16_t>(rng() & 0xFF));
    const QByteArray bytes = MakePng(recipe); // noise: about as large as its pixels
    ASSERT_GT(bytes.size(), 1 << 20);
    QTemporaryDir dir;
    const QString path = dir.filePath("noise.png");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();

    gLargest = 0;
    gMegabytes = 0;
    gWatching = true;
    ImageSurface fromFile;
    const bool loaded = fromFile.Load(path, kImagePng);
    gWatching = false;
    ASSERT_TRUE(loaded) << fromFile.LastError().toStdString();
    EXPECT_EQ(gMegabytes.load(), 1);
    EXPECT_EQ(gLargest.load(), std::size_t{1024} * 512 * 4); // the picture alone
    ImageSurface fromMemory;
    ASSERT_TRUE(fromMemory.Decode(bytes, kImagePng));
    EXPECT_TRUE(fromFile.Data() == fromMemory.Data());
}
