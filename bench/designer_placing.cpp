// Placing elements on the preview. One drag step on a skin of 5,000 elements over a 4,096 by 4,096
// sheet (the placements changed, the preview rebuilt, the outline, handles and guides painted) should
// take 4 ms or less; the snapping lines are found once per drag, when it starts, and that is measured
// apart.
#include "DesignerBenchSupport.h"
#include "designer/DrapierDlg.h"
#include "designer/PreviewEditor.h"
#include "designer/PreviewView.h"
#include "document/NoteState.h"
#include "document/SkinWriter.h"
#include "picture/InputLimits.h"
#include "render/SnapLines.h"

#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <benchmark/benchmark.h>

namespace {

constexpr int kElements = 5000;
static_assert(kElements <= kMaxDrawnElements, "every element of the measured skin is drawn");
constexpr int kGroups = 40;
constexpr int kSheet = 4096;
constexpr int kDragged = 2500; // a button, drawn in the preview's state, in no group

// Every kind spread over the 300 by 100 note the preview starts with, most in groups with rules, their
// pictures taken from all over the sheet.
SkinDocument GeneratedSkin() {
    SkinDocument d;
    for (int g = 0; g < kGroups; ++g) {
        SkinElement e = SkinElement::Make(ElementKind::Group);
        GroupRecord& r = *e.As<GroupRecord>();
        r.name = QStringLiteral("group%1").arg(g);
        r.rules = {{QStringLiteral("Width"), QStringLiteral("is greater than"), QString::number(100 + g)},
                   {QStringLiteral("Rolled"), QStringLiteral("is"), QStringLiteral("false")}};
        d.Append(std::move(e));
    }
    for (int i = kGroups; i < kElements; ++i) {
        const auto kind = i == kDragged ? ElementKind::Button : static_cast<ElementKind>(1 + i % 6);
        SkinElement e = SkinElement::Make(kind);
        e.SetName(QStringLiteral("Element %1").arg(i));
        if (i % 3 == 0 && i != kDragged)
            e.group = QStringLiteral("group%1").arg(i % kGroups);
        e.Common()->drawunrolled = true;
        const Placement x{(i * 37) % 276};
        const Placement y{(i * 13) % 76};
        const SourcePoint source{(i % 128) * 32, (i / 128 % 128) * 32};
        if (auto* r = e.As<ButtonRecord>()) {
            r->place = {x, y};
            r->size = {24, 24};
            r->source = source;
        } else if (auto* r = e.As<IndicatorRecord>()) {
            r->place = {x, y};
            r->size = {24, 24};
            r->source = source;
            r->sourceoff = source;
        } else if (auto* r = e.As<HStripRecord>()) {
            r->place = {x, y};
            r->extent = {Placement{x.value + 40}, 24};
            r->width = 24;
            r->source = source;
        } else if (auto* r = e.As<VStripRecord>()) {
            r->place = {x, y};
            r->extent = {24, Placement{y.value + 20}};
            r->height = 24;
            r->source = source;
        } else if (auto* r = e.As<TextRecord>()) {
            r->place = {x, y};
            r->extent = {Placement{x.value + 60}, 14};
            r->text = QStringLiteral("%TITLE%");
        } else if (auto* r = e.As<TileAreaRecord>()) {
            r->topleft = {x, y};
            r->bottomright = {Placement{x.value + 30}, Placement{y.value + 20}};
            r->size = {24, 24};
            r->tiletype = 1;
            r->source = source;
        }
        d.Append(std::move(e));
    }
    return d;
}

QString WriteGeneratedSkin() {
    Environment& env = Env();
    const QString path = env.dir.filePath("placing.ini");
    if (!QFile::exists(path)) {
        WriteSkinFile(GeneratedSkin(), path, QStringLiteral("placing.png"), nullptr);
        QImage sheet(kSheet, kSheet, QImage::Format_ARGB32);
        for (int y = 0; y < kSheet; ++y) {
            auto* row = reinterpret_cast<QRgb*>(sheet.scanLine(y));
            for (int x = 0; x < kSheet; ++x)
                row[x] = x % 32 < 24 && y % 32 < 24 ? qRgba(x % 256, y % 256, 128, 200) : 0;
        }
        sheet.save(env.dir.filePath("placing.png"), "PNG", 100);
    }
    return path;
}

struct Opened {
    std::unique_ptr<CDrapierDlg> window;
    PreviewView* preview = nullptr;
    QPoint at; // the dragged button's middle in the preview
};

Opened OpenDragging(benchmark::State& state) {
    Environment& env = Env();
    Opened o;
    o.window = std::make_unique<CDrapierDlg>(env.prompter, *env.store);
    o.window->StartUp(WriteGeneratedSkin());
    o.window->resize(1400, 1000);
    o.window->show();
    QApplication::processEvents();
    o.preview = o.window->findChild<PreviewView*>(QStringLiteral("preview"));
    if (o.window->Document().elements.size() != static_cast<size_t>(kElements) ||
        o.window->SourceImage().Width() != kSheet || !o.preview) {
        state.SkipWithError("the generated skin did not load");
        return o;
    }
    o.window->SelectEntry(kDragged);
    const NoteState note = o.window->PreviewNoteState();
    const ButtonRecord& button = *o.window->Document().elements[kDragged].As<ButtonRecord>();
    o.at = QPoint(note.originx + button.place.x.value + 12, note.originy + button.place.y.value + 12);
    return o;
}

void Send(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void BM_DragStep5000(benchmark::State& state) {
    Opened o = OpenDragging(state);
    if (!o.preview)
        return;
    Send(o.preview, QEvent::MouseButtonPress, o.at, Qt::LeftButton, Qt::LeftButton);
    // Past the drag distance: the drag has begun and found its snapping lines.
    Send(o.preview, QEvent::MouseMove, o.at + QPoint(20, 0), Qt::NoButton, Qt::LeftButton);
    auto* editor = o.window->findChild<PreviewEditor*>(QStringLiteral("previewEditor"));
    if (!editor || !editor->IsDragging()) {
        state.SkipWithError("the drag did not start");
        return;
    }
    int step = 0;
    for (auto _ : state) {
        ++step;
        Send(o.preview, QEvent::MouseMove, o.at + QPoint(step % 61 - 30, step % 23 - 11), Qt::NoButton,
             Qt::LeftButton);
        o.preview->repaint();
    }
    Send(o.preview, QEvent::MouseButtonRelease, o.at, Qt::LeftButton, Qt::NoButton);
    state.SetLabel(
        QStringLiteral("preview %1 x %2").arg(o.preview->width()).arg(o.preview->height()).toStdString());
}
BENCHMARK(BM_DragStep5000)->Unit(benchmark::kMicrosecond);

// Once per drag: the lines of every element drawn in the state.
void BM_SnapLines5000(benchmark::State& state) {
    Opened o = OpenDragging(state);
    if (!o.preview)
        return;
    const NoteState note = o.window->PreviewNoteState();
    size_t lines = 0;
    for (auto _ : state) {
        const SnapLines found = FindSnapLines(o.window->Document(), note, kDragged);
        lines = found.x.size() + found.y.size();
        benchmark::DoNotOptimize(lines);
    }
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_SnapLines5000)->Unit(benchmark::kMicrosecond);

} // namespace
