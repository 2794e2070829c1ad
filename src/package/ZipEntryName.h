#pragma once

#include <QByteArray>
#include <QString>

enum class EntryNameResult { Ok, Empty, TooLong };

// The stored form of an entry name: backslashes become "/", the text is Windows-1252 when that code page
// holds every character, and UTF-8 otherwise (utf8 is then set, for the language-encoding flag).
EntryNameResult EncodeEntryName(const QString& name, QByteArray* bytes, bool* utf8);

// The name as a reader sees it: UTF-8 when the entry carries the language-encoding flag, else
// Windows-1252.
QString DecodeEntryName(const QByteArray& bytes, bool utf8);

// Windows-1252, the code page of 8-bit names and texts in packages.
QString DecodeWindows1252(const char* bytes, qsizetype size);
