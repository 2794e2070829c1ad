#include "picture/PixelKernels.h"

#include "picture/PixelKernelPaths.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;

inline std::uint32_t AlphaOverPixel(std::uint32_t s, std::uint32_t d, int alphaMax,
                                    std::uint32_t transparentRgb) {
    unsigned a = ((static_cast<unsigned>(alphaMax) + 1) * (s >> 24)) >> 8;
    if ((s & 0xFFFFFFu) == transparentRgb || a == 0)
        return d;
    if (a == 255)
        return s | kOpaque;
    const unsigned inv = 255 - a;
    const unsigned r = (((s >> 16) & 0xFF) * a + ((d >> 16) & 0xFF) * inv) >> 8;
    const unsigned g = (((s >> 8) & 0xFF) * a + ((d >> 8) & 0xFF) * inv) >> 8;
    const unsigned b = ((s & 0xFF) * a + (d & 0xFF) * inv) >> 8;
    return kOpaque | (r << 16) | (g << 8) | b;
}

inline std::uint32_t BlendPixel(std::uint32_t d, unsigned sr, unsigned sg, unsigned sb, unsigned a) {
    const unsigned inv = 255 - a;
    const unsigned r = (sr * a + ((d >> 16) & 0xFF) * inv + 127) / 255;
    const unsigned g = (sg * a + ((d >> 8) & 0xFF) * inv + 127) / 255;
    const unsigned b = (sb * a + (d & 0xFF) * inv + 127) / 255;
    return kOpaque | (r << 16) | (g << 8) | b;
}

#if defined(__SSE2__)

// Four pixels at a time in 16-bit lanes: source * a + destination * (255 - a) stays below 65536.
inline __m128i AlphaOverFour(__m128i s, __m128i d, __m128i alphaScale, __m128i transparent) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i rgbMask = _mm_set1_epi32(0x00FFFFFF);
    const __m128i opaque = _mm_set1_epi32(static_cast<int>(kOpaque));
    const __m128i c255 = _mm_set1_epi16(255);

    __m128i a = _mm_srli_epi32(s, 24);
    a = _mm_srli_epi32(_mm_mullo_epi16(a, alphaScale), 8);
    const __m128i isKey = _mm_cmpeq_epi32(_mm_and_si128(s, rgbMask), transparent);
    a = _mm_andnot_si128(isKey, a);

    const __m128i isClear = _mm_cmpeq_epi32(a, zero);
    const __m128i isSolid = _mm_cmpeq_epi32(a, _mm_set1_epi32(255));
    const int clearBits = _mm_movemask_epi8(isClear);
    if (clearBits == 0xFFFF)
        return d;
    const __m128i solid = _mm_or_si128(s, opaque);
    const int solidBits = _mm_movemask_epi8(isSolid);
    if (solidBits == 0xFFFF)
        return solid;

    // Alpha in every byte of its pixel, then widened to 16-bit lanes.
    const __m128i aBytes = _mm_or_si128(a, _mm_slli_epi32(a, 8));
    const __m128i aAll = _mm_or_si128(aBytes, _mm_slli_epi32(aBytes, 16));
    const __m128i aLo = _mm_unpacklo_epi8(aAll, zero);
    const __m128i aHi = _mm_unpackhi_epi8(aAll, zero);

    const __m128i sLo = _mm_unpacklo_epi8(s, zero);
    const __m128i sHi = _mm_unpackhi_epi8(s, zero);
    const __m128i dLo = _mm_unpacklo_epi8(d, zero);
    const __m128i dHi = _mm_unpackhi_epi8(d, zero);

    const __m128i rLo = _mm_srli_epi16(
        _mm_add_epi16(_mm_mullo_epi16(sLo, aLo), _mm_mullo_epi16(dLo, _mm_sub_epi16(c255, aLo))), 8);
    const __m128i rHi = _mm_srli_epi16(
        _mm_add_epi16(_mm_mullo_epi16(sHi, aHi), _mm_mullo_epi16(dHi, _mm_sub_epi16(c255, aHi))), 8);
    __m128i blended = _mm_or_si128(_mm_packus_epi16(rLo, rHi), opaque);

    blended = _mm_or_si128(_mm_and_si128(isSolid, solid), _mm_andnot_si128(isSolid, blended));
    return _mm_or_si128(_mm_and_si128(isClear, d), _mm_andnot_si128(isClear, blended));
}

#endif

} // namespace

void AlphaOverRowScalar(std::uint32_t* dst, const std::uint32_t* src, int count, int alphaMax,
                        std::uint32_t transparentRgb) {
    for (int i = 0; i < count; ++i)
        dst[i] = AlphaOverPixel(src[i], dst[i], alphaMax, transparentRgb);
}

void AlphaOverRowSse2(std::uint32_t* dst, const std::uint32_t* src, int count, int alphaMax,
                      std::uint32_t transparentRgb) {
    int i = 0;
#if defined(__SSE2__)
    const __m128i alphaScale = _mm_set1_epi32(alphaMax + 1);
    const __m128i transparent = _mm_set1_epi32(static_cast<int>(transparentRgb));
    for (; i + 4 <= count; i += 4) {
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), AlphaOverFour(s, d, alphaScale, transparent));
    }
#endif
    AlphaOverRowScalar(dst + i, src + i, count - i, alphaMax, transparentRgb);
}

void AlphaOverRow(std::uint32_t* dst, const std::uint32_t* src, int count, int alphaMax,
                  std::uint32_t transparentRgb) {
    static const auto chosen = ProcessorHasAvx2() ? AlphaOverRowAvx2 : AlphaOverRowSse2;
    chosen(dst, src, count, alphaMax, transparentRgb);
}

void BlendRow(std::uint32_t* dst, int count, std::uint32_t colour, int opacity) {
    const unsigned a = static_cast<unsigned>(opacity < 0 ? 0 : (opacity > 255 ? 255 : opacity));
    const unsigned sr = (colour >> 16) & 0xFF;
    const unsigned sg = (colour >> 8) & 0xFF;
    const unsigned sb = colour & 0xFF;
    int i = 0;
#if defined(__SSE2__)
    // x = destination * (255 - a) + source * a + 127 never passes 65279, where
    // (x + 1 + (x >> 8)) >> 8 equals x / 255 exactly.
    const __m128i zero = _mm_setzero_si128();
    const __m128i inv = _mm_set1_epi16(static_cast<short>(255 - a));
    const __m128i bias = _mm_set_epi16(0, static_cast<short>(sr * a + 127), static_cast<short>(sg * a + 127),
                                       static_cast<short>(sb * a + 127), 0, static_cast<short>(sr * a + 127),
                                       static_cast<short>(sg * a + 127), static_cast<short>(sb * a + 127));
    const __m128i one = _mm_set1_epi16(1);
    const __m128i opaque = _mm_set1_epi32(static_cast<int>(kOpaque));
    for (; i + 4 <= count; i += 4) {
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + i));
        __m128i lo = _mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(d, zero), inv), bias);
        __m128i hi = _mm_add_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(d, zero), inv), bias);
        lo = _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(lo, one), _mm_srli_epi16(lo, 8)), 8);
        hi = _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(hi, one), _mm_srli_epi16(hi, 8)), 8);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), _mm_or_si128(_mm_packus_epi16(lo, hi), opaque));
    }
#endif
    for (; i < count; ++i)
        dst[i] = BlendPixel(dst[i], sr, sg, sb, a);
}

void ReplaceKeyRow(std::uint32_t* dst, const std::uint32_t* src, int count, std::uint32_t key) {
    int i = 0;
#if defined(__SSE2__)
    const __m128i k = _mm_set1_epi32(static_cast<int>(key));
    for (; i + 4 <= count; i += 4) {
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + i));
        const __m128i match = _mm_cmpeq_epi32(d, k);
        if (_mm_movemask_epi8(match) == 0)
            continue;
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i),
                         _mm_or_si128(_mm_and_si128(match, s), _mm_andnot_si128(match, d)));
    }
#endif
    for (; i < count; ++i) {
        if (dst[i] == key)
            dst[i] = src[i];
    }
}
