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
