#pragma once

#include <QString>

// The path with the extension (".ini", ".qsk") appended unless its last four characters already are that
// extension in any letter case.
QString WithExtension(const QString& path, const QString& extension);

// The name the export chooser proposes: the skin file's name without its last four characters.
QString ProposedPackageName(const QString& skinPath);

// A path naming a skin package rather than a skin file.
bool IsPackagePath(const QString& path);

// The only files a drop opens: a skin file or a package.
bool IsDroppableSkin(const QString& path);
