#pragma once

// The small fixed source picture the pipeline targets draw skins over: 64 by 48 pixels of colours, alpha
// from clear to opaque and a band of the key colour, as a PNG picture and as a keyed (BMP) one. Made
// once per process.
#include "picture/ImageSurface.h"
#include "picture/KeyedPicture.h"

#include <QBuffer>
#include <QImage>

constexpr int kFuzzSheetWidth = 64;
constexpr int kFuzzSheetHeight = 48;

inline QImage FuzzSheetImage() {
    QImage image(kFuzzSheetWidth, kFuzzSheetHeight, QImage::Format_ARGB32);
    for (int y = 0; y < kFuzzSheetHeight; ++y)
        for (int x = 0; x < kFuzzSheetWidth; ++x)
            image.setPixel(x, y,
                           y >= 40 ? qRgba(255, 0, 255, 255)
                                   : qRgba(x * 4, y * 5, 255 - x * 4, (x * 8 + y) % 256));
    return image;
}

inline const ImageSurface& FuzzSheet() {
    static const ImageSurface sheet = [] {
        const QImage image = FuzzSheetImage();
        ImageSurface surface(kImagePng);
        surface.Create(image.width(), image.height(), 24, kImagePng);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                surface.SetPixelColour(x, y, MakeColour(qRed(p), qGreen(p), qBlue(p)));
                surface.SetAlpha(x, y, qAlpha(p));
            }
        return surface;
    }();
    return sheet;
}

inline QByteArray FuzzSheetBytes(const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    FuzzSheetImage().save(&buffer, format);
    return bytes;
}

inline const KeyedPicture& FuzzKeyedSheet() {
    static const KeyedPicture sheet = [] {
        KeyedPicture picture;
        picture.Decode(FuzzSheetBytes("BMP"));
        return picture;
    }();
    return sheet;
}
