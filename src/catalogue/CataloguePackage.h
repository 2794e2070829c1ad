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
    bool loaded = false; // its skin file was read (its picture may still have failed to decode)
    bool thumbnailWritten = false;
    bool notesWritten = false;
    bool thumbnailExisted = false;
    bool notesExisted = false;
    QStringList errors; // "Error loading …" or "Error saving …", as the user is shown them
    GalleryCard card;   // what the gallery page shows of it

    PackageOutcome Outcome() const;
};

// How far a package loaded for the catalogue.
enum class CatalogueLoad {
    Loaded,    // its skin file and a picture that decodes
    NoPicture, // its skin file, but the picture does not decode: the skin text is there all the same
    Failed,    // no skin file could be read; the document is left empty
};

// Loads a package for the catalogue on a document of the caller's; unless it is Loaded, the reason
// says what is wrong (which part a package lacks, for one that holds no skin file or no picture).
CatalogueLoad LoadCataloguePackage(SkinDocument& document, const QString& path, QString* reason);

// Catalogues one package of the folder: loads it, writes its thumbnail and notes file when they are not
// there yet (or are empty or damaged), and makes its line. A package whose skin file cannot be read
// writes neither file (so a mended one gets them on the next run) but still has the line of an empty
// skin; one whose picture does not decode gets its line and notes file from its skin text, and no
// thumbnail.
PackageCatalogue CataloguePackage(const QString& folder, const QString& name);
