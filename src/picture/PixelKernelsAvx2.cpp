// The AVX2 alpha-over row, chosen at run time on processors that have it (PixelKernelPaths.h).
#include "picture/PixelKernelPaths.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

bool ProcessorHasAvx2() {
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}

namespace {

// source * a + destination * (255 - a), >> 8, on the two channels held in the low bytes of each 16-bit
// half of a pixel, as destination * 255 + (source - destination) * a: one product a channel, exact
// modulo 65536 since the true value lies in 0 .. 65025. The result stays in the high byte of each half.
__attribute__((target("avx2"))) inline __m256i MixHalves(__m256i s, __m256i d, __m256i a) {
    return _mm256_add_epi16(_mm256_sub_epi16(_mm256_slli_epi16(d, 8), d),
                            _mm256_mullo_epi16(_mm256_sub_epi16(s, d), a));
}

// With the full alpha maximum a is the source's own alpha, so that product is left out.
template <bool kFullAlphaMax>
__attribute__((target("avx2"))) void AlphaOverGroups(std::uint32_t* dst, const std::uint32_t* src, int count,
                                                     int alphaMax, std::uint32_t transparentRgb) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i alphaScale = _mm256_set1_epi32(alphaMax + 1);
    const __m256i transparent = _mm256_set1_epi32(static_cast<int>(transparentRgb));
    const __m256i rgbMask = _mm256_set1_epi32(0x00FFFFFF);
    const __m256i opaque = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
    const __m256i solidAlpha = _mm256_set1_epi32(255);
    const __m256i lowBytes = _mm256_set1_epi16(0x00FF);
    const __m256i green = _mm256_set1_epi32(0x0000FF00);
    int i = 0;
    for (; i + 8 <= count; i += 8) {
        const __m256i s = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + i));
        __m256i a = _mm256_srli_epi32(s, 24);
        if constexpr (!kFullAlphaMax)
            a = _mm256_srli_epi32(_mm256_mullo_epi16(a, alphaScale), 8);
        a = _mm256_andnot_si256(_mm256_cmpeq_epi32(_mm256_and_si256(s, rgbMask), transparent), a);
        const __m256i isClear = _mm256_cmpeq_epi32(a, zero);
        const unsigned clearBits = static_cast<unsigned>(_mm256_movemask_epi8(isClear));
        // Clear pixels leave the target as it is: eight of them are not even stored.
        if (clearBits == 0xFFFFFFFFu)
            continue;
        __m256i* out = reinterpret_cast<__m256i*>(dst + i);
        const __m256i solid = _mm256_or_si256(s, opaque);
        const __m256i isSolid = _mm256_cmpeq_epi32(a, solidAlpha);
        const unsigned solidBits = static_cast<unsigned>(_mm256_movemask_epi8(isSolid));
        if (solidBits == 0xFFFFFFFFu) {
            _mm256_storeu_si256(out, solid);
            continue;
        }
        const __m256i d = _mm256_loadu_si256(out);
        __m256i result;
        if ((clearBits | solidBits) == 0xFFFFFFFFu) {
            result = _mm256_blendv_epi8(d, solid, isSolid);
        } else {
            // Red and blue in the low bytes of the halves, green and alpha moved there; a in both halves.
            const __m256i aHalves = _mm256_or_si256(a, _mm256_slli_epi32(a, 16));
            const __m256i redBlue =
                MixHalves(_mm256_and_si256(s, lowBytes), _mm256_and_si256(d, lowBytes), aHalves);
            const __m256i greenAlpha = MixHalves(_mm256_srli_epi16(s, 8), _mm256_srli_epi16(d, 8), aHalves);
            const __m256i blended = _mm256_or_si256(
                _mm256_or_si256(_mm256_srli_epi16(redBlue, 8), _mm256_and_si256(greenAlpha, green)), opaque);
            result = _mm256_blendv_epi8(_mm256_blendv_epi8(blended, solid, isSolid), d, isClear);
        }
        _mm256_storeu_si256(out, result);
    }
    AlphaOverRowScalar(dst + i, src + i, count - i, alphaMax, transparentRgb);
}

} // namespace

void AlphaOverRowAvx2(std::uint32_t* dst, const std::uint32_t* src, int count, int alphaMax,
                      std::uint32_t transparentRgb) {
    if (alphaMax == 255)
        AlphaOverGroups<true>(dst, src, count, alphaMax, transparentRgb);
    else
        AlphaOverGroups<false>(dst, src, count, alphaMax, transparentRgb);
}

#else

bool ProcessorHasAvx2() {
    return false;
}

void AlphaOverRowAvx2(std::uint32_t* dst, const std::uint32_t* src, int count, int alphaMax,
                      std::uint32_t transparentRgb) {
    AlphaOverRowScalar(dst, src, count, alphaMax, transparentRgb);
}

#endif
