#include "render/PictureBlit.h"

#include "document/SkinDocument.h"
#include "picture/Canvas.h"
#include "picture/ClampToInt.h"
#include "picture/InputLimits.h"

#include <algorithm>
#include <climits>

void PictureBlitter::Blit(Canvas& canvas, int x, int y, int sx, int sy, int w, int h, int ax, int ay) {
    ++m_draws;
    if (!m_document.pngsource) {
        if (ax == -1)
            m_document.keyed.DrawMasked(canvas, x, y, sx, sy, w, h);
        else if (w >= 1 && h >= 1)
            m_document.keyed.DrawAlphaRect(canvas, x, y, sx, sy, w, h, ax, ay);
        return;
    }
    if (CropFor(sx, sy, w, h))
        m_crop.Draw(canvas, x, y, w, h);
}

bool PictureBlitter::CropFor(int sx, int sy, int w, int h) {
    const ImageSurface& source = m_document.image;
    if (!source.IsValid())
        return false;
    const int right = ClampToInt(static_cast<long long>(sx) + w);
    const int bottom = ClampToInt(static_cast<long long>(sy) + h);
    const int key[4] = {sx, sy, right, bottom};
    if (!m_cropValid || !std::equal(key, key + 4, m_cropKey)) {
        m_cropValid = source.Crop(sx, sy, right, bottom, m_crop);
        std::copy(key, key + 4, m_cropKey);
        m_stamp.Clear();
    }
    return m_cropValid;
}

void PictureBlitter::BlitTiles(Canvas& canvas, int x, int y, int sx, int sy, int w, int h, int ax, int ay,
                               long long across, long long down) {
    if (w < 1 || h < 1 || across < 1 || down < 1)
        return;
    if (!m_document.pngsource) {
        ++m_draws;
        m_document.keyed.DrawTiles(canvas, x, y, sx, sy, w, h, ax, ay, across, down);
        return;
    }
    // Only the pieces that meet the clip are drawn.
    const CanvasRect clip = canvas.ClipRect();
    if (x >= clip.right || y >= clip.bottom)
        return;
    across = std::min(across, (static_cast<long long>(clip.right) - x) / w + 1);
    down = std::min(down, (static_cast<long long>(clip.bottom) - y) / h + 1);
    const long long left = std::max<long long>(x, clip.left);
    const long long right = std::min<long long>(x + across * w, clip.right);
    const long long top = std::max<long long>(y, clip.top);
    const long long bottom = std::min<long long>(y + down * h, clip.bottom);
    if (left >= right || top >= bottom || !CropFor(sx, sy, w, h))
        return;
    const long long firstX = x + (left - x) / w * w;
    const long long firstY = y + (top - y) / h * h;
    // Small pieces are drawn as a block of them (of at most kTileBlockPixels), cut by the clip where
    // the area ends: drawing a piece costs far more than its few pixels, a block's pixels are the same.
    constexpr long long kStampSide = 512;
    constexpr long long kStampPixels = kTileBlockPixels;
    const long long pieces = static_cast<long long>(w) * h;
    const long long seenAcross = (right - firstX + w - 1) / w;
    const long long seenDown = (bottom - firstY + h - 1) / h;
    long long stampAcross =
        std::min({seenAcross, std::max(1LL, kStampSide / w), std::max(1LL, kStampPixels / pieces)});
    long long stampDown = std::min(seenDown, std::max(1LL, kStampSide / h));
    stampDown = std::min(stampDown, std::max(1LL, kStampPixels / (stampAcross * pieces)));
    const bool stamped =
        (stampAcross > 1 || stampDown > 1) && stampAcross * stampDown * pieces <= kStampPixels;
    const int key[4] = {w, h, static_cast<int>(stampAcross), static_cast<int>(stampDown)};
    if (stamped && (!m_stamp.IsValid() || !std::equal(key, key + 4, m_stampKey))) {
        m_crop.Repeated(w, h, key[2], key[3], m_stamp);
        std::copy(key, key + 4, m_stampKey);
    }
    const bool useStamp = stamped && m_stamp.IsValid();
    const long long stepX = useStamp ? w * stampAcross : w;
    const long long stepY = useStamp ? h * stampDown : h;
    canvas.SetClipRect(CanvasRect{static_cast<int>(left), static_cast<int>(top), static_cast<int>(right),
                                  static_cast<int>(bottom)});
    for (long long py = firstY; py < bottom; py += stepY) {
        for (long long px = firstX; px < right; px += stepX) {
            ++m_draws;
            if (useStamp)
                m_stamp.Draw(canvas, static_cast<int>(px), static_cast<int>(py));
            else
                m_crop.Draw(canvas, static_cast<int>(px), static_cast<int>(py), w, h);
        }
    }
    canvas.SetClipRect(clip);
}

bool PictureBlitter::RowsWithin(int sy, int h) const {
    const int height = m_document.pngsource ? m_document.image.Height() : m_document.keyed.Height();
    return sy >= 0 && h >= 1 && h <= height - sy;
}
