// The state sheet window redraws while the skin is edited: the whole default sheet of each example skin
// (every state it reacts to, at its minimum size, 300 by 100 and 600 by 200) should take under 20 ms.
#include "GuiApplication.h"
#include "document/SkinDocument.h"
#include "document/SkinLoader.h"
#include "picture/Canvas.h"
#include "render/StateSheet.h"

#include <benchmark/benchmark.h>

namespace {

void SheetOf(benchmark::State& bench, const char* skin) {
    EnsureGuiApplication();
    SkinDocument document;
    if (!LoadSkin(document, QStringLiteral(DRAPIER_EXAMPLES "/") + QLatin1StringView(skin), QString())) {
        bench.SkipWithError("example skin did not load");
        return;
    }
    NoteSettings base;
    base.stackmode = document.settings.mode == 1;
    base.source = DefaultNoteSource(base.stackmode);
    Canvas sheet;
    for (auto _ : bench) {
        // The rows and sizes are worked out anew each time, as the window does after an edit.
        std::vector<SheetRow> rows;
        for (const QString& name : StateSheetStates(document, base))
            rows.push_back(*StateSheetRow(name, base));
        if (!DrawStateSheet(document, rows, DefaultStateSheetSizes(document, base), sheet)) {
            bench.SkipWithError("the sheet was not drawn");
            return;
        }
        benchmark::DoNotOptimize(sheet.Row(0));
    }
    bench.counters["rows"] = static_cast<double>(StateSheetStates(document, base).size());
}

void Plain(benchmark::State& s) {
    SheetOf(s, "plain/plain.ini");
}
void Rich(benchmark::State& s) {
    SheetOf(s, "rich/rich.ini");
}
void Stack(benchmark::State& s) {
    SheetOf(s, "stack/paperpile.ini");
}

} // namespace

BENCHMARK(Plain)->Unit(benchmark::kMillisecond);
BENCHMARK(Rich)->Unit(benchmark::kMillisecond);
BENCHMARK(Stack)->Unit(benchmark::kMillisecond);
