#include "picture/JpegDecoder.h"
#include "PictureMakers.h"
#include "picture/ImageSurface.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

// Four flat 16 x 16 quarters, which survive JPEG coding almost unchanged.
const Colour kQuarters[4] = {MakeColour(200, 30, 40), MakeColour(20, 180, 60), MakeColour(30, 40, 220),
                             MakeColour(240, 240, 240)};

int QuarterOf(int x, int y) {
    return (x / 16) + 2 * (y / 16);
}

JpegRecipe Recipe(int components, bool progressive) {
    JpegRecipe recipe;
    recipe.width = 32;
    recipe.height = 32;
    recipe.components = components;
    recipe.progressive = progressive;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const Colour c = kQuarters[QuarterOf(x, y)];
            if (components == 1) {
                recipe.samples.push_back(static_cast<std::uint8_t>(GreenOf(c)));
            } else {
                recipe.samples.push_back(static_cast<std::uint8_t>(RedOf(c)));
                recipe.samples.push_back(static_cast<std::uint8_t>(GreenOf(c)));
                recipe.samples.push_back(static_cast<std::uint8_t>(BlueOf(c)));
            }
        }
    return recipe;
}

// A grey progressive script: the DC scan, then each AC coefficient in its own scan, the first
// `refined` of them in two successive-approximation scans.
std::vector<jpeg_scan_info> ManyScans(int refined) {
    std::vector<jpeg_scan_info> scans;
    scans.push_back(jpeg_scan_info{1, {0, 0, 0, 0}, 0, 0, 0, 0});
    for (int k = 1; k <= 63; ++k) {
        if (k <= refined) {
            scans.push_back(jpeg_scan_info{1, {0, 0, 0, 0}, k, k, 0, 1});
            scans.push_back(jpeg_scan_info{1, {0, 0, 0, 0}, k, k, 1, 0});
        } else {
            scans.push_back(jpeg_scan_info{1, {0, 0, 0, 0}, k, k, 0, 0});
        }
    }
    return scans;
}

bool DecodeBytes(const QByteArray& bytes, PictureData& out, QString& error) {
    return DecodeJpeg(reinterpret_cast<const unsigned char*>(bytes.constData()),
                      static_cast<std::size_t>(bytes.size()), out, error);
}

// Sets the frame size in a JPEG's start-of-frame marker.
QByteArray WithFrameSize(QByteArray jpeg, int width, int height) {
    for (int i = 0; i + 8 < jpeg.size(); ++i) {
        const auto marker = static_cast<unsigned char>(jpeg[i + 1]);
        if (static_cast<unsigned char>(jpeg[i]) == 0xFF && (marker == 0xC0 || marker == 0xC2)) {
            jpeg[i + 5] = static_cast<char>(height >> 8);
            jpeg[i + 6] = static_cast<char>(height);
            jpeg[i + 7] = static_cast<char>(width >> 8);
            jpeg[i + 8] = static_cast<char>(width);
            break;
        }
    }
    return jpeg;
}

} // namespace

TEST(JpegDecoder, BaselineAndProgressiveGreyAndColour) {
    struct Case {
        int components;
        bool progressive;
    } cases[] = {{3, false}, {3, true}, {1, false}, {1, true}};
    for (const Case& c : cases) {
        const QByteArray bytes = MakeJpeg(Recipe(c.components, c.progressive));
        ImageSurface s;
        ASSERT_TRUE(s.Decode(bytes, kImageJpeg)) << s.LastError().toStdString();
        EXPECT_EQ(s.Kind(), kImageJpeg);
        EXPECT_EQ(s.Width(), 32);
        EXPECT_EQ(s.Height(), 32);
        EXPECT_EQ(s.BitsPerPixel(), 24);
        EXPECT_FALSE(s.HasAlpha());
        // Away from the quarter edges the colours come back within coding error.
        for (int y = 4; y < 32; y += 16) {
            for (int x = 4; x < 32; x += 16) {
                const Colour want = kQuarters[QuarterOf(x, y)];
                const Colour got = s.PixelColour(x, y);
                if (c.components == 1) {
                    EXPECT_EQ(RedOf(got), GreenOf(got));
                    EXPECT_EQ(BlueOf(got), GreenOf(got));
                    EXPECT_LE(std::abs(GreenOf(got) - GreenOf(want)), 2);
                } else {
                    EXPECT_LE(std::abs(RedOf(got) - RedOf(want)), 4) << x << "," << y;
                    EXPECT_LE(std::abs(GreenOf(got) - GreenOf(want)), 4) << x << "," << y;
                    EXPECT_LE(std::abs(BlueOf(got) - BlueOf(want)), 4) << x << "," << y;
                }
                EXPECT_EQ(s.Alpha(x, y), 255);
            }
        }
    }
}

TEST(JpegDecoder, ProgressiveScansAreLimited) {
    JpegRecipe recipe = Recipe(1, false);
    // 64 + 36 = 100 scans decode; 64 + 37 = 101 do not.
    recipe.scans = ManyScans(36);
    PictureData out;
    QString error;
    EXPECT_TRUE(DecodeBytes(MakeJpeg(recipe), out, error)) << error.toStdString();
    recipe.scans = ManyScans(37);
    EXPECT_FALSE(DecodeBytes(MakeJpeg(recipe), out, error));
    EXPECT_EQ(error, "Too many JPEG scans");
    EXPECT_TRUE(out.IsEmpty());
}

TEST(JpegDecoder, BadFilesFailWithAReason) {
    const QByteArray good = MakeJpeg(Recipe(3, false));
    const QByteArray progressive = MakeJpeg(Recipe(3, true));
    QByteArray noFrame = good;
    noFrame.replace(QByteArray("\xFF\xC0", 2), QByteArray("\xFF\xC8", 2));
    ExpectRefused(DecodeJpeg,
                  {
                      {"empty", QByteArray(), "Not a JPEG file"},
                      {"png", QByteArray("\x89PNG\r\n\x1a\n", 8), "Not a JPEG file"},
                      {"marker only", good.left(2), nullptr},
                      {"header cut", good.left(100), nullptr},
                      {"truncated", good.left(good.size() - 200), nullptr},
                      {"truncated progressive", progressive.left(progressive.size() / 2), nullptr},
                      {"too large", WithFrameSize(good, 60000, 60000), "JPEG picture too large"},
                      {"unknown frame", noFrame, nullptr},
                  });
}
