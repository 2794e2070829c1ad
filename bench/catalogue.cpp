// The catalogue writer over a folder of 200 packages, at one and at two threads, in packages per second
// (items_per_second). Goal: ten times the packages per second of unzip piped into ImageMagick's convert
// (bench/catalogue_vs_convert.sh runs both side by side), on one thread.
#include "GuiApplication.h"
#include "catalogue/CatalogueFiles.h"
#include "catalogue/CatalogueWriter.h"
#include "package/SkinPackageExport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kPackages = 200;

// 200 packages made from the example note skins in turn, as the export writes them.
const QTemporaryDir& PackageFolder() {
    static const QTemporaryDir* folder = [] {
        auto* dir = new QTemporaryDir;
        // The stack example is named stack.ini, which a package keeps for a stack skin.
        const char* const examples[] = {"plain", "rich"};
        for (const char* example : examples) {
            const QString base = QStringLiteral(DRAPIER_EXAMPLES "/%1/%1").arg(QLatin1String(example));
            SkinPackageSources sources{base + ".ini", base + ".png", QString()};
            QString reason;
            ExportSkinPackage(dir->filePath(QStringLiteral("%1.qsk").arg(QLatin1String(example))), sources,
                              &reason);
        }
        for (int i = 0; i < kPackages; ++i) {
            const QString example = QLatin1String(examples[i % 2]);
            QFile::copy(dir->filePath(example + ".qsk"),
                        dir->filePath(QStringLiteral("skin%1.qsk").arg(i, 3, 10, QLatin1Char('0'))));
        }
        for (const char* example : examples)
            QFile::remove(dir->filePath(QLatin1String(example) + ".qsk"));
        return dir;
    }();
    return *folder;
}

void RemoveOutputs(const QString& folder) {
    QDir dir(folder);
    for (const QString& name : dir.entryList({"*.png", "*.not", "_db.db"}, QDir::Files))
        dir.remove(name);
}

void Catalogue(benchmark::State& state) {
    EnsureGuiApplication();
    const QString folder = PackageFolder().path();
    const QStringList names = SkinFolderListing(folder);
    if (names.size() != kPackages) {
        state.SkipWithError("the packages were not made");
        return;
    }
    CatalogueRun run;
    run.jobs = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        RemoveOutputs(folder);
        state.ResumeTiming();
        const CatalogueResult result = WriteCatalogue(folder, names, run);
        if (result.thumbnails != kPackages || !result.catalogueWritten) {
            state.SkipWithError("not every package was catalogued");
            return;
        }
    }
    state.SetItemsProcessed(state.iterations() * kPackages);
}

} // namespace

BENCHMARK(Catalogue)->Arg(1)->Arg(2)->ArgName("jobs")->UseRealTime()->Unit(benchmark::kMillisecond);
