#pragma once

#include <QString>

// Two kinds of names meet in skins. A stored name (a `bitmap` value, an entry name, any name written on
// another system) may use "/" or "\" between folders. A local path is a path on this system, where only
// "/" separates folders and "\" is an ordinary character of a file name.

// The file name part of a stored name: both "/" and "\" end a folder.
QString StoredFileName(const QString& storedName);

// The part of a local path after its last "/".
QString LocalFileName(const QString& path);

// The folder part of a local path, up to and including its last "/"; empty when it has none.
QString LocalFolder(const QString& path);

// The path of a file named in a skin (its picture, its stack skin) beside the skin file: the skin file's
// folder followed by the stored name, whose backslashes become "/".
QString SiblingPath(const QString& skinPath, const QString& storedName);

// The path with the extension (".ini", ".qsk") appended unless its last four characters already are that
// extension in any letter case.
QString WithExtension(const QString& path, const QString& extension);

// The folder itself when it exists, else the nearest of its parents that does, else the home folder: a
// chooser started there opens where the user expects, not wherever the process happens to be.
QString NearestExistingFolder(const QString& folder);
