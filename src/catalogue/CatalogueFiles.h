#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The names the skin browser lists: the skin files (".ini") and then the packages (".qsk") of one
// folder, endings in any case, folders and special files left out; each group sorted by name without
// regard to case (exact order breaking ties), so a listing never depends on the file system's order.
QStringList SkinFolderListing(const QString& folder);

// The catalogue's outputs for a package name: the name without its last four characters, plus ".png"
// for the thumbnail and ".not" for the notes.
QString ThumbnailNameOf(const QString& packageName);
QString NotesNameOf(const QString& packageName);
// Whether a thumbnail is there to keep: a file that decodes as a PNG. An empty or damaged one (left by a
// run that failed, or cut short by a full disk) is made again.
bool ThumbnailPresent(const QString& path);
// Whether a notes file is there to keep: a file that is not empty, or empty when the notes are.
bool NotesPresent(const QString& path, const QByteArray& notesBytes);

// The catalogue file every run writes.
inline const QString kCatalogueFileName = QStringLiteral("_db.db");

// A skin's notes as the ".not" file holds them: every "^M" (the skin file's line break) made a CR LF.
QString NotesFileText(const QString& notes);
// The ".not" file's bytes: Windows-1252, the code page the download page was made for; a character it
// cannot hold is written "&#N;" as in the catalogue's names.
QByteArray NotesFileBytes(const QString& notes);

// The catalogue file's bytes: UTF-16 little-endian without a byte-order mark.
QByteArray CatalogueFileBytes(const QString& text);
