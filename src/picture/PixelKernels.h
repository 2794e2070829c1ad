#pragma once

#include <cstdint>

// Row loops shared by the canvas and the image surface. Pixels are 0xAARRGGBB words; every result
// written to a canvas has alpha byte 0xFF.

// Value of `transparentRgb` meaning "no transparent colour": it never equals a masked 24-bit colour.
constexpr std::uint32_t kNoTransparentRgb = 0xFFFFFFFFu;

// Per-pixel alpha over: a = ((alphaMax + 1) * source alpha) >> 8; pixels whose RGB equals
// transparentRgb, or with a = 0, are skipped; a = 255 copies the source; otherwise each channel
// becomes (source * a + destination * (255 - a)) >> 8.
void AlphaOverRow(std::uint32_t* dst, const std::uint32_t* src, int count, int alphaMax,
                  std::uint32_t transparentRgb);

// Constant-opacity blend of one colour: each channel becomes
// (source * a + destination * (255 - a) + 127) / 255 with integer division.
void BlendRow(std::uint32_t* dst, int count, std::uint32_t colour, int opacity);

// Every destination pixel equal to key takes the source pixel at the same place; the source is read
// only where some pixel matches.
void ReplaceKeyRow(std::uint32_t* dst, const std::uint32_t* src, int count, std::uint32_t key);
