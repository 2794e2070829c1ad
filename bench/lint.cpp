// The sprite-sheet lint of a generated skin of 5,000 elements over a 2,048 by 2,048 PNG with an alpha
// plane. The groups come first in the list, as skins usually define them, so every group test walks
// most of the list.
#include "document/SkinDocument.h"
#include "render/SkinLint.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kElements = 5000;
constexpr int kGroups = 40;
constexpr int kPicture = 2048;

void GivePicture(SkinDocument& d) {
    d.image.Create(kPicture, kPicture, 24, kImagePng);
    // Pieces of 24 by 24 on a grid of 32, with clear gutters; one piece in 7 is used by no element.
    for (int y = 0; y < kPicture; ++y)
        for (int x = 0; x < kPicture; ++x)
            d.image.SetAlpha(x, y, x % 32 < 24 && y % 32 < 24 ? 255 : 0);
    d.pngsource = true;
}

SourcePoint Piece(int i) {
    const int piece = i % (64 * 64);
    return {piece % 64 * 32, piece / 64 * 32};
}

SkinDocument GeneratedSkin() {
    SkinDocument d;
    d.settings.skinname = QStringLiteral("Benchmark");
    GivePicture(d);
    for (int g = 0; g < kGroups; ++g) {
        SkinElement e = SkinElement::Make(ElementKind::Group);
        GroupRecord& r = *e.As<GroupRecord>();
        r.name = QStringLiteral("group%1").arg(g);
        r.match = g % 2 == 0;
        r.rules = {{QStringLiteral("Width"), QStringLiteral("is greater than"), QString::number(150 + g)},
                   {QStringLiteral("User %1").arg(1 + g % 3), QStringLiteral("is"), QStringLiteral("true")},
                   {QStringLiteral("Title"), QStringLiteral("contains"), QStringLiteral("drap")}};
        d.Append(std::move(e));
    }
    for (int i = kGroups; i < kElements; ++i) {
        const auto kind = static_cast<ElementKind>(1 + i % 6);
        SkinElement e = SkinElement::Make(kind);
        e.SetName(QStringLiteral("Element %1").arg(i % 4000));
        if (i % 3 == 0)
            e.group = QStringLiteral("group%1").arg(i % (kGroups + 1)); // one name in 41 is no group
        DrawableCommon& c = *e.Common();
        c.drawunrolled = i % 13 != 0;
        c.drawrolled = i % 2 == 0;
        c.conditionset = i % 5 == 0;
        c.condition = 1 + i % 20;
        c.drawwidthminimum = i % 7 == 0 ? 100 + i % 500 : -1;
        const SourcePoint source = i % 9 == 0 ? SourcePoint{2040, i % 2048} : Piece(i);
        if (auto* r = e.As<ButtonRecord>()) {
            r->size = {24, 24};
            r->source = source;
            r->sourcerollover = Piece(i + 1);
        } else if (auto* r = e.As<HStripRecord>()) {
            r->extent.height = 24;
            r->width = 24;
            r->source = source;
        } else if (auto* r = e.As<VStripRecord>()) {
            r->extent.width = 24;
            r->height = 24;
            r->source = source;
        } else if (auto* r = e.As<IndicatorRecord>()) {
            r->size = {24, 24};
            r->type = 1 + i % 20;
            r->source = source;
            r->sourceoff = Piece(i + 2);
        } else if (auto* r = e.As<TileAreaRecord>()) {
            r->size = {24, 24};
            r->tiletype = 1;
            r->source = source;
        }
        d.Append(std::move(e));
    }
    return d;
}

void BM_LintSkin(benchmark::State& state) {
    const SkinDocument document = GeneratedSkin();
    size_t findings = 0;
    for (auto _ : state) {
        const LintReport report = LintSkin(document);
        findings = report.findings.size();
        benchmark::DoNotOptimize(findings);
    }
    state.counters["findings"] = static_cast<double>(findings);
}
BENCHMARK(BM_LintSkin)->Unit(benchmark::kMillisecond);

} // namespace
