#pragma once

// PNG and JPEG files made in memory with libpng and libjpeg, for the decoder tests.

#include "picture/PictureData.h"

#include <QByteArray>
#include <QString>
#include <gtest/gtest.h>
#include <initializer_list>

#include <cstdio>
#include <jpeglib.h>
#include <png.h>

#include <csetjmp>
#include <cstdint>
#include <vector>

struct PngRecipe {
    int width = 1;
    int height = 1;
    int colourType = PNG_COLOR_TYPE_RGB;
    int bitDepth = 8;
    bool interlaced = false;
    std::vector<png_color> palette;
    std::vector<png_byte> trans; // palette transparency entries
    bool hasTransColour = false; // single grey or RGB transparent value
    png_color_16 transColour = {};
    std::vector<std::uint16_t> samples; // width * height * channels, row after row
};

inline int ChannelsOf(int colourType) {
    switch (colourType) {
    case PNG_COLOR_TYPE_RGB:
        return 3;
    case PNG_COLOR_TYPE_GRAY_ALPHA:
        return 2;
    case PNG_COLOR_TYPE_RGB_ALPHA:
        return 4;
    default:
        return 1;
    }
}

namespace picture_makers {

struct PngOut {
    std::vector<unsigned char> bytes;
};

inline void Append(png_structp png, png_bytep data, png_size_t n) {
    auto* out = static_cast<PngOut*>(png_get_io_ptr(png));
    out->bytes.insert(out->bytes.end(), data, data + n);
}

inline void NoFlush(png_structp) {}

inline bool WritePng(png_structp png, png_infop info, const PngRecipe* recipe, png_bytepp rows) {
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_IHDR(png, info, recipe->width, recipe->height, recipe->bitDepth, recipe->colourType,
                 recipe->interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (!recipe->palette.empty())
        png_set_PLTE(png, info, const_cast<png_colorp>(recipe->palette.data()),
                     static_cast<int>(recipe->palette.size()));
    if (!recipe->trans.empty())
        png_set_tRNS(png, info, const_cast<png_bytep>(recipe->trans.data()),
                     static_cast<int>(recipe->trans.size()), nullptr);
    if (recipe->hasTransColour)
        png_set_tRNS(png, info, nullptr, 0, const_cast<png_color_16p>(&recipe->transColour));
    png_write_info(png, info);
    png_set_interlace_handling(png);
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    return true;
}

} // namespace picture_makers

// The PNG file of the recipe; its samples are packed at its bit depth.
inline QByteArray MakePng(const PngRecipe& recipe) {
    const int channels = ChannelsOf(recipe.colourType);
    const std::size_t rowBytes =
        (static_cast<std::size_t>(recipe.width) * channels * recipe.bitDepth + 7) / 8;
    std::vector<png_byte> pixels(rowBytes * recipe.height, 0);
    for (int y = 0; y < recipe.height; ++y) {
        png_byte* row = pixels.data() + rowBytes * y;
        for (int i = 0; i < recipe.width * channels; ++i) {
            const unsigned v = recipe.samples[static_cast<std::size_t>(y) * recipe.width * channels + i];
            if (recipe.bitDepth == 16) {
                row[2 * i] = static_cast<png_byte>(v >> 8);
                row[2 * i + 1] = static_cast<png_byte>(v);
            } else if (recipe.bitDepth == 8) {
                row[i] = static_cast<png_byte>(v);
            } else {
                const int perByte = 8 / recipe.bitDepth;
                const int shift = 8 - recipe.bitDepth * (i % perByte + 1);
                row[i / perByte] |= static_cast<png_byte>(v << shift);
            }
        }
    }
    std::vector<png_bytep> rows(recipe.height);
    for (int y = 0; y < recipe.height; ++y)
        rows[y] = pixels.data() + rowBytes * y;
    picture_makers::PngOut out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &out, picture_makers::Append, picture_makers::NoFlush);
    const bool ok = picture_makers::WritePng(png, info, &recipe, rows.data());
    png_destroy_write_struct(&png, &info);
    if (!ok)
        return {};
    return QByteArray(reinterpret_cast<const char*>(out.bytes.data()),
                      static_cast<qsizetype>(out.bytes.size()));
}

struct JpegRecipe {
    int width = 8;
    int height = 8;
    int components = 3; // 1 grey, 3 colour
    bool progressive = false;
    std::vector<jpeg_scan_info> scans; // a scan script of its own, when not empty
    std::vector<std::uint8_t> samples; // width * height * components
};

namespace picture_makers {

inline bool WriteJpeg(jpeg_compress_struct* cinfo, const JpegRecipe* recipe, JSAMPARRAY rows) {
    jpeg_set_defaults(cinfo);
    jpeg_set_quality(cinfo, 100, TRUE);
    if (recipe->progressive)
        jpeg_simple_progression(cinfo);
    if (!recipe->scans.empty()) {
        cinfo->scan_info = recipe->scans.data();
        cinfo->num_scans = static_cast<int>(recipe->scans.size());
    }
    jpeg_start_compress(cinfo, TRUE);
    while (cinfo->next_scanline < cinfo->image_height)
        jpeg_write_scanlines(cinfo, rows + cinfo->next_scanline, cinfo->image_height - cinfo->next_scanline);
    jpeg_finish_compress(cinfo);
    return true;
}

} // namespace picture_makers

inline QByteArray MakeJpeg(const JpegRecipe& recipe) {
    std::vector<JSAMPROW> rows(recipe.height);
    std::vector<std::uint8_t> samples = recipe.samples;
    for (int y = 0; y < recipe.height; ++y)
        rows[y] = samples.data() + static_cast<std::size_t>(y) * recipe.width * recipe.components;
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = recipe.width;
    cinfo.image_height = recipe.height;
    cinfo.input_components = recipe.components;
    cinfo.in_color_space = recipe.components == 1 ? JCS_GRAYSCALE : JCS_RGB;
    picture_makers::WriteJpeg(&cinfo, &recipe, rows.data());
    jpeg_destroy_compress(&cinfo);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    free(buffer);
    return bytes;
}

// A picture file a decoder must refuse, and the reason it must give when the reason is ours.
struct RefusedPicture {
    const char* name;
    QByteArray bytes;
    const char* error; // null when the library's reason stands
};

// Every file fails to decode with a reason and leaves no picture behind.
template <class Decode> void ExpectRefused(Decode decode, std::initializer_list<RefusedPicture> cases) {
    for (const RefusedPicture& c : cases) {
        SCOPED_TRACE(c.name);
        PictureData out;
        QString error;
        EXPECT_FALSE(decode(reinterpret_cast<const unsigned char*>(c.bytes.constData()),
                            static_cast<std::size_t>(c.bytes.size()), out, error));
        EXPECT_TRUE(out.IsEmpty());
        EXPECT_FALSE(error.isEmpty());
        if (c.error) {
            EXPECT_EQ(error, QString::fromUtf8(c.error));
        }
    }
}

// Writes v big-endian at `at`, as PNG and JPEG store their numbers.
inline void PutBe32(QByteArray& bytes, qsizetype at, quint32 v) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>(v >> (24 - 8 * i));
}
