#pragma once

#include <QByteArray>
#include <QString>

// The text of a plain skin file: every line followed by LF, UTF-16LE when the file starts with FF FE and
// Windows-1252 otherwise. imageName gets the value of the last "Bitmap=" line (any case), or stays empty.
// False when the file cannot be opened or read.
bool ReadPlainSkinText(const QString& path, QString* text, QString* imageName);

// The same for a skin file's bytes already in memory.
bool ReadPlainSkinBytes(const QByteArray& bytes, QString* text, QString* imageName);
