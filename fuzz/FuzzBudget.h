#pragma once

// What one fuzz input may cost. The decoders accept pictures up to 256 MB, which is right for the
// program but lets a few bytes of header cost a fuzzer hundreds of megabytes and most of its time; the
// targets skip inputs past these budgets before decoding them. Headers that cannot be read are not
// skipped: the decoders' own failures are worth fuzzing.
#include "package/PackagePicking.h"
#include "package/ZipReader.h"
#include "picture/KeyedPicture.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <QStringList>

#include <csetjmp>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <jpeglib.h>

constexpr long long kFuzzPixelBudget = 1 << 18; // pixels (times channels for JPEG)
// A keyed picture is made into two canvases and keyed twice, all pixel by pixel: a quarter of that.
constexpr long long kFuzzKeyedPixelBudget = 1 << 16;
constexpr std::uint32_t kFuzzEntryBudget = 1 << 20; // bytes of one extracted package entry
// Drawings a skin asks for: a state sheet and a thumbnail canvas, in pixels. Larger ones cost seconds
// an input and find nothing the smaller ones do not; the program's own limits are tried past these.
constexpr long long kFuzzSheetBudget = 1 << 19;
constexpr long long kFuzzThumbnailBudget = 1 << 20;

namespace fuzz_budget {

struct JpegError {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

inline void OnError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1);
}

inline void Quiet(j_common_ptr, int) {}

// The size a JPEG header announces, in pixels times channels; -1 when no header can be read.
inline long long JpegCost(const std::uint8_t* data, std::size_t size) {
    jpeg_decompress_struct info{};
    JpegError error{};
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = OnError;
    error.manager.emit_message = Quiet;
    jpeg_create_decompress(&info);
    long long cost = -1;
    if (setjmp(error.jump) == 0) {
        jpeg_mem_src(&info, const_cast<unsigned char*>(data), static_cast<unsigned long>(size));
        if (jpeg_read_header(&info, TRUE) == JPEG_HEADER_OK)
            cost = static_cast<long long>(info.image_width) * info.image_height * info.num_components;
    }
    jpeg_destroy_decompress(&info);
    return cost;
}

inline std::uint32_t BigEndian32(const std::uint8_t* p) {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

} // namespace fuzz_budget

// Whether a PNG or JPEG header announces no more than the pixel budget. Anything else is left to the
// decoders, which refuse it quickly.
inline bool PictureFitsBudget(const std::uint8_t* data, std::size_t size,
                              long long budget = kFuzzPixelBudget) {
    static const std::uint8_t kPng[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (size >= 24 && std::memcmp(data, kPng, 8) == 0 && std::memcmp(data + 12, "IHDR", 4) == 0) {
        const long long width = fuzz_budget::BigEndian32(data + 16);
        const long long height = fuzz_budget::BigEndian32(data + 20);
        return width <= budget && height <= budget && width * height <= budget;
    }
    if (size >= 2 && data[0] == 0xFF && data[1] == 0xD8)
        return fuzz_budget::JpegCost(data, size) <= budget;
    return true;
}

// The same for a keyed picture (a package's BMP entry): PNG and JPEG as above, the formats read by
// Qt's readers by the size their header announces.
inline bool KeyedPictureFitsBudget(const QByteArray& bytes) {
    const KeyedPictureFormat format = KeyedPictureFormatOf(bytes);
    if (format == KeyedPictureFormat::None)
        return true;
    if (format == KeyedPictureFormat::Png || format == KeyedPictureFormat::Jpeg)
        return PictureFitsBudget(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                 static_cast<std::size_t>(bytes.size()), kFuzzKeyedPixelBudget);
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format == KeyedPictureFormat::Bmp   ? "bmp"
                                 : format == KeyedPictureFormat::Gif ? "gif"
                                                                     : "ico");
    reader.setAutoDetectImageFormat(false);
    const QSize announced = reader.size();
    return !announced.isValid() ||
           static_cast<long long>(announced.width()) * announced.height() <= kFuzzKeyedPixelBudget;
}

// Whether the entries a package load would take are within the budget: their sizes, and the picture's
// announced size (which a PNG of a few kilobytes may put at hundreds of megabytes).
inline bool PackageLoadFitsBudget(ZipReader& reader, const QString& innerName) {
    QStringList names;
    for (const ZipEntry& e : reader.Entries())
        names << e.name;
    const PackagePick pick = PickPackageEntries(names, innerName);
    const QString picture = pick.png.isEmpty() ? pick.bmp : pick.png;
    for (const QString& name : {pick.skin, picture}) {
        const int index = reader.FindEntry(name);
        if (index >= 0 && reader.Entries()[static_cast<size_t>(index)].uncompressedSize > kFuzzEntryBudget)
            return false;
    }
    QByteArray bytes;
    const int index = reader.FindEntry(picture);
    if (index < 0 || !reader.Extract(index, &bytes))
        return true;
    if (pick.png.isEmpty())
        return KeyedPictureFitsBudget(bytes);
    return PictureFitsBudget(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                             static_cast<std::size_t>(bytes.size()));
}
