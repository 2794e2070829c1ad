// Editing in the designer. Rebuilding the element tree (items and greying) for a skin of 2,000 elements
// should take 50 ms or less; one drag step of a pick (fields set, preview rebuilt, source view
// repainted) on the Ribbon example with its picture enlarged to 1,024 by 1,024 4 ms or less; and a
// history of 200 steps on a 2,000-element skin should keep well under 100 MB.
#include "DesignerBenchSupport.h"
#include "designer/DrapierDlg.h"
#include "designer/UndoSteps.h"
#include "document/SkinDocument.h"
#include "document/SkinWriter.h"
#include "widgets/SheetCanvas.h"
#include "widgets/TreeCtrlEx.h"

#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QTreeWidgetItem>
#include <QUndoStack>
#include <benchmark/benchmark.h>
#include <malloc.h>

namespace {

// 2,000 elements as a large skin has them: 100 groups with rules, most elements in a group, some
// layouts, every kind.
SkinDocument LargeSkin() {
    SkinDocument document;
    const ElementKind kinds[] = {ElementKind::Button, ElementKind::HStrip,    ElementKind::VStrip,
                                 ElementKind::Text,   ElementKind::Indicator, ElementKind::TileArea};
    for (int g = 0; g < 100; ++g) {
        SkinElement group = SkinElement::Make(ElementKind::Group);
        group.SetName(QStringLiteral("group%1").arg(g));
        group.As<GroupRecord>()->rules.push_back({"Width", "is greater than", QString::number(g * 3)});
        document.Append(group);
    }
    for (int i = 0; i < 1890; ++i) {
        SkinElement e = SkinElement::Make(kinds[i % 6]);
        e.SetName(QStringLiteral("element %1").arg(i));
        e.Common()->drawunrolled = true;
        if (i % 5 != 0)
            e.group = QStringLiteral("group%1").arg(i % 100);
        document.Append(e);
    }
    for (int l = 0; l < 10; ++l) {
        SkinElement layout = SkinElement::Make(ElementKind::Layout);
        layout.SetName(QStringLiteral("layout %1").arg(l));
        layout.group = QStringLiteral("group%1").arg(l * 9);
        document.Append(layout);
    }
    return document;
}

QString WriteLargeSkin() {
    Environment& env = Env();
    const QString path = env.dir.filePath("large.ini");
    if (!QFile::exists(path)) {
        WriteSkinFile(LargeSkin(), path, QStringLiteral("large.png"), nullptr);
        QImage picture(256, 256, QImage::Format_ARGB32);
        picture.fill(Qt::gray);
        picture.save(env.dir.filePath("large.png"));
    }
    return path;
}

// The window on the skin, shown and painted once.
std::unique_ptr<CDrapierDlg> OpenWindow(const QString& skin) {
    Environment& env = Env();
    auto window = std::make_unique<CDrapierDlg>(env.prompter, *env.store);
    window->StartUp(skin);
    window->resize(1400, 1000);
    window->show();
    QApplication::processEvents();
    return window;
}

void BM_TreeRebuild2000(benchmark::State& state) {
    const auto opened = OpenWindow(WriteLargeSkin());
    CDrapierDlg& window = *opened;
    if (window.Document().elements.size() != 2000u || window.SkinPath().isEmpty()) {
        state.SkipWithError("the large skin did not load");
        return;
    }
    int select = 0;
    const int part = static_cast<int>(state.range(0));
    for (auto _ : state) {
        if (part != 2)
            window.RebuildTree(select);
        if (part != 1)
            window.GreyTree();
        select = (select + 7) % 2000;
    }
    const char* const parts[] = {"items and greying", "items", "greying"};
    state.SetLabel(parts[part]);
}
// 0: the whole rebuild; 1 and 2 its two halves.
BENCHMARK(BM_TreeRebuild2000)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// A whole Delete on the large skin, for the record: document, tree, preview and undo step.
void BM_DeleteIn2000(benchmark::State& state) {
    const auto opened = OpenWindow(WriteLargeSkin());
    CDrapierDlg& window = *opened;
    for (auto _ : state) {
        window.SelectEntry(150);
        if (window.SelectedEntry() != 150) {
            state.SkipWithError("no element to delete");
            break;
        }
        window.DeleteSelected();
        state.PauseTiming();
        window.UndoStack()->undo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DeleteIn2000)->Unit(benchmark::kMillisecond);

// The Ribbon example beside a copy of its picture on a 1,024 by 1,024 canvas.
QString WriteEnlargedRibbon() {
    Environment& env = Env();
    const QString skin = env.dir.filePath("rich.ini");
    if (!QFile::exists(skin)) {
        QFile::copy(QStringLiteral(DRAPIER_EXAMPLES "/rich/rich.ini"), skin);
        QImage large(1024, 1024, QImage::Format_ARGB32);
        large.fill(Qt::transparent);
        const QImage picture(QStringLiteral(DRAPIER_EXAMPLES "/rich/rich.png"));
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                large.setPixel(x, y, picture.pixel(x, y));
        large.save(env.dir.filePath("rich.png"));
    }
    return skin;
}

void SendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void BM_PickDragStep(benchmark::State& state) {
    const auto opened = OpenWindow(WriteEnlargedRibbon());
    CDrapierDlg& window = *opened;
    QWidget* view = window.findChild<SheetCanvas*>(QStringLiteral("sourceView"))->viewport();
    const QList<QTreeWidgetItem*> close =
        window.Tree()->findItems(QStringLiteral("Close"), Qt::MatchExactly | Qt::MatchRecursive);
    if (window.SourceImage().Width() != 1024 || close.isEmpty()) {
        state.SkipWithError("the enlarged example did not load");
        return;
    }
    window.Tree()->setCurrentItem(close.first());
    SendMouse(view, QEvent::MouseButtonPress, {48, 0}, Qt::LeftButton, Qt::LeftButton);
    int step = 0;
    for (auto _ : state) {
        ++step;
        SendMouse(view, QEvent::MouseMove, {48 + step % 40, step % 30}, Qt::NoButton, Qt::LeftButton);
        // The repaint of the source view and the preview.
        QApplication::processEvents();
    }
    SendMouse(view, QEvent::MouseButtonRelease, {48, 0}, Qt::LeftButton, Qt::NoButton);
    state.SetLabel(QStringLiteral("view %1 x %2").arg(view->width()).arg(view->height()).toStdString());
}
BENCHMARK(BM_PickDragStep)->Unit(benchmark::kMicrosecond);

// The bytes a history of 200 steps keeps on a 2,000-element skin, each step changing one element,
// moving one or deleting one, as malloc counts them.
void BM_UndoHistoryMemory(benchmark::State& state) {
    for (auto _ : state) {
        SkinDocument document = LargeSkin();
        QString png = QStringLiteral("large.png");
        const size_t before = mallinfo2().uordblks;
        {
            DocumentHistory history(document, png, [](const DocumentSnapshot&, int) {});
            for (int step = 0; step < 200; ++step) {
                history.Begin(-1);
                SkinElement& e = document.elements[static_cast<size_t>(100 + step * 9)];
                switch (step % 3) {
                case 0:
                    e.SetName(e.Name() + QStringLiteral("*"));
                    break;
                case 1:
                    std::swap(e, document.elements[static_cast<size_t>(101 + step * 9)]);
                    break;
                default:
                    document.elements.erase(document.elements.begin() + 100 + step * 9);
                    break;
                }
                history.Commit(QStringLiteral("step"), -1);
            }
            const size_t after = mallinfo2().uordblks;
            state.counters["history_MB"] = static_cast<double>(after - before) / (1024.0 * 1024.0);
            state.counters["steps"] = history.Stack()->count();
        }
    }
}
BENCHMARK(BM_UndoHistoryMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
