#include "picture/PngEncoder.h"

#include <png.h>

#include <bit>
#include <csetjmp>
#include <cstring>
#include <new>
#include <vector>

static_assert(std::endian::native == std::endian::little, "pixel words are read as B, G, R, A bytes");

namespace {

// Everything the libpng calls share. Plain data only: libpng leaves these functions by longjmp.
struct PngWriteJob {
    png_structp png = nullptr;
    png_infop info = nullptr;
    std::vector<unsigned char>* output = nullptr;
    char message[160] = {};
    int width = 0, height = 0;
    bool withAlpha = false;
    png_bytepp rows = nullptr;
};

void OnPngWriteError(png_structp png, png_const_charp text) {
    auto* job = static_cast<PngWriteJob*>(png_get_error_ptr(png));
    std::strncpy(job->message, text ? text : "PNG error", sizeof job->message - 1);
    png_longjmp(png, 1);
}

void OnPngWriteWarning(png_structp, png_const_charp) {}

void OnPngWrite(png_structp png, png_bytep data, png_size_t count) {
    auto* job = static_cast<PngWriteJob*>(png_get_io_ptr(png));
    bool failed = false;
    try {
        job->output->insert(job->output->end(), data, data + count);
    } catch (const std::bad_alloc&) {
        failed = true;
    }
    if (failed)
        png_error(png, "Out of memory");
}

void OnPngFlush(png_structp) {}

// No C++ objects live here.
bool WritePng(PngWriteJob* job) {
    png_structp png = job->png;
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_write_fn(png, job, OnPngWrite, OnPngFlush);
    png_set_IHDR(png, job->info, static_cast<png_uint_32>(job->width), static_cast<png_uint_32>(job->height),
                 8, job->withAlpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, job->info);
    png_set_bgr(png);
    if (!job->withAlpha)
        png_set_filler(png, 0, PNG_FILLER_AFTER);
    png_write_image(png, job->rows);
    png_write_end(png, nullptr);
    return true;
}

struct PngWriteGuard {
    PngWriteJob& job;
    ~PngWriteGuard() { png_destroy_write_struct(&job.png, &job.info); }
};

} // namespace

bool EncodePngPixels(const std::uint32_t* argb, int width, int height, bool withAlpha, QByteArray& out,
                     QString& error) {
    out.clear();
    if (argb == nullptr || width <= 0 || height <= 0) {
        error = QStringLiteral("No picture");
        return false;
    }
    std::vector<unsigned char> bytes;
    std::vector<png_bytep> rows;
    PngWriteJob job;
    job.output = &bytes;
    job.width = width;
    job.height = height;
    job.withAlpha = withAlpha;
    try {
        rows.resize(height);
    } catch (const std::bad_alloc&) {
        error = QStringLiteral("Out of memory");
        return false;
    }
    // libpng only reads the rows.
    for (int y = 0; y < height; ++y)
        rows[y] = reinterpret_cast<png_bytep>(const_cast<std::uint32_t*>(argb) +
                                              static_cast<std::size_t>(y) * width);
    job.rows = rows.data();
    job.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &job, OnPngWriteError, OnPngWriteWarning);
    if (job.png == nullptr) {
        error = QStringLiteral("Out of memory");
        return false;
    }
    PngWriteGuard guard{job};
    job.info = png_create_info_struct(job.png);
    if (job.info == nullptr || !WritePng(&job)) {
        error = job.info == nullptr ? QStringLiteral("Out of memory") : QString::fromUtf8(job.message);
        return false;
    }
    out = QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    return true;
}
