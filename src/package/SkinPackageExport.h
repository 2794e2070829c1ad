#pragma once

#include <QString>

// The files a skin's package is made from.
struct SkinPackageSources {
    QString skinPath;  // the saved skin file
    QString pngPath;   // its source PNG
    QString stackPath; // its stack skin file; empty when the skin names none
};

// The picture and the stack skin are looked for in the skin file's folder.
SkinPackageSources PackageSourcesFor(const QString& skinPath, const QString& bitmap,
                                     const QString& stackfilename);

// Writes the package: the skin file and the PNG under their own file names and, when there is one, the
// stack skin as "stack.ini". The file at packagePath is replaced only when every step succeeded;
// otherwise it is left as it was and reason gets the system's explanation.
bool ExportSkinPackage(const QString& packagePath, const SkinPackageSources& sources, QString* reason);
