#pragma once

#include "catalogue/GalleryCard.h"

#include <QString>
#include <QStringList>

struct SkinDocument;

// How one package came through the catalogue writer.
enum class PackageOutcome {
    Written, // it loaded and got what it lacked
    Skipped, // its thumbnail and notes file were both there already
    Failed,  // it did not load, or a file of it could not be written
};

// The catalogue writer's work on one package: its line, and what it wrote or could not.
struct PackageCatalogue {
    QString name; // the package's file name
    QString line; // its line of the catalogue file
    QString skinName;
    bool loaded = false;
    bool thumbnailWritten = false;
    bool notesWritten = false;
    bool thumbnailExisted = false;
    bool notesExisted = false;
    QStringList errors; // "Error loading …" or "Error saving …", as the user is shown them
    GalleryCard card;   // what the gallery page shows of it

    PackageOutcome Outcome() const;
};

// Loads a package for the catalogue on a document of the caller's. A package counts as loaded only with
// a skin file and a picture that decodes; otherwise the reason says what is wrong and the document is
// left empty, as a package that does not load leaves it.
bool LoadCataloguePackage(SkinDocument& document, const QString& path, QString* reason);

// Catalogues one package of the folder: loads it, writes its thumbnail and notes file when they are not
// there yet, and makes its line. A package that does not load writes neither file (so a mended one gets
// them on the next run) but still has the line of an empty skin.
PackageCatalogue CataloguePackage(const QString& folder, const QString& name);
