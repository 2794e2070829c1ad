// The sprite sheet's pieces on a 4,096 by 4,096 sheet: a snap (the piece under a pixel) should take 60 ms
// or less on the worst case, one piece covering the whole opaque sheet, and 1 ms or less on a typical
// 64 by 64 piece. Listing every piece is measured for the record.
#include "GeneratedSkin.h"
#include "render/SheetPieces.h"
#include "render/SheetPixels.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kSide = 4096;

const SkinDocument& Sheet(bool opaque) {
    static const auto make = [](bool whole) {
        SkinDocument document;
        GiveSpriteSheet(document, kSide, whole);
        return document;
    };
    static const SkinDocument pieces = make(false);
    static const SkinDocument full = make(true);
    return opaque ? full : pieces;
}

void BM_SnapWholeOpaqueSheet(benchmark::State& state) {
    const SheetPixels sheet = SheetPixels::OfDocument(Sheet(true));
    for (auto _ : state) {
        const std::optional<CanvasRect> piece = PieceAt(sheet, kSide / 2, kSide / 2);
        if (!piece || piece->Width() != kSide)
            state.SkipWithError("the piece is not the whole sheet");
        benchmark::DoNotOptimize(piece);
    }
}
BENCHMARK(BM_SnapWholeOpaqueSheet)->Unit(benchmark::kMillisecond);

void BM_SnapTypicalPiece(benchmark::State& state) {
    const SheetPixels sheet = SheetPixels::OfDocument(Sheet(false));
    int i = 0;
    for (auto _ : state) {
        // A different piece each time, all over the sheet.
        const int column = (i * 7) % 51, row = (i * 13) % 51;
        ++i;
        const std::optional<CanvasRect> piece = PieceAt(sheet, column * 80 + 30, row * 80 + 30);
        if (!piece || piece->Width() != 64)
            state.SkipWithError("not a 64 by 64 piece");
        benchmark::DoNotOptimize(piece);
    }
}
BENCHMARK(BM_SnapTypicalPiece)->Unit(benchmark::kMicrosecond);

void BM_FindEveryPiece(benchmark::State& state) {
    const SheetPixels sheet = SheetPixels::OfDocument(Sheet(false));
    for (auto _ : state) {
        const std::vector<CanvasRect> pieces = FindPieces(sheet);
        state.counters["pieces"] = static_cast<double>(pieces.size());
        benchmark::DoNotOptimize(pieces.data());
    }
}
BENCHMARK(BM_FindEveryPiece)->Unit(benchmark::kMillisecond);

} // namespace
