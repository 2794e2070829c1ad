#pragma once

#include "picture/PictureData.h"

#include <QString>
#include <cstddef>

class QIODevice;

// Decodes a PNG held in memory: grey, RGB, palette, grey with alpha and RGBA of every bit depth,
// interlaced or not. 16-bit samples keep their high byte. Palette pictures stay palette pictures
// (2-bit ones become 4-bit); the others become 24-bit. Alpha channels and several palette transparency
// entries give an alpha plane; a single transparent palette entry, grey or RGB value of 8 bits or
// fewer becomes the transparent colour (a 16-bit one an alpha plane, since only the full value may
// match). Refuses pictures past kPictureByteLimit before allocating them. On failure `out` is empty
// and `error` says why.
bool DecodePng(const unsigned char* data, std::size_t size, PictureData& out, QString& error);

// The same, reading the PNG from the device's position as it decodes, so that the file's bytes and
// its pixels are never in memory together. The device must be random-access (its size is known).
bool DecodePngFrom(QIODevice& device, PictureData& out, QString& error);
