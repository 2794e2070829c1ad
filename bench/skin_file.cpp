// Reading and writing a generated skin of 10,000 elements, in MB/s of UTF-16 skin text.
#include "document/PlainSkinText.h"
#include "document/SkinDocument.h"
#include "document/SkinReader.h"
#include "document/SkinWriter.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kElements = 10000;

SkinDocument GeneratedSkin() {
    SkinDocument d;
    d.settings.skinname = QStringLiteral("Benchmark");
    d.settings.notes = QStringLiteral("A generated skin\r\nfor timing the reader and the writer");
    d.settings.transparent = MakeColour(255, 0, 255);
    d.layout.usescrollbar = true;
    for (int i = 0; i < kElements; ++i) {
        const auto kind = static_cast<ElementKind>(1 + i % 8);
        SkinElement e = SkinElement::Make(kind);
        if (i % 3 == 0)
            e.group = QStringLiteral("group%1").arg(i % 17);
        e.SetName(QStringLiteral("Element %1").arg(i));
        if (DrawableCommon* c = e.Common()) {
            c->drawrolled = i % 2 == 0;
            c->drawunrolled = true;
            c->conditionset = i % 5 == 0;
            c->condition = 1 + i % 20;
            c->drawwidthminimum = i % 7 == 0 ? 100 + i % 50 : -1;
        }
        if (auto* r = e.As<ButtonRecord>()) {
            r->place = {{-20 - i % 40, PlacementMode::Sides, 0}, {3, PlacementMode::TLScrollbar, i % 4}};
            r->size = {16, 16};
            r->action = 1 + i % 60;
            r->source = {i % 300, 40};
            r->sourcerollover = {i % 300, 56};
        } else if (auto* r = e.As<HStripRecord>()) {
            r->place = {{0}, {25 + i % 9}};
            r->extent = {{-1}, 12};
            r->width = 64;
            r->source = {0, i % 200};
            r->striptype = i % 4;
        } else if (auto* r = e.As<VStripRecord>()) {
            r->place = {{-10}, {25}};
            r->extent = {10, {-10, PlacementMode::BRScrollbar, 2}};
            r->height = 30;
        } else if (auto* r = e.As<TextRecord>()) {
            r->place = {{50, PlacementMode::Percent, -3}, {i % 20 - 10, PlacementMode::Middle, 0}};
            r->extent = {{-30}, 16};
            r->text = QStringLiteral("%TITLE% - %DATE% (%1)").arg(i);
            r->font = QStringLiteral("DejaVu Sans");
            r->bold = i % 2 == 0;
            r->antialias = 2;
            r->alignment = i % 3;
        } else if (auto* r = e.As<IndicatorRecord>()) {
            r->place = {{-40}, {4}};
            r->size = {12, 12};
            r->type = 1 + i % 20;
        } else if (auto* r = e.As<TileAreaRecord>()) {
            r->topleft = {{10}, {25}};
            r->bottomright = {{-10}, {-10}};
            r->size = {32, 32};
            r->tiletype = 1;
        } else if (auto* r = e.As<GroupRecord>()) {
            r->name = QStringLiteral("group%1").arg(i % 17);
            r->rules = {
                {QStringLiteral("Width"), QStringLiteral("is greater than"), QString::number(200 + i % 100)},
                {QStringLiteral("Rolled"), QStringLiteral("is"), QStringLiteral("false")}};
        }
        d.Append(std::move(e));
    }
    return d;
}

QString TextOf(const QByteArray& bytes) {
    return QString(reinterpret_cast<const QChar*>(bytes.constData() + 2), (bytes.size() - 2) / 2);
}

void BM_ReadSkinText(benchmark::State& state) {
    const QString text = TextOf(SkinFileBytes(GeneratedSkin(), QStringLiteral("skin.png")));
    SkinDocument d;
    for (auto _ : state) {
        ReadSkinText(d, text);
        benchmark::DoNotOptimize(d.elements.data());
    }
    if (d.elements.size() != kElements)
        state.SkipWithError("the skin did not read back whole");
    state.SetBytesProcessed(state.iterations() * text.size() * 2);
}
BENCHMARK(BM_ReadSkinText)->Unit(benchmark::kMillisecond);

void BM_ReadSkinFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("skin.ini"));
    QString error;
    if (!WriteSkinFile(GeneratedSkin(), path, QStringLiteral("skin.png"), &error)) {
        state.SkipWithError("cannot write the skin file");
        return;
    }
    SkinDocument d;
    qsizetype size = 0;
    for (auto _ : state) {
        QString text;
        QString image;
        ReadPlainSkinText(path, &text, &image);
        ReadSkinText(d, text);
        size = text.size();
    }
    state.SetBytesProcessed(state.iterations() * size * 2);
}
BENCHMARK(BM_ReadSkinFile)->Unit(benchmark::kMillisecond);

void BM_SkinFileBytes(benchmark::State& state) {
    const SkinDocument d = GeneratedSkin();
    qsizetype size = 0;
    for (auto _ : state) {
        const QByteArray bytes = SkinFileBytes(d, QStringLiteral("skin.png"));
        benchmark::DoNotOptimize(bytes.constData());
        size = bytes.size();
    }
    state.SetBytesProcessed(state.iterations() * size);
}
BENCHMARK(BM_SkinFileBytes)->Unit(benchmark::kMillisecond);

void BM_WriteSkinFile(benchmark::State& state) {
    const SkinDocument d = GeneratedSkin();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("skin.ini"));
    const qsizetype size = SkinFileBytes(d, QStringLiteral("skin.png")).size();
    for (auto _ : state) {
        QString error;
        if (!WriteSkinFile(d, path, QStringLiteral("skin.png"), &error))
            state.SkipWithError("cannot write the skin file");
    }
    state.SetBytesProcessed(state.iterations() * size);
}
BENCHMARK(BM_WriteSkinFile)->Unit(benchmark::kMillisecond);

} // namespace
