// Finding the borders of a 1,024 by 1,024 frame on a sheet with an alpha plane: noise corners of 96
// pixels, bands of one colour per row or column, a plain middle. With a tolerance every start of a run
// is tried, so a ramp across the middle (each column one level from the next) is the slow case there.
#include "document/FrameMargins.h"
#include "picture/ImageSurface.h"

#include <benchmark/benchmark.h>
#include <random>

namespace {

constexpr int kFrame = 1024;
constexpr int kBorder = 96;

ImageSurface FrameSheet(bool ramp) {
    ImageSurface sheet;
    sheet.Create(kFrame + 64, kFrame + 64, 24, kImagePng);
    std::mt19937 random(1);
    for (int y = 0; y < sheet.Height(); ++y) {
        for (int x = 0; x < sheet.Width(); ++x) {
            const int fx = x - 32, fy = y - 32;
            const bool across = fx >= kBorder && fx < kFrame - kBorder;
            const bool down = fy >= kBorder && fy < kFrame - kBorder;
            int r = static_cast<int>(random() % 256), g = static_cast<int>(random() % 256), b = 0, a = 255;
            if (across && !down)
                r = 200, g = fy & 255, a = 200;
            else if (down && !across)
                r = fx & 255, g = 60, a = 220;
            else if (across && down)
                r = ramp ? fx / 4 : 240, g = 240, b = 200;
            sheet.SetPixelColour(x, y, MakeColour(r, g, b));
            sheet.SetAlpha(x, y, a);
        }
    }
    return sheet;
}

void FindMargins(benchmark::State& state, bool ramp) {
    const ImageSurface sheet = FrameSheet(ramp);
    const int tolerance = static_cast<int>(state.range(0));
    const CanvasRect rect = CanvasRect::FromSize(32, 32, kFrame, kFrame);
    for (auto _ : state)
        benchmark::DoNotOptimize(FindFrameMargins(sheet, rect, tolerance));
}

void BM_FindFrameMargins(benchmark::State& state) {
    FindMargins(state, false);
}
void BM_FindFrameMarginsRamp(benchmark::State& state) {
    FindMargins(state, true);
}

} // namespace

BENCHMARK(BM_FindFrameMargins)->Arg(0)->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindFrameMarginsRamp)->Arg(0)->Arg(8)->Unit(benchmark::kMillisecond);
