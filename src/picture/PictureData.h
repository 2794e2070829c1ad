#pragma once

#include "picture/InputLimits.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <utility>
#include <vector>

// Pictures whose pixel rows would take kPictureByteLimit bytes or more are refused before anything is
// allocated, whatever their source.

// Bits per pixel rounded up to the depths a picture can have: 1, 4, 8 or 24.
constexpr int RoundedBitsPerPixel(int bits) {
    if (bits <= 1)
        return 1;
    if (bits <= 4)
        return 4;
    if (bits <= 8)
        return 8;
    return 24;
}

constexpr bool FitsPictureLimit(long long width, long long height, int bitsPerPixel) {
    if (width <= 0 || height <= 0)
        return false;
    // Checked in steps so the product cannot overflow.
    if (width >= kPictureByteLimit || height >= kPictureByteLimit)
        return false;
    const long long pixels = width * height;
    if (pixels >= kPictureByteLimit * 8)
        return false;
    return pixels * bitsPerPixel / 8 < kPictureByteLimit;
}

// An allocator that leaves new elements as the memory has them: the decoders write every pixel, so
// filling a picture's planes with zeros first would only touch each page twice. Elements given a value
// (resize(n, v), assign) get it as usual.
template <class T> struct OverwrittenAllocator : std::allocator<T> {
    OverwrittenAllocator() noexcept = default;
    template <class U> OverwrittenAllocator(const OverwrittenAllocator<U>&) noexcept {}
    template <class U> void construct(U* p) noexcept { ::new (static_cast<void*>(p)) U; }
    template <class U, class... Args> void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
};

// A plane of pixels, each one written before it is read.
template <class T> using PixelPlane = std::vector<T, OverwrittenAllocator<T>>;

// The pixels of a decoded picture, as the decoders hand them over and ImageSurface keeps them.
// 24-bit pictures are 32-bit words 0xAARRGGBB (the alpha byte is the alpha plane, 0xFF without one);
// palette pictures are packed rows of indices, most significant bits first, with an optional alpha
// plane of one byte per pixel.
struct PictureData {
    int width = 0;
    int height = 0;
    int bpp = 0;                        // 1, 4, 8 or 24; 0 while empty
    std::vector<std::uint32_t> palette; // 0xFFRRGGBB, 2, 16 or 256 entries
    PixelPlane<std::uint32_t> argb;     // 24-bit pixels, width * height
    PixelPlane<std::uint8_t> indices;   // palette pixels, Stride() * height
    PixelPlane<std::uint8_t> alpha;     // palette pictures only: empty or width * height
    bool hasAlpha = false;              // an alpha plane is present
    int transparent = -1;               // palette index (palette pictures) or colour word, -1 none

    bool operator==(const PictureData&) const = default;
    bool IsEmpty() const { return bpp == 0; }
    std::size_t Stride() const { return (static_cast<std::size_t>(width) * bpp + 7) / 8; }

    int Index(int x, int y) const {
        const std::uint8_t* row = indices.data() + static_cast<std::size_t>(y) * Stride();
        switch (bpp) {
        case 1:
            return (row[x >> 3] >> (7 - (x & 7))) & 1;
        case 4:
            return (row[x >> 1] >> ((x & 1) ? 0 : 4)) & 15;
        default:
            return row[x];
        }
    }

    void SetIndex(int x, int y, int index) {
        std::uint8_t* row = indices.data() + static_cast<std::size_t>(y) * Stride();
        switch (bpp) {
        case 1: {
            const int shift = 7 - (x & 7);
            row[x >> 3] = static_cast<std::uint8_t>((row[x >> 3] & ~(1 << shift)) | ((index & 1) << shift));
            break;
        }
        case 4: {
            const int shift = (x & 1) ? 0 : 4;
            row[x >> 1] = static_cast<std::uint8_t>((row[x >> 1] & ~(15 << shift)) | ((index & 15) << shift));
            break;
        }
        default:
            row[x] = static_cast<std::uint8_t>(index);
        }
    }
};
