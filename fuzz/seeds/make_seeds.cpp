// Writes the small seed pictures of the PNG and JPEG fuzz targets. Build and run from the repository:
//   g++ -std=c++20 -Itests/render $(pkg-config --cflags Qt6Core) fuzz/seeds/make_seeds.cpp \
//       $(pkg-config --libs Qt6Core) -lpng -ljpeg -o /tmp/make_seeds && /tmp/make_seeds fuzz/seeds
#include "PictureMakers.h"

#include <QFile>
#include <QString>

namespace {

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

PngRecipe Png(int colourType, int depth, bool interlaced) {
    PngRecipe recipe;
    recipe.width = 9;
    recipe.height = 7;
    recipe.colourType = colourType;
    recipe.bitDepth = depth;
    recipe.interlaced = interlaced;
    const int max = depth == 16 ? 65535 : (1 << depth) - 1;
    for (int i = 0; i < 9 * 7 * ChannelsOf(colourType); ++i)
        recipe.samples.push_back(static_cast<std::uint16_t>((i * 2654435761u >> 7) % (max + 1)));
    if (colourType == PNG_COLOR_TYPE_PALETTE)
        for (int i = 0; i <= max; ++i)
            recipe.palette.push_back(
                png_color{static_cast<png_byte>(i * 40), static_cast<png_byte>(255 - i), 9});
    return recipe;
}

JpegRecipe Jpeg(int components, bool progressive) {
    JpegRecipe recipe;
    recipe.width = 24;
    recipe.height = 16;
    recipe.components = components;
    recipe.progressive = progressive;
    for (int i = 0; i < 24 * 16 * components; ++i)
        recipe.samples.push_back(static_cast<std::uint8_t>((i * 37) ^ (i / 24 * 11)));
    return recipe;
}

} // namespace

int main(int argc, char** argv) {
    const QString root = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("fuzz/seeds");
    const QString png = root + "/png_decode/";
    Write(png + "grey1_interlaced.png", MakePng(Png(PNG_COLOR_TYPE_GRAY, 1, true)));
    Write(png + "grey16.png", MakePng(Png(PNG_COLOR_TYPE_GRAY, 16, false)));
    PngRecipe rgbKey = Png(PNG_COLOR_TYPE_RGB, 8, false);
    rgbKey.hasTransColour = true;
    rgbKey.transColour = {0, 1, 2, 3, 0};
    Write(png + "rgb8_trns.png", MakePng(rgbKey));
    PngRecipe rgb16Key = Png(PNG_COLOR_TYPE_RGB, 16, true);
    rgb16Key.hasTransColour = true;
    rgb16Key.transColour = {0, 100, 200, 300, 0};
    Write(png + "rgb16_trns_interlaced.png", MakePng(rgb16Key));
    PngRecipe palette2 = Png(PNG_COLOR_TYPE_PALETTE, 2, false);
    palette2.trans = {0, 128};
    Write(png + "palette2_trns.png", MakePng(palette2));
    PngRecipe palette8 = Png(PNG_COLOR_TYPE_PALETTE, 8, true);
    palette8.trans = {0};
    Write(png + "palette8_interlaced.png", MakePng(palette8));
    Write(png + "grey_alpha8.png", MakePng(Png(PNG_COLOR_TYPE_GRAY_ALPHA, 8, false)));
    Write(png + "rgba16_interlaced.png", MakePng(Png(PNG_COLOR_TYPE_RGB_ALPHA, 16, true)));

    const QString jpeg = root + "/jpeg_decode/";
    Write(jpeg + "colour_baseline.jpg", MakeJpeg(Jpeg(3, false)));
    Write(jpeg + "colour_progressive.jpg", MakeJpeg(Jpeg(3, true)));
    Write(jpeg + "grey_baseline.jpg", MakeJpeg(Jpeg(1, false)));
    Write(jpeg + "grey_progressive.jpg", MakeJpeg(Jpeg(1, true)));
    return 0;
}
