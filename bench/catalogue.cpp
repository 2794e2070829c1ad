// The catalogue writer over a folder of 200 packages, at one and at two threads, in packages per second
// (items_per_second). Goal: ten times the packages per second of unzip piped into ImageMagick's convert
// (bench/catalogue_vs_convert.sh runs both side by side), on one thread.
//
// CatalogueWithPage: a folder of 2,000 packages whose thumbnails and notes files are all there, as a
// repeated run finds it, catalogued at two threads without (page:0) and with (page:1) the gallery page.
// Goal: the page adds at most 5 % to the run.
#include "GuiApplication.h"
#include "catalogue/CatalogueFiles.h"
#include "catalogue/CatalogueWriter.h"
#include "catalogue/GalleryHtml.h"
#include "catalogue/GalleryPage.h"
#include "package/SkinPackageExport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kPackages = 200;

constexpr int kGalleryPackages = 2000;

// `count` packages made from the example note skins in turn, as the export writes them.
QTemporaryDir* MakePackageFolder(int count) {
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
    for (int i = 0; i < count; ++i) {
        const QString example = QLatin1String(examples[i % 2]);
        QFile::copy(dir->filePath(example + ".qsk"),
                    dir->filePath(QStringLiteral("skin%1.qsk").arg(i, 4, 10, QLatin1Char('0'))));
    }
    for (const char* example : examples)
        QFile::remove(dir->filePath(QLatin1String(example) + ".qsk"));
    return dir;
}

const QTemporaryDir& PackageFolder() {
    static const QTemporaryDir* folder = MakePackageFolder(kPackages);
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

// The 2,000 packages with every thumbnail and notes file written.
const QTemporaryDir& GalleryFolder() {
    static const QTemporaryDir* folder = [] {
        QTemporaryDir* dir = MakePackageFolder(kGalleryPackages);
        WriteCatalogue(dir->path(), SkinFolderListing(dir->path()));
        return dir;
    }();
    return *folder;
}

void CatalogueWithPage(benchmark::State& state) {
    EnsureGuiApplication();
    const QString folder = GalleryFolder().path();
    const QStringList names = SkinFolderListing(folder);
    const bool page = state.range(0) != 0;
    CatalogueRun run;
    run.jobs = 2;
    for (auto _ : state) {
        CatalogueResult result = WriteCatalogue(folder, names, run);
        if (page && !AddGalleryPage(folder, result)) {
            state.SkipWithError("the page was not written");
            return;
        }
        if (result.skipped != kGalleryPackages || !result.catalogueWritten) {
            state.SkipWithError("not every package was there already");
            return;
        }
    }
    state.SetItemsProcessed(state.iterations() * kGalleryPackages);
}

// The page alone for the same folder's cards (its thumbnails' headers read, the page made and written):
// the share CatalogueWithPage/page:1 adds.
void GalleryPageOnly(benchmark::State& state) {
    EnsureGuiApplication();
    const QTemporaryDir& folder = GalleryFolder();
    const CatalogueResult result = WriteCatalogue(folder.path(), SkinFolderListing(folder.path()));
    for (auto _ : state) {
        if (!WriteGalleryPage(folder.path(), result.cards).written) {
            state.SkipWithError("the page was not written");
            return;
        }
    }
    state.SetItemsProcessed(state.iterations() * kGalleryPackages);
}

// The page's text alone, from the same cards: no thumbnail headers read, nothing written.
void GalleryPageText(benchmark::State& state) {
    EnsureGuiApplication();
    const QTemporaryDir& folder = GalleryFolder();
    const CatalogueResult result = WriteCatalogue(folder.path(), SkinFolderListing(folder.path()));
    for (auto _ : state)
        benchmark::DoNotOptimize(GalleryPageHtml(result.cards));
    state.SetItemsProcessed(state.iterations() * kGalleryPackages);
}

} // namespace

BENCHMARK(CatalogueWithPage)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("page")
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(GalleryPageOnly)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(GalleryPageText)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Catalogue)->Arg(1)->Arg(2)->ArgName("jobs")->UseRealTime()->Unit(benchmark::kMillisecond);
