#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

// Encodes width x height pixels, 0xAARRGGBB words row after row, as an 8-bit RGB PNG, or RGBA when
// withAlpha is set.
bool EncodePngPixels(const std::uint32_t* argb, int width, int height, bool withAlpha, QByteArray& out,
                     QString& error);
