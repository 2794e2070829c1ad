// The alpha Draw of a 256 x 256 sprite-like picture against pixman's OVER operator on the same pixels
// (the picture premultiplied, as pixman takes it, over the same opaque backdrop), and each of Draw's row
// paths alone. bench/speed_goals.sh divides the rates.
#include "../SpritePictures.h"
#include "picture/PixelKernelPaths.h"

#include <benchmark/benchmark.h>
#include <pixman.h>
#include <vector>

namespace {

void SetRate(benchmark::State& state) {
    state.counters["Mpix/s"] = benchmark::Counter(static_cast<double>(state.iterations()) * kPixels / 1e6,
                                                  benchmark::Counter::kIsRate);
}

void DrapierAlphaDraw(benchmark::State& state) {
    const ImageSurface sprite = Sprite(true);
    Canvas canvas = Backdrop();
    for (auto _ : state) {
        sprite.Draw(canvas, 0, 0);
        benchmark::DoNotOptimize(canvas.Row(0));
        benchmark::ClobberMemory();
    }
    SetRate(state);
}

// The sprite's words as Draw reads them: 0xAARRGGBB, not premultiplied.
std::vector<std::uint32_t> SpriteWords() {
    const ImageSurface sprite = Sprite(true);
    std::vector<std::uint32_t> words;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const Colour c = sprite.PixelColour(x, y);
            words.push_back((static_cast<std::uint32_t>(sprite.Alpha(x, y)) << 24) |
                            (static_cast<std::uint32_t>(RedOf(c)) << 16) |
                            (static_cast<std::uint32_t>(GreenOf(c)) << 8) |
                            static_cast<std::uint32_t>(BlueOf(c)));
        }
    }
    return words;
}

void RowPath(benchmark::State& state,
             void (*row)(std::uint32_t*, const std::uint32_t*, int, int, std::uint32_t)) {
    const std::vector<std::uint32_t> words = SpriteWords();
    Canvas canvas = Backdrop();
    for (auto _ : state) {
        for (int y = 0; y < kSize; ++y)
            row(canvas.Row(y), words.data() + static_cast<std::size_t>(y) * kSize, kSize, 255, 0xFFFFFFFFu);
        benchmark::DoNotOptimize(canvas.Row(0));
        benchmark::ClobberMemory();
    }
    SetRate(state);
}

void ScalarRows(benchmark::State& state) {
    RowPath(state, AlphaOverRowScalar);
}

void Sse2Rows(benchmark::State& state) {
    RowPath(state, AlphaOverRowSse2);
}

void Avx2Rows(benchmark::State& state) {
    if (!ProcessorHasAvx2()) {
        state.SkipWithError("this processor has no AVX2");
        return;
    }
    RowPath(state, AlphaOverRowAvx2);
}

void PixmanOver(benchmark::State& state) {
    std::vector<std::uint32_t> premultiplied = SpriteWords();
    for (std::uint32_t& w : premultiplied) {
        const std::uint32_t a = w >> 24;
        auto scale = [a](std::uint32_t c) { return (c * a + 127) / 255; };
        w = (a << 24) | (scale((w >> 16) & 0xFF) << 16) | (scale((w >> 8) & 0xFF) << 8) | scale(w & 0xFF);
    }
    Canvas canvas = Backdrop();
    pixman_image_t* source =
        pixman_image_create_bits(PIXMAN_a8r8g8b8, kSize, kSize, premultiplied.data(), kSize * 4);
    pixman_image_t* target =
        pixman_image_create_bits(PIXMAN_x8r8g8b8, kSize, kSize, canvas.Row(0), kSize * 4);
    for (auto _ : state) {
        pixman_image_composite32(PIXMAN_OP_OVER, source, nullptr, target, 0, 0, 0, 0, 0, 0, kSize, kSize);
        benchmark::DoNotOptimize(canvas.Row(0));
        benchmark::ClobberMemory();
    }
    pixman_image_unref(target);
    pixman_image_unref(source);
    SetRate(state);
}

} // namespace

BENCHMARK(DrapierAlphaDraw);
BENCHMARK(PixmanOver);
BENCHMARK(ScalarRows);
BENCHMARK(Sse2Rows);
BENCHMARK(Avx2Rows);
