// The preview is rebuilt after every keystroke: a full RenderPreview of each example skin in a 700 by
// 500 area should take 1 ms or less, and of the richest one in a 3000 by 2000 area with a 2800 by 1800
// note 25 ms or less, on one core. Skins of thousands of buttons preview in time that grows linearly
// with their size: 5,000 buttons take at most 2.6 times what 2,000 take.
//
// The preview paints only what its area shows: NoteSize/<example>/<width>/<height> previews each
// example in a 700 by 500 area, and a 20000 by 20000 note takes at most twice what a 300 by 100 one
// takes. The preview rebuilt after one character typed into the title (TitleKeystroke) takes at most 3
// times a memcpy of its 700 by 500 buffer (Memcpy700x500), the picture kept between keystrokes as the
// designer keeps it. The program prints both ratios after the table (on standard error after JSON
// output, which stays clean); with --benchmark_repetitions, the mean and the worst.
#include "GeneratedSkin.h"
#include "GuiApplication.h"
#include "document/SkinDocument.h"
#include "document/SkinLoader.h"
#include "picture/Canvas.h"
#include "render/KeptPreview.h"
#include "render/RenderPreview.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

// An example skin with the note in the state that draws most of it (focus, alarm, scroll bar).
struct Example {
    SkinDocument document;
    NoteSettings settings;
    PreviewOptions options;
};

bool LoadExample(benchmark::State& bench, const char* skin, Example& example) {
    EnsureGuiApplication();
    if (!LoadSkin(example.document, QStringLiteral(DRAPIER_EXAMPLES "/") + QLatin1StringView(skin),
                  QString())) {
        bench.SkipWithError("example skin did not load");
        return false;
    }
    example.settings.focus = true;
    example.settings.alarm = true;
    example.settings.scrollbar = true;
    example.settings.stackmode = example.document.settings.mode == 1;
    example.options.stackmode = example.settings.stackmode;
    return true;
}

void RenderExample(benchmark::State& bench, const char* skin, int areaWidth, int areaHeight, int noteWidth,
                   int noteHeight) {
    Example example;
    if (!LoadExample(bench, skin, example))
        return;
    const SkinDocument& document = example.document;
    NoteSettings& settings = example.settings;
    const PreviewOptions& options = example.options;
    settings.width = noteWidth;
    settings.height = noteHeight;
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

// One character typed into the title per rebuild: the title grows by a character each time (and starts
// again when long), so no rebuild repeats the one before it.
void TitleKeystroke(benchmark::State& bench) {
    Example example;
    if (!LoadExample(bench, kExamples[bench.range(0)], example))
        return;
    const SkinDocument& document = example.document;
    NoteSettings& settings = example.settings;
    const PreviewOptions& options = example.options;
    // The picture as the designer keeps it between keystrokes.
    KeptPreview preview;
    preview.Resize(700, 500);
    const QString start = QStringLiteral("Shopping list");
    settings.title = start;
    preview.Rebuild(document, settings, options);
    int typed = 0;
    for (auto _ : bench) {
        if (++typed > 24) {
            typed = 0;
            settings.title = start;
        } else {
            settings.title += QChar(u'a' + typed);
        }
        preview.Rebuild(document, settings, options);
        benchmark::DoNotOptimize(preview.Picture().Row(0));
    }
}

// The baseline: one copy of a 700 by 500 preview buffer.
void Memcpy700x500(benchmark::State& bench) {
    std::vector<std::uint32_t> from(700 * 500, 0x00FF8040u);
    std::vector<std::uint32_t> to(700 * 500);
    for (auto _ : bench) {
        std::memcpy(to.data(), from.data(), from.size() * sizeof(std::uint32_t));
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
        ++from[0];
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
BENCHMARK(Memcpy700x500)->Unit(benchmark::kMicrosecond);
BENCHMARK(TitleKeystroke)->ArgName("example")->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(Plain)->Unit(benchmark::kMicrosecond);
BENCHMARK(Rich)->Unit(benchmark::kMicrosecond);
BENCHMARK(Stack)->Unit(benchmark::kMicrosecond);
BENCHMARK(RichLarge)->Unit(benchmark::kMillisecond);

namespace {

// Reports in the asked format through the reporter of that format, keeping every run's time per
// iteration to print the ratios the goals are set in.
class RatioReporter : public benchmark::BenchmarkReporter {
public:
    explicit RatioReporter(std::unique_ptr<benchmark::BenchmarkReporter> inner) : m_inner(std::move(inner)) {}
    bool ReportContext(const Context& context) override { return m_inner->ReportContext(context); }
    void ReportRuns(const std::vector<Run>& runs) override {
        m_inner->ReportRuns(runs);
        for (const Run& run : runs)
            if (!run.error_occurred && run.run_type == Run::RT_Iteration)
                times[run.benchmark_name()].push_back(run.GetAdjustedRealTime() /
                                                      benchmark::GetTimeUnitMultiplier(run.time_unit));
    }
    void Finalize() override { m_inner->Finalize(); }
    std::map<std::string, std::vector<double>> times; // seconds, one for each repetition

private:
    std::unique_ptr<benchmark::BenchmarkReporter> m_inner;
};

double Mean(const std::vector<double>& values) {
    double sum = 0;
    for (double v : values)
        sum += v;
    return sum / static_cast<double>(values.size());
}

// The ratio of the means; with repetitions also the worst one: the slowest run over the fastest base.
void PrintRatio(std::FILE* out, const std::map<std::string, std::vector<double>>& times,
                const std::string& name, const std::string& base) {
    const auto a = times.find(name);
    const auto b = times.find(base);
    if (a == times.end() || b == times.end() || a->second.empty() || b->second.empty())
        return;
    const double fastestBase = *std::min_element(b->second.begin(), b->second.end());
    if (fastestBase <= 0)
        return;
    std::fprintf(out, "ratio %s / %s: %.2f", name.c_str(), base.c_str(), Mean(a->second) / Mean(b->second));
    if (a->second.size() > 1 || b->second.size() > 1)
        std::fprintf(out, " (worst %.2f of %zu runs)",
                     *std::max_element(a->second.begin(), a->second.end()) / fastestBase, a->second.size());
    std::fprintf(out, "\n");
}

} // namespace

int main(int argc, char** argv) {
    std::string format = "console";
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--benchmark_format=", 19) == 0)
            format = argv[i] + 19;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    std::unique_ptr<benchmark::BenchmarkReporter> inner;
    // JSON for scripts, the table otherwise.
    if (format == "json")
        inner = std::make_unique<benchmark::JSONReporter>();
    else
        inner = std::make_unique<benchmark::ConsoleReporter>();
    RatioReporter ratios(std::move(inner));
    benchmark::RunSpecifiedBenchmarks(&ratios);
    // After a table in another format, on standard error, so that output stays as the format has it.
    std::FILE* out = format == "json" ? stderr : stdout;
    for (int example = 0; example < 3; ++example) {
        const std::string e = "example:" + std::to_string(example);
        PrintRatio(out, ratios.times, "NoteSize/" + e + "/width:20000/height:20000",
                   "NoteSize/" + e + "/width:300/height:100");
    }
    for (int example = 0; example < 3; ++example)
        PrintRatio(out, ratios.times, "TitleKeystroke/example:" + std::to_string(example), "Memcpy700x500");
    benchmark::Shutdown();
    return 0;
}
