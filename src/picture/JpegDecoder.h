#pragma once

#include "picture/PictureData.h"

#include <QString>
#include <cstddef>

// Decodes a baseline or progressive JPEG, grey or colour, held in memory into a 24-bit picture without
// alpha. Truncated data, pictures past kPictureByteLimit and progressive pictures of more than
// kMaxJpegScans scans (picture/InputLimits.h) fail. On failure `out` is empty and `error` says why.

bool DecodeJpeg(const unsigned char* data, std::size_t size, PictureData& out, QString& error);
