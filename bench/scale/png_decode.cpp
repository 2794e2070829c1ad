// The baseline of a picture's decoding: libpng's simplified API reads a PNG file into 4 bytes a pixel.
#include <png.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: scale_png_decode FILE.png\n");
        return 2;
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, argv[1])) {
        std::fprintf(stderr, "scale_png_decode: %s\n", image.message);
        return 1;
    }
    image.format = PNG_FORMAT_BGRA;
    auto* pixels = static_cast<png_bytep>(std::malloc(PNG_IMAGE_SIZE(image)));
    if (!pixels || !png_image_finish_read(&image, nullptr, pixels, 0, nullptr)) {
        std::fprintf(stderr, "scale_png_decode: %s\n", pixels ? image.message : "out of memory");
        return 1;
    }
    std::printf("%u x %u\n", image.width, image.height);
    std::free(pixels);
    return 0;
}
