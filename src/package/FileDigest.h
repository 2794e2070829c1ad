#pragma once

#include <QByteArray>
#include <QString>

// What a file holds, told apart cheaply: its length and the CRC-32 of its bytes, read a megabyte at a
// time. A sheet of many megabytes is read at the speed of memory; a change slips through with a chance
// of one in four billion. Empty when the file cannot be opened or read to its end.
QByteArray FileDigest(const QString& path);
