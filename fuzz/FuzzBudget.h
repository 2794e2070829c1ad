#pragma once

// What one fuzz input may cost. The decoders accept pictures up to 256 MB, which is right for the
// program but lets a few bytes of header cost a fuzzer hundreds of megabytes and most of its time; the
// targets skip inputs past these budgets before decoding them. Headers that cannot be read are not
// skipped: the decoders' own failures are worth fuzzing.
#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include <csetjmp>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <jpeglib.h>

constexpr long long kFuzzPixelBudget = 1 << 18;     // pixels (times channels for JPEG)
constexpr std::uint32_t kFuzzEntryBudget = 1 << 20; // bytes of one extracted package entry

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
inline bool PictureFitsBudget(const std::uint8_t* data, std::size_t size) {
    static const std::uint8_t kPng[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (size >= 24 && std::memcmp(data, kPng, 8) == 0 && std::memcmp(data + 12, "IHDR", 4) == 0) {
        const long long width = fuzz_budget::BigEndian32(data + 16);
        const long long height = fuzz_budget::BigEndian32(data + 20);
        return width <= kFuzzPixelBudget && height <= kFuzzPixelBudget && width * height <= kFuzzPixelBudget;
    }
    if (size >= 2 && data[0] == 0xFF && data[1] == 0xD8)
        return fuzz_budget::JpegCost(data, size) <= kFuzzPixelBudget;
    return true;
}

// The same for a picture read through Qt's image readers (a package's BMP entry). A PNG among them is
// skipped: Qt's own PNG reader allocates whatever an ancillary chunk's length claims, even just to
// answer the size.
inline bool KeyedPictureFitsBudget(const QByteArray& bytes) {
    if (bytes.startsWith("\x89PNG"))
        return false;
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    const QSize announced = QImageReader(&buffer).size();
    return !announced.isValid() ||
           static_cast<long long>(announced.width()) * announced.height() <= kFuzzPixelBudget;
}
