#pragma once

#include <QByteArray>
#include <QString>

struct SkinDocument;

// The skin file of the document, byte for byte: UTF-16LE with its FF FE mark and LF line ends. Only the
// part of imageName after its last "/" or "\" is written as the bitmap.
QByteArray SkinFileBytes(const SkinDocument& document, const QString& imageName);

// Writes the skin file so that a failed save leaves any previous file at path as it was. On failure
// error (if given) gets "Error saving <path>: <the system's description>".
bool WriteSkinFile(const SkinDocument& document, const QString& path, const QString& imageName,
                   QString* error);
