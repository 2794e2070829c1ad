// Packing speed: the per-block probe that lets incompressible data go out stored, and whole entries
// written by the package writer, in MB/s of entry data. bench/pack_vs_zip.sh compares the whole command
// with zip; these show where the time goes.
#include "package/DeflateProbe.h"
#include "package/ZipWriter.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QByteArray Noise(qsizetype size) {
    QByteArray b(size, Qt::Uninitialized);
    QRandomGenerator rng(1);
    rng.fillRange(reinterpret_cast<quint32*>(b.data()), size / 4);
    return b;
}

// 0: a megabyte of noise; 1: 64 KiB of noise then 2 MiB of zeros; 2: skin text.
QByteArray Content(int which) {
    switch (which) {
    case 0:
        return Noise(1024 * 1024);
    case 1:
        return Noise(64 * 1024) + QByteArray(2 * 1024 * 1024, '\0');
    default:
        return QByteArray("[button]\nname=close\nplace=-20,4\nsize=16x16\naction=close\n\n").repeated(20000);
    }
}

void BM_DeflateProbe(benchmark::State& state) {
    const QByteArray data = Content(static_cast<int>(state.range(0)));
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.constData());
    for (auto _ : state) {
        DeflateProbe probe;
        int stored = 0;
        for (qsizetype at = 0; at < data.size(); at += DeflateProbe::kBlock)
            stored += probe.Classify(bytes + at, std::min(DeflateProbe::kBlock, data.size() - at)) ==
                      DeflateProbe::BlockKind::Incompressible;
        benchmark::DoNotOptimize(stored);
    }
    state.SetBytesProcessed(state.iterations() * data.size());
}
BENCHMARK(BM_DeflateProbe)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void BM_PackEntry(benchmark::State& state) {
    const QByteArray data = Content(static_cast<int>(state.range(0)));
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("data.png"));
    QFile file(source);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size()) {
        state.SkipWithError("cannot write the source file");
        return;
    }
    file.close();
    for (auto _ : state) {
        ZipWriter writer;
        if (writer.Create(dir.filePath(QStringLiteral("out.qsk"))) != ZipResult::Ok ||
            writer.AddFile(QStringLiteral("data.png"), source) != ZipResult::Ok ||
            writer.Close() != ZipResult::Ok)
            state.SkipWithError("packing failed");
    }
    state.SetBytesProcessed(state.iterations() * data.size());
}
BENCHMARK(BM_PackEntry)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace
