// The designer window: from construction to its first painted frame, and the preview rebuild that
// follows a change of a note-settings control.
#include "designer/DrapierDlg.h"
#include "widgets/Prompter.h"

#include "widgets/IntegerBox.h"
#include <QApplication>
#include <QCheckBox>
#include <QSettings>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>

namespace {

// Questions never come up here; a prompter that cancels everything keeps the window from blocking.
class SilentPrompter : public Prompter {
public:
    void Inform(QWidget*, const QString&) override {}
    Answer AskYesNoCancel(QWidget*, const QString&) override { return Answer::No; }
    bool AskOkCancel(QWidget*, const QString&) override { return false; }
    QString ChooseFileToOpen(QWidget*, const QString&, const QString&) override { return {}; }
    QString ChooseFileToSave(QWidget*, const QString&, const QString&) override { return {}; }
    std::optional<Colour> ChooseColour(QWidget*, Colour) override { return std::nullopt; }
};

struct Environment {
    Environment() {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QApplication>(argc, argv);
        store = std::make_unique<QSettings>(dir.filePath("settings.ini"), QSettings::IniFormat);
    }
    int argc = 1;
    char name[8] = "bench";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QApplication> app;
    QTemporaryDir dir;
    std::unique_ptr<QSettings> store;
    SilentPrompter prompter;
};

Environment& Env() {
    static Environment environment;
    return environment;
}

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

QString SkinPath(int index) {
    return QStringLiteral(DRAPIER_EXAMPLES "/%1/%1.ini").arg(QLatin1String(kSkins[index]));
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
