#pragma once

#include "package/FilePaths.h" // WithExtension

#include <QString>

// The name the export chooser proposes: the skin file's name without its last four characters.
QString ProposedPackageName(const QString& skinPath);

// A path naming a skin package rather than a skin file.
bool IsPackagePath(const QString& path);

// The only files a drop opens: a skin file or a package.
bool IsDroppableSkin(const QString& path);

// The folder Save As starts in, with no name proposed: the skin file's (or package's) folder, for an
// untitled skin the PNG's, else the documents folder; the nearest one that exists.
QString SaveAsFolder(const QString& skinPath, const QString& pngPath);

// The folder the browse chooser starts at: the last one browsed, else the documents folder; the
// nearest one that exists.
QString BrowseStartFolder(const QString& lastBrowsed);
