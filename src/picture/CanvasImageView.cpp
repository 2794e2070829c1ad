#include "picture/Canvas.h"

#include <QImage>

// Apart from Canvas.cpp: only text drawing needs the view, and with it Qt's GUI library, which the
// command-line tool loads only for the commands that draw.
QImage Canvas::ImageView() {
    if (!IsValid())
        return {};
    return QImage(reinterpret_cast<uchar*>(m_pixels.data()), m_width, m_height,
                  static_cast<qsizetype>(m_width) * 4, QImage::Format_RGB32);
}

QImage Canvas::ImageView() const {
    if (!IsValid())
        return {};
    // Over const memory: a QImage that is written to copies it first.
    return QImage(reinterpret_cast<const uchar*>(m_pixels.data()), m_width, m_height,
                  static_cast<qsizetype>(m_width) * 4, QImage::Format_RGB32);
}
