#pragma once

#include <QString>

// The path of a file named in a skin (its picture, its stack skin) beside the skin file: the skin file's
// folder followed by the stored name, whose backslashes (names written on other systems) become "/".
QString SiblingPath(const QString& skinPath, const QString& storedName);

// The file name part of a stored name: both "/" and "\" end a folder.
QString StoredFileName(const QString& storedName);
