// The frame builder. Finding the borders of a 1,024 by 1,024 frame on a sheet with an alpha plane: noise
// corners, bands of one colour per row or column, a plain middle. With a tolerance every start of a run
// is tried, so a ramp across the middle (each column one level from the next) is the slow case there.
// And one step of a guide dragged in the frame window: the frame of 256 by 256 put into the skin's copy
// anew and the note drawn at the window's three sizes, as the window shows them.
#include "document/FrameMargins.h"
#include "picture/Canvas.h"
#include "picture/ImageSurface.h"
#include "render/FramePreview.h"

#include <QImage>
#include <benchmark/benchmark.h>
#include <random>

namespace {

ImageSurface MadeUpSheet(int frame, int border, bool ramp) {
    ImageSurface sheet;
    sheet.Create(frame + 64, frame + 64, 24, kImagePng);
    std::mt19937 random(1);
    for (int y = 0; y < sheet.Height(); ++y) {
        for (int x = 0; x < sheet.Width(); ++x) {
            const int fx = x - 32, fy = y - 32;
            const bool across = fx >= border && fx < frame - border;
            const bool down = fy >= border && fy < frame - border;
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
    const ImageSurface sheet = MadeUpSheet(1024, 96, ramp);
    const int tolerance = static_cast<int>(state.range(0));
    const CanvasRect rect = CanvasRect::FromSize(32, 32, 1024, 1024);
    for (auto _ : state)
        benchmark::DoNotOptimize(FindFrameMargins(sheet, rect, tolerance));
}

void BM_FindFrameMargins(benchmark::State& state) {
    FindMargins(state, false);
}
void BM_FindFrameMarginsRamp(benchmark::State& state) {
    FindMargins(state, true);
}

void BM_FramePreviewStep(benchmark::State& state) {
    SkinDocument document;
    document.image = MadeUpSheet(256, 40, false);
    FramePreview preview(document, 0, NoteSettings());
    const CanvasRect rect = CanvasRect::FromSize(32, 32, 256, 256);
    FrameOptions options;
    options.setLayout = true;
    std::vector<Canvas> pictures(3);
    int step = 0;
    for (auto _ : state) {
        // The left guide dragged back and forth over a few pixels.
        preview.SetFrame(rect, {36 + step++ % 8, 40, 40, 40}, options);
        const std::vector<SheetSize> sizes = preview.Sizes();
        // The window shows each picture as a copy of it.
        for (size_t i = 0; i < sizes.size(); ++i) {
            preview.Render(sizes[i], pictures[i]);
            benchmark::DoNotOptimize(pictures[i].ImageView().copy());
        }
    }
}

} // namespace

BENCHMARK(BM_FindFrameMargins)->Arg(0)->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindFrameMarginsRamp)->Arg(0)->Arg(8)->Arg(64)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FramePreviewStep)->Unit(benchmark::kMillisecond);
