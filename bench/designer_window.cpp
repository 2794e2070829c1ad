// The designer window: from construction to its first painted frame, and the preview rebuild that
// follows a change of a note-settings control.
#include "DesignerBenchSupport.h"
#include "designer/DrapierDlg.h"

#include "widgets/IntegerBox.h"
#include <QApplication>
#include <QCheckBox>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

// Counts the paint events a widget and its children receive.
class PaintWatch : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
    int paints = 0;
};

const char* const kSkins[] = {"plain", "rich", "stack"};
const char* const kSkinFiles[] = {"plain/plain.ini", "rich/rich.ini", "stack/paperpile.ini"};

QString SkinPath(int index) {
    return QStringLiteral(DRAPIER_EXAMPLES "/") + QLatin1String(kSkinFiles[index]);
}

// Once per process: the application object, the window and its first frame, as a user's start-up has
// them (the program's loading by the system aside).
void BM_ColdStartToFirstPaint(benchmark::State& state) {
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        Environment& env = Env();
        PaintWatch watch;
        CDrapierDlg window(env.prompter, *env.store);
        window.installEventFilter(&watch);
        window.StartUp(SkinPath(1));
        window.show();
        while (watch.paints == 0)
            QApplication::processEvents();
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
}
BENCHMARK(BM_ColdStartToFirstPaint)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_StartUpToFirstPaint(benchmark::State& state) {
    Environment& env = Env();
    const QString skin = SkinPath(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        PaintWatch watch;
        auto window = std::make_unique<CDrapierDlg>(env.prompter, *env.store);
        window->installEventFilter(&watch);
        window->StartUp(skin);
        window->show();
        while (watch.paints == 0)
            QApplication::processEvents();
        state.PauseTiming();
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.SetLabel(kSkins[state.range(0)]);
}
BENCHMARK(BM_StartUpToFirstPaint)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_PreviewRebuildAfterControlChange(benchmark::State& state) {
    Environment& env = Env();
    CDrapierDlg window(env.prompter, *env.store);
    window.StartUp(SkinPath(static_cast<int>(state.range(0))));
    window.show();
    QApplication::processEvents();
    auto* width = window.findChild<IntegerBox*>(QStringLiteral("width"));
    int step = 0;
    for (auto _ : state) {
        // Each change rebuilds the whole preview picture before it returns.
        width->SetValue(300 + (++step % 2));
    }
    state.SetLabel(kSkins[state.range(0)]);
}
BENCHMARK(BM_PreviewRebuildAfterControlChange)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

} // namespace
