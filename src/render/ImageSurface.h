#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// The program's in-memory picture. (Decoding and drawing arrive with the picture work; the document
// only needs to hold one and ask its size.)
class ImageSurface {
public:
    bool IsValid() const { return !m_rows.empty(); }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<unsigned char> m_rows;
};
