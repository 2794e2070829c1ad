#pragma once

// The pictures the alpha-draw benchmarks share: bench_pictures and the pixman comparison draw the same
// pixels.
#include "picture/Canvas.h"
#include "picture/ImageSurface.h"

#include <cmath>

constexpr int kSize = 256;
constexpr double kPixels = kSize * kSize;

// A sprite-like piece: an opaque disc, a partly clear ring around it and clear corners, each about a
// third of the pixels.
inline ImageSurface Sprite(bool withAlpha) {
    ImageSurface s;
    s.Create(kSize, kSize, 24, kImagePng);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            s.SetPixelColour(x, y, MakeColour(x, y, (x * y) & 255));
            if (!withAlpha)
                continue;
            const double r = std::hypot(x - 127.5, y - 127.5);
            const int alpha =
                r < 83.4 ? 255 : (r < 118.0 ? 1 + static_cast<int>((118.0 - r) * 7.3) % 254 : 0);
            s.SetAlpha(x, y, alpha);
        }
    }
    return s;
}

inline Canvas Backdrop() {
    Canvas c(kSize, kSize);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            c.SetPixel(x, y, MakePixel(255 - x, y, 128));
    return c;
}
