// The preview is rebuilt after every keystroke: a full RenderPreview of each example skin in a 700 by
// 500 area should take 1 ms or less, and of the richest one in a 3000 by 2000 area with a 2800 by 1800
// note 25 ms or less, on one core. Skins of thousands of buttons preview in time that grows linearly
// with their size: 5,000 buttons take at most 2.6 times what 2,000 take.
//
// The preview paints only what its area shows: NoteSize/<example>/<width>/<height> previews each
// example in a 700 by 500 area, and a 20000 by 20000 note takes at most twice what a 300 by 100 one
// takes.
#include "GeneratedSkin.h"
#include "GuiApplication.h"
#include "document/SkinDocument.h"
#include "document/SkinLoader.h"
#include "picture/Canvas.h"
#include "render/RenderPreview.h"

#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

void RenderExample(benchmark::State& bench, const char* skin, int areaWidth, int areaHeight, int noteWidth,
                   int noteHeight) {
    EnsureGuiApplication();
    SkinDocument document;
    if (!LoadSkin(document, QStringLiteral(DRAPIER_EXAMPLES "/") + QLatin1StringView(skin), QString())) {
        bench.SkipWithError("example skin did not load");
        return;
    }
    NoteSettings settings;
    settings.width = noteWidth;
    settings.height = noteHeight;
    settings.focus = true;
    settings.alarm = true;
    settings.scrollbar = true;
    settings.stackmode = document.settings.mode == 1;
    PreviewOptions options;
    options.stackmode = settings.stackmode;
    Canvas target(areaWidth, areaHeight);
    for (auto _ : bench) {
        RenderPreview(document, settings, options, target);
        benchmark::DoNotOptimize(target.Row(0));
    }
}

const char* const kExamples[] = {"plain/plain.ini", "rich/rich.ini", "stack/paperpile.ini"};

void NoteSize(benchmark::State& s) {
    RenderExample(s, kExamples[s.range(0)], 700, 500, static_cast<int>(s.range(1)),
                  static_cast<int>(s.range(2)));
}

void Plain(benchmark::State& s) {
    RenderExample(s, "plain/plain.ini", 700, 500, 300, 100);
}
void Rich(benchmark::State& s) {
    RenderExample(s, "rich/rich.ini", 700, 500, 300, 100);
}
void Stack(benchmark::State& s) {
    RenderExample(s, "stack/paperpile.ini", 700, 500, 300, 100);
}
void RichLarge(benchmark::State& s) {
    RenderExample(s, "rich/rich.ini", 3000, 2000, 2800, 1800);
}

void GeneratedButtons(benchmark::State& bench) {
    const SkinDocument document = ManyButtons(static_cast<int>(bench.range(0)));
    const NoteSettings settings;
    const PreviewOptions options;
    Canvas target(700, 500);
    for (auto _ : bench) {
        RenderPreview(document, settings, options, target);
        benchmark::DoNotOptimize(target.Row(0));
    }
    bench.SetItemsProcessed(bench.iterations() * bench.range(0));
}

} // namespace

BENCHMARK(GeneratedButtons)->Arg(1000)->Arg(2000)->Arg(5000)->Unit(benchmark::kMicrosecond);
BENCHMARK(NoteSize)
    ->ArgNames({"example", "width", "height"})
    ->ArgsProduct({{0, 1, 2}, {300}, {100}})
    ->ArgsProduct({{0, 1, 2}, {3000}, {2000}})
    ->ArgsProduct({{0, 1, 2}, {8000}, {8000}})
    ->ArgsProduct({{0, 1, 2}, {20000}, {20000}})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(Plain)->Unit(benchmark::kMicrosecond);
BENCHMARK(Rich)->Unit(benchmark::kMicrosecond);
BENCHMARK(Stack)->Unit(benchmark::kMicrosecond);
BENCHMARK(RichLarge)->Unit(benchmark::kMillisecond);
