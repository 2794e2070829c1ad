#pragma once

#include <cstdint>

// A colour as one 32-bit word: red in the lowest byte, then green, then blue; -1 means "none".
using Colour = int;

constexpr Colour kNoColour = -1;

constexpr Colour MakeColour(int r, int g, int b) {
    return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16);
}
constexpr int RedOf(Colour c) {
    return c & 0xFF;
}
constexpr int GreenOf(Colour c) {
    return (c >> 8) & 0xFF;
}
constexpr int BlueOf(Colour c) {
    return (c >> 16) & 0xFF;
}
