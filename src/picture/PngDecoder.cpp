#include "picture/PngDecoder.h"

#include "picture/InputLimits.h"

#include <QIODevice>
#include <png.h>

#include <bit>
#include <csetjmp>
#include <cstring>
#include <new>
#include <vector>

static_assert(std::endian::native == std::endian::little, "pixel words are read as B, G, R, A bytes");

namespace {

enum class PngTarget { Words, Indices, TwoBitIndices };

// Everything the libpng calls share. Plain data only: libpng leaves these functions by longjmp.
struct PngJob {
    png_structp png = nullptr;
    png_infop info = nullptr;
    const unsigned char* data = nullptr; // the PNG in memory, or
    QIODevice* device = nullptr;         // the file it is read from as it is decoded
    std::size_t size = 0;
    std::size_t pos = 0;
    char message[160] = {};

    png_uint_32 width = 0, height = 0;
    int bitDepth = 0, colourType = 0;
    PngTarget target = PngTarget::Words;
    bool alphaChannel = false;
    int paletteCount = 0;
    png_color palette[256] = {};
    int transCount = 0;
    png_byte trans[256] = {};
    bool hasTransColour = false;
    png_color_16 transColour = {};
    png_bytepp rows = nullptr;
};

void SetMessage(PngJob* job, const char* text) {
    std::strncpy(job->message, text ? text : "PNG error", sizeof job->message - 1);
    job->message[sizeof job->message - 1] = '\0';
}

void OnPngError(png_structp png, png_const_charp text) {
    SetMessage(static_cast<PngJob*>(png_get_error_ptr(png)), text);
    png_longjmp(png, 1);
}

void OnPngWarning(png_structp, png_const_charp) {}

void OnPngRead(png_structp png, png_bytep out, png_size_t count) {
    auto* job = static_cast<PngJob*>(png_get_io_ptr(png));
    if (count > job->size - job->pos)
        png_error(png, "Truncated PNG file");
    if (job->device) {
        if (job->device->read(reinterpret_cast<char*>(out), static_cast<qint64>(count)) !=
            static_cast<qint64>(count))
            png_error(png, "Truncated PNG file");
        job->pos += count;
        return;
    }
    std::memcpy(out, job->data + job->pos, count);
    job->pos += count;
}

// Reads the header chunks, checks the size and sets the transformations. No C++ objects live here.
bool ReadPngHeader(PngJob* job) {
    png_structp png = job->png;
    png_infop info = job->info;
    if (setjmp(png_jmpbuf(png)))
        return false;

    png_set_user_limits(png, kPngLargestSide, kPngLargestSide);
    png_set_chunk_malloc_max(png, kPngChunkByteLimit);
    // Only the pixels and their transparency matter here. Every other chunk is skipped unread: libpng
    // only warns about an oversized ancillary chunk and then allocates what its length claims, so a
    // few hundred bytes could ask for gigabytes.
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
    png_set_read_fn(png, job, OnPngRead);
    png_read_info(png, info);

    int interlace = 0;
    png_get_IHDR(png, info, &job->width, &job->height, &job->bitDepth, &job->colourType, &interlace, nullptr,
                 nullptr);
    const int depth = job->bitDepth;
    const int type = job->colourType;
    if (type != PNG_COLOR_TYPE_GRAY && type != PNG_COLOR_TYPE_RGB && type != PNG_COLOR_TYPE_PALETTE &&
        type != PNG_COLOR_TYPE_GRAY_ALPHA && type != PNG_COLOR_TYPE_RGB_ALPHA)
        png_error(png, "Unknown PNG colour type");

    if (type == PNG_COLOR_TYPE_PALETTE) {
        png_colorp palette = nullptr;
        if (png_get_PLTE(png, info, &palette, &job->paletteCount) == 0 || palette == nullptr)
            png_error(png, "PNG palette missing");
        if (job->paletteCount > 256)
            job->paletteCount = 256;
        std::memcpy(job->palette, palette, sizeof(png_color) * job->paletteCount);
    }
    if (png_get_valid(png, info, PNG_INFO_tRNS)) {
        png_bytep trans = nullptr;
        int count = 0;
        png_color_16p colour = nullptr;
        png_get_tRNS(png, info, &trans, &count, &colour);
        if (type == PNG_COLOR_TYPE_PALETTE && trans != nullptr) {
            job->transCount = count > 256 ? 256 : (count < 0 ? 0 : count);
            std::memcpy(job->trans, trans, job->transCount);
        } else if (type != PNG_COLOR_TYPE_PALETTE && colour != nullptr) {
            job->hasTransColour = true;
            job->transColour = *colour;
        }
    }

    const int logicalBits = type == PNG_COLOR_TYPE_PALETTE ? (depth == 2 ? 4 : depth) : 24;
    if (!FitsPictureLimit(job->width, job->height, logicalBits))
        png_error(png, "PNG picture too large");
    const unsigned long long rowBytes = png_get_rowbytes(png, info);
    if (static_cast<unsigned long long>(job->height) * rowBytes >
        job->size * kPngMaxInflateRatio + kPngInflateSlack)
        png_error(png, "PNG data too short for its size");

    if (type == PNG_COLOR_TYPE_PALETTE) {
        job->target = depth == 2 ? PngTarget::TwoBitIndices : PngTarget::Indices;
    } else {
        job->target = PngTarget::Words;
        if (depth == 16)
            png_set_strip_16(png);
        if (type == PNG_COLOR_TYPE_GRAY && depth < 8)
            png_set_expand_gray_1_2_4_to_8(png);
        // Only the full 16-bit value may be transparent, which a reduced colour cannot express.
        if (job->hasTransColour && depth == 16) {
            png_set_tRNS_to_alpha(png);
            job->hasTransColour = false;
            job->alphaChannel = true;
        }
        if (type == PNG_COLOR_TYPE_GRAY || type == PNG_COLOR_TYPE_GRAY_ALPHA)
            png_set_gray_to_rgb(png);
        if (type == PNG_COLOR_TYPE_GRAY_ALPHA || type == PNG_COLOR_TYPE_RGB_ALPHA)
            job->alphaChannel = true;
        png_set_bgr(png);
        if (!job->alphaChannel)
            png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    }
    png_set_interlace_handling(png);
    png_read_update_info(png, info);

    const png_size_t expected = job->target == PngTarget::Words
                                    ? static_cast<png_size_t>(job->width) * 4
                                    : (static_cast<png_size_t>(job->width) * depth + 7) / 8;
    if (png_get_rowbytes(png, info) != expected)
        png_error(png, "Unexpected PNG row layout");
    return true;
}

bool ReadPngRows(PngJob* job) {
    if (setjmp(png_jmpbuf(job->png)))
        return false;
    png_read_image(job->png, job->rows);
    return true;
}

struct PngReadGuard {
    PngJob& job;
    ~PngReadGuard() { png_destroy_read_struct(&job.png, &job.info, nullptr); }
};

// Two-bit indices widened to four bits, both packed most significant first.
void WidenTwoBitRows(const std::vector<png_byte>& packed, std::size_t packedStride, PictureData& out) {
    for (int y = 0; y < out.height; ++y) {
        const png_byte* row = packed.data() + packedStride * y;
        for (int x = 0; x < out.width; ++x)
            out.SetIndex(x, y, (row[x >> 2] >> (6 - 2 * (x & 3))) & 3);
    }
}

void ApplyPaletteTransparency(const PngJob& job, PictureData& out) {
    if (job.transCount == 0)
        return;
    // A single entry is a colour key for index 0, whatever opacity it gives: the note program draws
    // such pictures by skipping that index.
    if (job.transCount == 1) {
        out.transparent = 0;
        return;
    }
    bool anyClear = false;
    for (int i = 0; i < job.transCount; ++i)
        anyClear = anyClear || job.trans[i] != 255;
    if (!anyClear)
        return;
    out.alpha.resize(static_cast<std::size_t>(out.width) * out.height);
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            const int index = out.Index(x, y);
            out.alpha[static_cast<std::size_t>(y) * out.width + x] =
                index < job.transCount ? job.trans[index] : 255;
        }
    }
    out.hasAlpha = true;
}

// The single transparent grey or RGB value as a colour word, or -1 when no pixel can match it.
int TransparentColourOf(const PngJob& job) {
    if (!job.hasTransColour)
        return -1;
    const int depth = job.bitDepth;
    const int max = (1 << depth) - 1;
    if (job.colourType == PNG_COLOR_TYPE_GRAY) {
        if (job.transColour.gray > max)
            return -1;
        const int grey = job.transColour.gray * (255 / max);
        return grey | (grey << 8) | (grey << 16);
    }
    if (job.transColour.red > max || job.transColour.green > max || job.transColour.blue > max)
        return -1;
    return job.transColour.red | (job.transColour.green << 8) | (job.transColour.blue << 16);
}

bool Refuse(PictureData& out, QString& error, const char* text) {
    out = PictureData{};
    error = QString::fromUtf8(text);
    return false;
}

// Decodes what the job reads from, its signature already checked.
bool DecodeJob(PngJob& job, PictureData& out, QString& error) {
    job.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &job, OnPngError, OnPngWarning);
    if (job.png == nullptr)
        return Refuse(out, error, "Out of memory");
    PngReadGuard guard{job};
    job.info = png_create_info_struct(job.png);
    if (job.info == nullptr)
        return Refuse(out, error, "Out of memory");
    if (!ReadPngHeader(&job))
        return Refuse(out, error, job.message);

    const int width = static_cast<int>(job.width);
    const int height = static_cast<int>(job.height);
    std::vector<png_bytep> rows;
    std::vector<png_byte> twoBit;
    std::size_t twoBitStride = 0;
    try {
        out.width = width;
        out.height = height;
        rows.resize(height);
        if (job.target == PngTarget::Words) {
            out.bpp = 24;
            out.argb.resize(static_cast<std::size_t>(width) * height); // every row is written
            for (int y = 0; y < height; ++y)
                rows[y] = reinterpret_cast<png_bytep>(out.argb.data() + static_cast<std::size_t>(y) * width);
        } else {
            out.bpp = job.target == PngTarget::TwoBitIndices ? 4 : job.bitDepth;
            out.palette.assign(std::size_t{1} << out.bpp, 0xFF000000u);
            for (int i = 0; i < job.paletteCount && i < static_cast<int>(out.palette.size()); ++i)
                out.palette[i] = 0xFF000000u | (static_cast<std::uint32_t>(job.palette[i].red) << 16) |
                                 (static_cast<std::uint32_t>(job.palette[i].green) << 8) |
                                 job.palette[i].blue;
            out.indices.assign(out.Stride() * height, 0);
            if (job.target == PngTarget::TwoBitIndices) {
                twoBitStride = (static_cast<std::size_t>(width) * 2 + 7) / 8;
                twoBit.assign(twoBitStride * height, 0);
                for (int y = 0; y < height; ++y)
                    rows[y] = twoBit.data() + twoBitStride * y;
            } else {
                for (int y = 0; y < height; ++y)
                    rows[y] = out.indices.data() + out.Stride() * y;
            }
        }
    } catch (const std::bad_alloc&) {
        return Refuse(out, error, "Out of memory");
    }

    job.rows = rows.data();
    if (!ReadPngRows(&job))
        return Refuse(out, error, job.message);

    try {
        if (job.target == PngTarget::TwoBitIndices)
            WidenTwoBitRows(twoBit, twoBitStride, out);
        if (job.target == PngTarget::Words) {
            out.hasAlpha = job.alphaChannel;
            out.transparent = TransparentColourOf(job);
        } else {
            ApplyPaletteTransparency(job, out);
        }
    } catch (const std::bad_alloc&) {
        return Refuse(out, error, "Out of memory");
    }
    return true;
}

} // namespace

bool DecodePng(const unsigned char* data, std::size_t size, PictureData& out, QString& error) {
    out = PictureData{};
    if (data == nullptr || size < 8 || png_sig_cmp(data, 0, 8) != 0)
        return Refuse(out, error, "Not a PNG file");
    PngJob job;
    job.data = data;
    job.size = size;
    return DecodeJob(job, out, error);
}

bool DecodePngFrom(QIODevice& device, PictureData& out, QString& error) {
    out = PictureData{};
    const qint64 size = device.size() - device.pos();
    const QByteArray signature = device.peek(8);
    if (size < 8 || signature.size() < 8 ||
        png_sig_cmp(reinterpret_cast<png_const_bytep>(signature.constData()), 0, 8) != 0)
        return Refuse(out, error, "Not a PNG file");
    PngJob job;
    job.device = &device;
    job.size = static_cast<std::size_t>(size);
    return DecodeJob(job, out, error);
}
