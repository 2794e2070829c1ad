#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>

// The bytes of the image saved in a picture format ("BMP", "PNG", ...); empty when it cannot be saved.
inline QByteArray EncodedImage(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, format))
        return {};
    return bytes;
}

// A plain picture of one colour in a picture format.
inline QByteArray EncodedImage(int width, int height, const QColor& colour, const char* format) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(colour);
    return EncodedImage(image, format);
}
