#pragma once

#include "catalogue/CataloguePackage.h"

#include <QString>
#include <QStringList>
#include <functional>

// Where a catalogue run stands after a package has finished.
struct CatalogueProgress {
    int done = 0;  // packages finished
    int total = 0; // packages in the run
    QString name;  // the package that just finished
    PackageOutcome outcome = PackageOutcome::Written;
};

struct CatalogueRun {
    int jobs = 0; // packages worked on at once; 0: one per core
    // After every package, in the order they finish, on the calling thread; false cancels the run.
    std::function<bool(const CatalogueProgress&)> progress;
    // A few times a second while packages are being worked on, on the calling thread, so that a window
    // can stay responsive; false cancels the run.
    std::function<bool()> idle;
};

struct CatalogueResult {
    int packages = 0;   // packages in the list
    int finished = 0;   // packages worked on (fewer only when cancelled)
    int thumbnails = 0; // thumbnails written
    int notes = 0;      // notes files written
    int skipped = 0;
    int failed = 0;
    bool cancelled = false;
    bool catalogueWritten = false;
    QString cataloguePath;
    QStringList messages; // every failure's message: the packages' in list order, then the catalogue file's
    QString lastSkinName; // the skin name of the last package in list order that loaded
    bool anyLoaded = false;
    QList<GalleryCard> cards; // every package's, in list order, unless the run was cancelled
    bool pageWritten = false; // the gallery page, when it was asked for (AddGalleryPage)
    QString pagePath;
};

// Catalogues the packages (names ending in ".qsk" in any case; other names are passed over) of the
// list, in the folder: each package's thumbnail and notes file when they are missing, and "_db.db" anew
// with one line per package in list order. Packages are worked on in parallel, each on documents of its
// own; packages whose output names differ only in case are worked on one after the other in list order,
// so every file is the one a run of one package after another would write. Cancelling stops starting
// packages; the ones under way finish, and no catalogue file is written.
CatalogueResult WriteCatalogue(const QString& folder, const QStringList& names, const CatalogueRun& run = {});
