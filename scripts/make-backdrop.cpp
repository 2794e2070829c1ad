// Draws the preview backdrop: a calm 1200 by 800 picture (a soft diagonal gradient, large faint discs
// and gentle waves) that lets transparent parts of a note show something other than the note colour.
// Usage: make-backdrop OUT.jpg
#include <cmath>
#include <cstdio>
#include <jpeglib.h>
#include <vector>

namespace {

constexpr int kWidth = 1200;
constexpr int kHeight = 800;

struct Rgb {
    double r, g, b;
};

Rgb Mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

double SmoothStep(double e0, double e1, double x) {
    double t = (x - e0) / (e1 - e0);
    t = t < 0 ? 0 : t > 1 ? 1 : t;
    return t * t * (3 - 2 * t);
}

struct Disc {
    double x, y, radius;
    Rgb tint;
    double strength;
};

const Disc kDiscs[] = {
    {230, 180, 170, {255, 255, 255}, 0.35},  {960, 150, 230, {250, 236, 214}, 0.45},
    {620, 430, 140, {214, 236, 242}, 0.40},  {180, 640, 210, {238, 224, 244}, 0.45},
    {1040, 620, 160, {255, 255, 255}, 0.30}, {430, 250, 70, {255, 248, 226}, 0.50},
    {820, 700, 90, {226, 242, 232}, 0.45},   {1130, 380, 60, {255, 255, 255}, 0.40},
};

Rgb Pixel(int x, int y) {
    const Rgb topLeft{176, 212, 222};     // misty teal
    const Rgb bottomRight{236, 206, 196}; // soft peach
    const Rgb middle{214, 214, 232};      // lavender between them
    const double t = (x / double(kWidth) + y / double(kHeight)) / 2;
    Rgb c = t < 0.5 ? Mix(topLeft, middle, t * 2) : Mix(middle, bottomRight, (t - 0.5) * 2);

    for (const Disc& d : kDiscs) {
        const double dist = std::hypot(x - d.x, y - d.y);
        // A soft disc with a slightly brighter rim, fading out over a third of its radius.
        const double inside = 1 - SmoothStep(d.radius * 0.75, d.radius, dist);
        const double rim = std::exp(-std::pow((dist - d.radius * 0.9) / 6.0, 2)) * 0.25;
        c = Mix(c, d.tint, (inside + rim) * d.strength);
    }

    // Three gentle waves across the lower half.
    for (int i = 0; i < 3; ++i) {
        const double base = 520 + i * 70;
        const double wave = base + 26 * std::sin(x / (140.0 + i * 35) + i * 1.7);
        const double band = std::exp(-std::pow((y - wave) / (10.0 + i * 3), 2));
        const double below = SmoothStep(wave - 2, wave + 60, y) * 0.06;
        c = Mix(c, Rgb{255, 255, 255}, band * 0.28);
        c = Mix(c, Rgb{150, 170, 190}, below);
    }

    // A faint vignette keeps the edges quiet.
    const double dx = (x - kWidth / 2.0) / (kWidth / 2.0);
    const double dy = (y - kHeight / 2.0) / (kHeight / 2.0);
    const double vignette = 1 - 0.08 * (dx * dx + dy * dy);
    return {c.r * vignette, c.g * vignette, c.b * vignette};
}

unsigned char Byte(double v) {
    return static_cast<unsigned char>(v < 0 ? 0 : v > 255 ? 255 : std::lround(v));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-backdrop OUT.jpg\n");
        return 2;
    }
    FILE* out = std::fopen(argv[1], "wb");
    if (!out) {
        std::perror(argv[1]);
        return 1;
    }
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, out);
    cinfo.image_width = kWidth;
    cinfo.image_height = kHeight;
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 88, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<unsigned char> row(kWidth * 3);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const Rgb c = Pixel(x, y);
            row[x * 3] = Byte(c.r);
            row[x * 3 + 1] = Byte(c.g);
            row[x * 3 + 2] = Byte(c.b);
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::fclose(out);
    return 0;
}
