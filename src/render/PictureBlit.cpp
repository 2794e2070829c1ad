#include "render/PictureBlit.h"

#include "document/SkinDocument.h"
#include "picture/Canvas.h"
#include "picture/ClampToInt.h"

#include <algorithm>
#include <climits>

void PictureBlitter::Blit(Canvas& canvas, int x, int y, int sx, int sy, int w, int h, int ax, int ay) {
    if (!m_document.pngsource) {
        if (ax == -1)
            m_document.keyed.DrawMasked(canvas, x, y, sx, sy, w, h);
        else if (w >= 1 && h >= 1)
            m_document.keyed.DrawAlphaRect(canvas, x, y, sx, sy, w, h, ax, ay);
        return;
    }
    const ImageSurface& source = m_document.image;
    if (!source.IsValid())
        return;
    const int right = ClampToInt(static_cast<long long>(sx) + w);
    const int bottom = ClampToInt(static_cast<long long>(sy) + h);
    const int key[4] = {sx, sy, right, bottom};
    if (!m_cropValid || !std::equal(key, key + 4, m_cropKey)) {
        m_cropValid = source.Crop(sx, sy, right, bottom, m_crop);
        std::copy(key, key + 4, m_cropKey);
    }
    if (m_cropValid)
        m_crop.Draw(canvas, x, y, w, h);
}

bool PictureBlitter::RowsWithin(int sy, int h) const {
    const int height = m_document.pngsource ? m_document.image.Height() : m_document.keyed.Height();
    return sy >= 0 && h >= 1 && h <= height - sy;
}
