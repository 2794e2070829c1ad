#include "picture/PictureLoader.h"

#include "picture/Canvas.h"
#include "picture/KeyedPicture.h"
#include "picture/PictureData.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>

namespace {

const char* QtReaderOf(KeyedPictureFormat format) {
    switch (format) {
    case KeyedPictureFormat::Bmp:
        return "bmp";
    case KeyedPictureFormat::Gif:
        return "gif";
    case KeyedPictureFormat::Ico:
        return "ico";
    default:
        return nullptr;
    }
}

} // namespace

bool ReadWithPictureLoader(const QByteArray& bytes, Canvas& picture, QString& error) {
    const char* format = QtReaderOf(KeyedPictureFormatOf(bytes));
    if (!format) {
        error = QStringLiteral("Unsupported picture format");
        return false;
    }
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    // Only the reader of that format: what Qt happens to have installed is not exposed.
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    const QSize announced = reader.size();
    if (announced.isValid() && !FitsPictureLimit(announced.width(), announced.height(), 24)) {
        error = QStringLiteral("Picture too large");
        return false;
    }
    QImage image;
    if (!reader.read(&image)) {
        error = reader.errorString();
        return false;
    }
    if (!FitsPictureLimit(image.width(), image.height(), 24)) {
        error = QStringLiteral("Picture too large");
        return false;
    }
    // Premultiplied words are the picture composed over black.
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (image.isNull() || !picture.Create(image.width(), image.height())) {
        error = QStringLiteral("Out of memory");
        return false;
    }
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const CanvasPixel*>(image.constScanLine(y));
        CanvasPixel* out = picture.Row(y);
        for (int x = 0; x < image.width(); ++x)
            out[x] = row[x] | 0xFF000000u;
    }
    return true;
}
