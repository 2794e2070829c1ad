#include "picture/Canvas.h"

#include "picture/ClampToInt.h"
#include "picture/PixelKernels.h"

#include <algorithm>
#include <cstring>
#include <new>

CanvasRect CanvasRect::FromSize(int x, int y, int width, int height) {
    return {x, y, ClampToInt(static_cast<long long>(x) + width),
            ClampToInt(static_cast<long long>(y) + height)};
}

CanvasRect CanvasRect::Intersected(const CanvasRect& other) const {
    CanvasRect r{std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
                 std::min(bottom, other.bottom)};
    if (r.IsEmpty())
        return {};
    return r;
}

CanvasRect CanvasRect::Bounding(const CanvasRect& other) const {
    if (IsEmpty())
        return other;
    if (other.IsEmpty())
        return *this;
    return {std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
            std::max(bottom, other.bottom)};
}

Canvas::Canvas(int width, int height, Colour fill) {
    Create(width, height, fill);
}

bool Canvas::Create(int width, int height, Colour fill) {
    Clear();
    if (width <= 0 || height <= 0 || static_cast<long long>(width) * height * 4 >= kByteLimit)
        return false;
    try {
        m_pixels.assign(static_cast<std::size_t>(width) * height, PixelFromColour(fill));
    } catch (const std::bad_alloc&) {
        return false;
    }
    m_width = width;
    m_height = height;
    m_clip = Bounds();
    return true;
}

void Canvas::Clear() {
    m_pixels = {};
    m_width = m_height = 0;
    m_clip = {};
}

CanvasPixel Canvas::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return 0;
    return Row(y)[x];
}

void Canvas::SetPixel(int x, int y, CanvasPixel pixel) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return;
    Row(y)[x] = pixel | 0xFF000000u;
}

void Canvas::SetClipRect(const CanvasRect& clip) {
    m_clip = clip.Intersected(Bounds());
}

CanvasRect Canvas::ClippedTo(long long x, long long y, long long w, long long h) const {
    if (w <= 0 || h <= 0)
        return {};
    const long long left = std::max<long long>(x, m_clip.left);
    const long long top = std::max<long long>(y, m_clip.top);
    const long long right = std::min<long long>(x + w, m_clip.right);
    const long long bottom = std::min<long long>(y + h, m_clip.bottom);
    if (right <= left || bottom <= top)
        return {};
    return {static_cast<int>(left), static_cast<int>(top), static_cast<int>(right), static_cast<int>(bottom)};
}

void Canvas::Fill(const CanvasRect& rect, Colour colour) {
    const CanvasRect r = rect.Intersected(m_clip);
    const CanvasPixel pixel = PixelFromColour(colour);
    for (int y = r.top; y < r.bottom; ++y)
        std::fill_n(Row(y) + r.left, r.Width(), pixel);
}

void Canvas::Blend(const CanvasRect& rect, Colour colour, int opacity) {
    const CanvasRect r = rect.Intersected(m_clip);
    const CanvasPixel pixel = PixelFromColour(colour);
    for (int y = r.top; y < r.bottom; ++y)
        BlendRow(Row(y) + r.left, r.Width(), pixel, opacity);
}

void Canvas::Copy(int x, int y, int w, int h, const Canvas& source, int sx, int sy, RasterOp op) {
    // Limit the block to the part whose source lies inside the source canvas.
    long long dx = x, dy = y, bw = w, bh = h, srcX = sx, srcY = sy;
    if (srcX < 0) {
        dx -= srcX;
        bw += srcX;
        srcX = 0;
    }
    if (srcY < 0) {
        dy -= srcY;
        bh += srcY;
        srcY = 0;
    }
    bw = std::min(bw, source.m_width - srcX);
    bh = std::min(bh, source.m_height - srcY);
    const CanvasRect r = ClippedTo(dx, dy, bw, bh);
    if (r.IsEmpty())
        return;
    const long long offX = srcX - dx;
    const long long offY = srcY - dy;

    // An overlapping copy within one canvas reads from a snapshot of the source rows.
    const Canvas* from = &source;
    Canvas snapshot;
    if (&source == this && op != RasterOp::Copy) {
        snapshot = *this;
        from = &snapshot;
    }
    const int count = r.Width();
    auto copyRow = [&](int row) {
        CanvasPixel* d = Row(row) + r.left;
        const CanvasPixel* s = from->Row(static_cast<int>(row + offY)) + (r.left + offX);
        switch (op) {
        case RasterOp::Copy:
            std::memmove(d, s, static_cast<std::size_t>(count) * sizeof(CanvasPixel));
            break;
        case RasterOp::And:
            for (int i = 0; i < count; ++i)
                d[i] &= s[i];
            break;
        case RasterOp::Or:
            for (int i = 0; i < count; ++i)
                d[i] |= s[i];
            break;
        }
    };
    if (from == this && offY < 0) {
        for (int row = r.bottom - 1; row >= r.top; --row)
            copyRow(row);
    } else {
        for (int row = r.top; row < r.bottom; ++row)
            copyRow(row);
    }
}

void Canvas::StretchCopy(int x, int y, int w, int h, const Canvas& source, int sx, int sy, int sw, int sh) {
    if (sw <= 0 || sh <= 0 || !source.IsValid())
        return;
    const CanvasRect r = ClippedTo(x, y, w, h);
    if (r.IsEmpty())
        return;
    const Canvas* from = &source;
    Canvas snapshot;
    if (&source == this) {
        snapshot = *this;
        from = &snapshot;
    }
    std::vector<int> columns(static_cast<std::size_t>(r.Width()));
    for (int X = r.left; X < r.right; ++X)
        columns[X - r.left] = ClampToInt(sx + (static_cast<long long>(X) - x) * sw / w);
    for (int Y = r.top; Y < r.bottom; ++Y) {
        const long long srcY = sy + (static_cast<long long>(Y) - y) * sh / h;
        if (srcY < 0 || srcY >= from->m_height)
            continue;
        const CanvasPixel* s = from->Row(static_cast<int>(srcY));
        CanvasPixel* d = Row(Y) + r.left;
        for (int i = 0; i < r.Width(); ++i) {
            const int c = columns[i];
            if (c >= 0 && c < from->m_width)
                d[i] = s[c];
        }
    }
}
