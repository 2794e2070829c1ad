// The preview is rebuilt after every keystroke: a full RenderPreview of each example skin in a 700 by
// 500 area should take 1 ms or less, and of the richest one in a 3000 by 2000 area with a 2800 by 1800
// note 25 ms or less, on one core. Skins of thousands of buttons preview in time that grows linearly
// with their size: 5,000 buttons take at most 2.6 times what 2,000 take.
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

// A generated skin of `count` 16 by 16 buttons over a 300 by 100 note; every other button belongs to one
// of 50 groups, each with two rules. The groups come first, as authors tend to write them, so a group
// found by scanning the list from its end is found last.
SkinDocument ManyButtons(int count) {
    SkinDocument document;
    document.image.Create(64, 16, 24, kImagePng);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 64; ++x) {
            document.image.SetPixelColour(x, y, MakeColour(x * 4, y * 16, 128));
            document.image.SetAlpha(x, y, (x + y) % 3 == 0 ? 128 : 255);
        }
    constexpr int kGroups = 50;
    for (int g = 0; g < kGroups; ++g) {
        SkinElement e = SkinElement::Make(ElementKind::Group);
        GroupRecord* r = e.As<GroupRecord>();
        r->name = QStringLiteral("group%1").arg(g);
        r->rules = {{QStringLiteral("Width"), QStringLiteral("is greater than"), QString::number(g * 4)},
                    {QStringLiteral("Rolled"), QStringLiteral("is"), QStringLiteral("false")}};
        document.Append(std::move(e));
    }
    for (int i = 0; i < count; ++i) {
        SkinElement e = SkinElement::Make(ElementKind::Button);
        ButtonRecord* b = e.As<ButtonRecord>();
        b->drawunrolled = true;
        b->place = {Placement{(i * 37) % 284}, Placement{(i * 13) % 84}};
        b->size = {16, 16};
        b->source = {(i % 4) * 16, 0};
        if (i % 2 == 1)
            e.group = QStringLiteral("group%1").arg(i % kGroups);
        document.Append(std::move(e));
    }
    return document;
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
BENCHMARK(Plain)->Unit(benchmark::kMicrosecond);
BENCHMARK(Rich)->Unit(benchmark::kMicrosecond);
BENCHMARK(Stack)->Unit(benchmark::kMicrosecond);
BENCHMARK(RichLarge)->Unit(benchmark::kMillisecond);
