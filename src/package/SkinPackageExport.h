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

// Packages keep the stack skin as "stack.ini": a skin file of that name (any case) packed under its own
// name would be taken for it, and the package would hold no skin.
bool IsStackSkinFileName(const QString& skinPath);
inline const QString kStackNamedSkinRefusal = QStringLiteral(
    "A skin file named stack.ini cannot be packed: packages keep the stack skin under that name. "
    "Save the skin under another name first.");

// Writes the package: the skin file and the PNG under their own file names and, when there is one, the
// stack skin as "stack.ini". The file at packagePath is replaced only when every step succeeded;
// otherwise it is left as it was and reason gets the system's explanation (for a skin file named
// "stack.ini", kStackNamedSkinRefusal, before anything is written).
bool ExportSkinPackage(const QString& packagePath, const SkinPackageSources& sources, QString* reason);
