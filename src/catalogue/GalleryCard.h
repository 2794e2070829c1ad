#pragma once

#include "catalogue/CatalogueLine.h"

#include <QString>

struct SkinDocument;

// What the gallery page shows of one package, taken from the skin itself while the catalogue run has it
// loaded (the catalogue line's texts have lost their commas and gained references).
struct GalleryCard {
    QString fileName;            // the package's file name, ".qsk" included
    bool skinRead = false;       // its skin file was read: the texts and features below are the skin's
    bool pictureDecoded = false; // its picture decoded, so its thumbnail stands for it
    QString skinName;
    QString authorName;
    QString authorUrl;
    QString notes; // as the skin file holds them, "^M" for each line break
    PackageFileStamp stamp;
    bool reactsToFocus = false;
    bool ownScrollBar = false;
    bool stackSkin = false;
    bool drawsRolled = false;
    // The thumbnail's size when this run drew it; 0 when it was there already (its header tells) or when
    // there is none.
    int thumbnailWidth = 0;
    int thumbnailHeight = 0;

    bool operator==(const GalleryCard&) const = default;
};

// The card of a package: its file name and stamp, and, when the skin was read, its texts and features.
GalleryCard GalleryCardOf(const QString& fileName, const PackageFileStamp& stamp, const SkinDocument* skin,
                          bool pictureDecoded);
