#pragma once

#include <QString>

struct SkinDocument;

// What the catalogue says about the package file itself: its last modification in seconds since 1970
// (UTC) and its size in bytes, both -1 when the file cannot be examined.
struct PackageFileStamp {
    long long modified = -1;
    long long size = -1;
};

PackageFileStamp StampOfFile(const QString& path);

// A text as the catalogue's comma-separated fields hold it: commas, CRs and LFs dropped. With references,
// every character from 128 up is written "&#N;" with N its Unicode code point, for the download page's HTML.
QString CatalogueField(const QString& text, bool withReferences);

// Whether some element is drawn while the note is rolled up.
bool AnyElementDrawnRolled(const SkinDocument& document);

// One line of "_db.db" for a skin loaded from a package (packageName is the file name, ".qsk"
// included): the name without its last four characters, skin name, author, author URL, the stamp;
// the button action labels; the "I01;" to "I16;" labels of the drawn elements' indicator codes; nine
// feature flags; a line feed. The old documentation address is already corrected.
QString CatalogueLine(const SkinDocument& document, const QString& packageName,
                      const PackageFileStamp& stamp);
