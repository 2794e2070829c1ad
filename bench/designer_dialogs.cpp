// Typing in an element dialog: each keystroke is applied to the element and the preview rebuilt, as the
// designer does while a dialog is open. The figure is one keystroke with its rebuild; the second
// benchmark types in the dialog the designer's window opens, with everything that follows a keystroke
// there (the greyed tree, the source highlight, the tree picture).
#include "DesignerBenchSupport.h"
#include "designer/DrapierDlg.h"
#include "dialogs/EditContext.h"
#include "dialogs/StripDlg.h"
#include "document/SkinDocument.h"
#include "document/SkinLoader.h"
#include "picture/Canvas.h"
#include "render/RenderPreview.h"
#include "widgets/IntegerBox.h"

#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

const char* const kSkins[] = {"plain", "rich", "stack"};

// Alternately one more digit and one fewer: one edit, one live apply, one redraw.
void TypeOneKey(QLineEdit* box) {
    if (box->text().size() > 2)
        box->backspace();
    else
        box->insert(QStringLiteral("2"));
}

void BM_StripDialogKeystroke(benchmark::State& state) {
    Env();
    const QString skin =
        QStringLiteral(DRAPIER_EXAMPLES "/%1/%1.ini").arg(QLatin1String(kSkins[state.range(0)]));
    SkinDocument document;
    if (!LoadSkin(document, skin, {})) {
        state.SkipWithError("example skin did not load");
        return;
    }
    HStripRecord* strip = nullptr;
    for (SkinElement& element : document.elements) {
        if (!strip)
            strip = element.As<HStripRecord>();
    }
    EditContext context(Env().prompter);
    NoteSettings settings;
    settings.stackmode = document.settings.mode == 1;
    context.stackMode = settings.stackmode;
    Canvas preview(640, 400);
    int rebuilds = 0;
    context.redraw = [&] {
        RenderPreview(document, settings, PreviewOptions{}, preview);
        ++rebuilds;
    };
    QItemHStripDlg dialog(context, *strip, nullptr);
    auto* box = dialog.WidthBox()->findChild<QLineEdit*>();
    box->setText(QStringLiteral("1"));
    box->end(false);
    for (auto _ : state)
        TypeOneKey(box);
    state.counters["rebuilds per keystroke"] =
        benchmark::Counter(double(rebuilds) / double(state.iterations()));
    state.SetLabel(kSkins[state.range(0)]);
}
BENCHMARK(BM_StripDialogKeystroke)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_WindowDialogKeystroke(benchmark::State& state) {
    Environment& env = Env();
    CDrapierDlg window(env.prompter, *env.store);
    window.StartUp(QStringLiteral(DRAPIER_EXAMPLES "/%1/%1.ini").arg(QLatin1String(kSkins[state.range(0)])));
    window.show();
    QApplication::processEvents();
    const auto& elements = window.Document().elements;
    int entry = 0;
    while (entry < int(elements.size()) && !elements[entry].As<HStripRecord>())
        ++entry;
    if (entry == int(elements.size())) {
        state.SkipWithError("no horizontal strip in the example");
        return;
    }
    // The dialog is modal: the keystrokes are typed from inside its own event loop.
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QItemHStripDlg*>(QApplication::activeModalWidget());
        if (!dialog) {
            state.SkipWithError("the strip's dialog did not open");
            return;
        }
        auto* box = dialog->WidthBox()->findChild<QLineEdit*>();
        box->setText(QStringLiteral("1"));
        box->end(false);
        for (auto _ : state)
            TypeOneKey(box);
        dialog->reject();
    });
    window.EditEntry(entry);
    state.SetLabel(kSkins[state.range(0)]);
}
BENCHMARK(BM_WindowDialogKeystroke)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

} // namespace
