// Drawing speed of the picture paths the preview uses on every rebuild, in megapixels per second.
#include "SpritePictures.h"
#include "picture/Canvas.h"
#include "picture/ImageSurface.h"

#include <benchmark/benchmark.h>

namespace {

// The per-pixel alpha rule written plainly, to hold the fast loops to it.
bool MatchesPlainRule(const ImageSurface& sprite) {
    Canvas fast = Backdrop();
    const Canvas before = fast;
    sprite.Draw(fast, 0, 0);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const int a = sprite.Alpha(x, y);
            const Colour s = sprite.PixelColour(x, y);
            const Colour d = before.ColourAt(x, y);
            auto mix = [a](int sc, int dc) {
                return a == 0 ? dc : a == 255 ? sc : (sc * a + dc * (255 - a)) >> 8;
            };
            const Colour want =
                MakeColour(mix(RedOf(s), RedOf(d)), mix(GreenOf(s), GreenOf(d)), mix(BlueOf(s), BlueOf(d)));
            if (fast.ColourAt(x, y) != want)
                return false;
        }
    }
    return true;
}

void SetRate(benchmark::State& state) {
    state.counters["Mpix/s"] = benchmark::Counter(static_cast<double>(state.iterations()) * kPixels / 1e6,
                                                  benchmark::Counter::kIsRate);
}

void AlphaDraw(benchmark::State& state) {
    const ImageSurface sprite = Sprite(true);
    if (!MatchesPlainRule(sprite)) {
        state.SkipWithError("alpha draw differs from the plain rule");
        return;
    }
    Canvas canvas = Backdrop();
    for (auto _ : state) {
        sprite.Draw(canvas, 0, 0);
        benchmark::DoNotOptimize(canvas.Row(0));
        benchmark::ClobberMemory();
    }
    SetRate(state);
}

void OpaqueDraw(benchmark::State& state) {
    const ImageSurface piece = Sprite(false);
    Canvas canvas = Backdrop();
    for (auto _ : state) {
        piece.Draw(canvas, 0, 0);
        benchmark::DoNotOptimize(canvas.Row(0));
        benchmark::ClobberMemory();
    }
    SetRate(state);
}

void SolidFill(benchmark::State& state) {
    Canvas canvas = Backdrop();
    int i = 0;
    for (auto _ : state) {
        canvas.Fill(canvas.Bounds(), MakeColour(i & 255, 40, 90));
        ++i;
        benchmark::DoNotOptimize(canvas.Row(0));
        benchmark::ClobberMemory();
    }
    SetRate(state);
}

void ConstantOpacityBlend(benchmark::State& state) {
    Canvas canvas = Backdrop();
    for (auto _ : state) {
        canvas.Blend(canvas.Bounds(), MakeColour(0, 255, 0), 128);
        benchmark::DoNotOptimize(canvas.Row(0));
        benchmark::ClobberMemory();
    }
    SetRate(state);
}

} // namespace

BENCHMARK(AlphaDraw);
BENCHMARK(OpaqueDraw);
BENCHMARK(SolidFill);
BENCHMARK(ConstantOpacityBlend);
