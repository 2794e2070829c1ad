// The sheet canvas on a 4,096 by 4,096 sheet with the generated 5,000-element skin (half of it in 50
// groups). One drag step of a drawn rectangle (fields set, preview rebuilt, the visible part of the
// canvas repainted) should take at most 1 ms more than one preview rebuild of that skin, measured in the
// same run (the counters rebuild_ms and over_rebuild_ms); a scroll or zoom step repainting an 800 by 600
// view at zoom 8 at most 4 ms.
#include "DesignerBenchSupport.h"
#include "GeneratedSkin.h"
#include "designer/DrapierDlg.h"
#include "document/SkinWriter.h"
#include "widgets/SheetCanvas.h"

#include <QFile>
#include <QMouseEvent>
#include <QScrollBar>
#include <benchmark/benchmark.h>
#include <ctime>

namespace {

constexpr int kSide = 4096;

const SkinDocument& GeneratedSkin() {
    static const SkinDocument document = [] {
        SkinDocument d = ManyButtons(5000);
        GiveSpriteSheet(d, kSide, false);
        return d;
    }();
    return document;
}

QString WriteGeneratedSkin() {
    Environment& env = Env();
    const QString path = env.dir.filePath("generated.ini");
    if (!QFile::exists(path)) {
        WriteSkinFile(GeneratedSkin(), path, QStringLiteral("generated.png"), nullptr);
        GeneratedSkin().image.SavePng(env.dir.filePath("generated.png"));
    }
    return path;
}

void Send(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::ControlModifier);
    QApplication::sendEvent(widget, &event);
}

// The processor time this thread has used, in milliseconds: other programs on a shared machine do not
// count, and the drag steps and the rebuilds they are compared with are measured alike.
double ThreadMilliseconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

void BM_DrawDragStep(benchmark::State& state) {
    Environment& env = Env();
    CDrapierDlg window(env.prompter, *env.store);
    window.StartUp(WriteGeneratedSkin());
    window.resize(1400, 1000);
    window.show();
    QApplication::processEvents();
    if (window.SourceImage().Width() != kSide || window.Document().elements.size() != 5050u) {
        state.SkipWithError("the generated skin did not load");
        return;
    }
    window.SelectEntry(1001); // a button inside a group
    QApplication::processEvents();

    QWidget* view = window.findChild<SheetCanvas*>(QStringLiteral("sourceView"))->viewport();
    Send(view, QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
    // Each drag step is followed by one plain preview rebuild, as each step makes it, so both see the
    // same machine.
    int step = 0;
    double dragging = 0, rebuilding = 0;
    for (auto _ : state) {
        ++step;
        const double start = ThreadMilliseconds();
        Send(view, QEvent::MouseMove, {20 + step % 60, 20 + step % 40}, Qt::NoButton, Qt::LeftButton);
        QApplication::processEvents();
        const double moved = ThreadMilliseconds();
        window.RedrawPreview();
        QApplication::processEvents();
        const double rebuilt = ThreadMilliseconds();
        dragging += moved - start;
        rebuilding += rebuilt - moved;
        state.SetIterationTime((moved - start) / 1e3);
    }
    Send(view, QEvent::MouseButtonRelease, {20, 20}, Qt::LeftButton, Qt::NoButton);
    const SourcePoint drawn = window.Document().elements[1001].As<ButtonRecord>()->source;
    if (drawn.x != 10 || drawn.y != 10)
        state.SkipWithError("the drag did not draw from the pressed pixel");
    state.counters["rebuild_ms"] = rebuilding / step;
    state.counters["over_rebuild_ms"] = (dragging - rebuilding) / step;
    state.SetLabel(QStringLiteral("view %1 x %2").arg(view->width()).arg(view->height()).toStdString());
}
BENCHMARK(BM_DrawDragStep)->UseManualTime()->Unit(benchmark::kMillisecond);

// An 800 by 600 view of the sheet at zoom 8 with a tinted rectangle; range 1 with every piece outlined.
struct ZoomedView {
    ZoomedView(bool pieces) {
        (void)Env();
        canvas.SetPicture(&GeneratedSkin().image);
        canvas.SetTints({{800, 800, 64, 64, false}});
        canvas.SetShowPieces(pieces);
        canvas.show();
        canvas.resize(800, 600);
        QApplication::processEvents();
        canvas.resize(canvas.size() + (canvas.size() - canvas.viewport()->size()));
        canvas.SetZoom(8);
        QApplication::processEvents();
    }
    bool Ready() const { return canvas.viewport()->size() == QSize(800, 600); }
    SheetCanvas canvas;
};

void BM_ScrollStepAtZoom8(benchmark::State& state) {
    ZoomedView view(state.range(0) != 0);
    if (!view.Ready()) {
        state.SkipWithError("the view is not 800 x 600");
        return;
    }
    int step = 0;
    for (auto _ : state) {
        ++step;
        view.canvas.SetScrollPosition({6000 + (step % 50) * 37, 6000 + (step % 40) * 23});
        view.canvas.viewport()->repaint();
    }
}
BENCHMARK(BM_ScrollStepAtZoom8)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ZoomStepToZoom8(benchmark::State& state) {
    ZoomedView view(false);
    if (!view.Ready()) {
        state.SkipWithError("the view is not 800 x 600");
        return;
    }
    view.canvas.SetScrollPosition({6000, 6000});
    int step = 0;
    for (auto _ : state) {
        view.canvas.SetZoom(++step % 2 ? 6 : 8, QPoint(400, 300));
        view.canvas.viewport()->repaint();
    }
}
BENCHMARK(BM_ZoomStepToZoom8)->Unit(benchmark::kMillisecond);

} // namespace
