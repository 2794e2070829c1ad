#include "picture/PixelKernelPaths.h"

#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace {

using Row = void (*)(std::uint32_t*, const std::uint32_t*, int, int, std::uint32_t);

struct Trial {
    std::vector<std::uint32_t> src;
    std::vector<std::uint32_t> dst;
    int alphaMax = 255;
    std::uint32_t transparentRgb = 0xFFFFFFFFu;
};

// Every alpha value against every global alpha maximum that matters (the full one, one below, the
// ends and between), over random colours; each row is long enough for several groups and a tail.
std::vector<Trial> EveryAlpha(std::mt19937& rng) {
    std::vector<Trial> trials;
    for (int alphaMax : {255, 254, 200, 128, 1, 0}) {
        Trial t;
        t.alphaMax = alphaMax;
        for (unsigned a = 0; a < 256; ++a) {
            t.src.push_back((a << 24) | (rng() & 0xFFFFFFu));
            t.dst.push_back(0xFF000000u | (rng() & 0xFFFFFFu));
        }
        t.src.push_back(0x80FFFFFFu); // 257 pixels: a tail after the groups
        t.dst.push_back(0xFF000000u);
        trials.push_back(t);
    }
    return trials;
}

// Random pictures as sprites are: runs of clear, opaque and partly clear pixels (so that whole groups
// of each kind occur as well as mixed ones), rows of every length up to 70, sometimes a transparent
// colour that some pixels have.
std::vector<Trial> RandomPictures(std::mt19937& rng) {
    std::vector<Trial> trials;
    for (int n = 0; n < 400; ++n) {
        Trial t;
        const int count = static_cast<int>(rng() % 71);
        unsigned kind = 0;
        for (int i = 0; i < count; ++i) {
            if (rng() % 6 == 0)
                kind = rng() % 3;
            const unsigned a = kind == 0 ? 0 : kind == 1 ? 255 : rng() & 0xFF;
            t.src.push_back((a << 24) | (rng() & 0xFFFFFFu));
            t.dst.push_back(0xFF000000u | (rng() & 0xFFFFFFu));
        }
        t.alphaMax = rng() % 4 == 0 ? static_cast<int>(rng() % 256) : 255;
        if (count > 0 && rng() % 3 == 0) {
            t.transparentRgb = t.src[rng() % count] & 0xFFFFFFu;
            for (int i = 0; i < count; i += 5)
                t.src[i] = (t.src[i] & 0xFF000000u) | t.transparentRgb;
        }
        trials.push_back(t);
    }
    return trials;
}

void ExpectScalarWords(Row row) {
    std::mt19937 rng(27);
    std::vector<Trial> trials = EveryAlpha(rng);
    const std::vector<Trial> random = RandomPictures(rng);
    trials.insert(trials.end(), random.begin(), random.end());
    for (size_t n = 0; n < trials.size(); ++n) {
        const Trial& t = trials[n];
        std::vector<std::uint32_t> want = t.dst;
        std::vector<std::uint32_t> got = t.dst;
        const int count = static_cast<int>(t.src.size());
        AlphaOverRowScalar(want.data(), t.src.data(), count, t.alphaMax, t.transparentRgb);
        row(got.data(), t.src.data(), count, t.alphaMax, t.transparentRgb);
        for (int i = 0; i < count; ++i) {
            ASSERT_EQ(got[i], want[i])
                << "trial " << n << ", pixel " << i << " of " << count << ": source " << std::hex << t.src[i]
                << " over " << t.dst[i] << ", alpha maximum " << std::dec << t.alphaMax;
        }
    }
}

} // namespace

TEST(AlphaOverPaths, Sse2GivesTheScalarWords) {
    ExpectScalarWords(AlphaOverRowSse2);
}

TEST(AlphaOverPaths, Avx2GivesTheScalarWords) {
    if (!ProcessorHasAvx2())
        GTEST_SKIP() << "this processor has no AVX2, so its path cannot run here";
    ExpectScalarWords(AlphaOverRowAvx2);
}
