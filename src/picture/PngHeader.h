#pragma once

#include <QByteArray>

// The bytes a PNG's size can be read from: the signature and the IHDR chunk's length, type, width and
// height.
constexpr int kPngHeaderBytes = 24;

// The width and height a PNG's header announces, without decoding it. False (and both 0) when the bytes
// do not start with a PNG signature and an IHDR chunk of 13 bytes, or a side is 0 or past 2^31 - 1.
bool ReadPngSize(const QByteArray& head, int* width, int* height);
