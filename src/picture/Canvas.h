#pragma once

#include "picture/Colour.h"
#include "picture/InputLimits.h"

#include <cstdint>
#include <vector>

class QImage;

// A canvas pixel: 0xAARRGGBB with alpha always 0xFF, the layout of a 32-bit RGB QImage.
using CanvasPixel = std::uint32_t;

constexpr CanvasPixel MakePixel(int r, int g, int b) {
    return 0xFF000000u | (static_cast<CanvasPixel>(r & 0xFF) << 16) |
           (static_cast<CanvasPixel>(g & 0xFF) << 8) | static_cast<CanvasPixel>(b & 0xFF);
}
constexpr CanvasPixel PixelFromColour(Colour c) {
    return MakePixel(RedOf(c), GreenOf(c), BlueOf(c));
}
constexpr Colour ColourFromPixel(CanvasPixel p) {
    return MakeColour(static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
                      static_cast<int>(p & 0xFF));
}

// A rectangle with exclusive right and bottom edges.
struct CanvasRect {
    int left = 0, top = 0, right = 0, bottom = 0;

    static CanvasRect FromSize(int x, int y, int width, int height);
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    CanvasRect Intersected(const CanvasRect& other) const;
    // The smallest rectangle holding both (an empty one adds nothing).
    CanvasRect Bounding(const CanvasRect& other) const;
    bool operator==(const CanvasRect&) const = default;
};

// How a copy combines source and destination pixels.
enum class RasterOp { Copy, And, Or };

// The drawing surface a note is painted on: 32-bit pixels and a clip rectangle that every drawing
// operation honours. All pixel arithmetic of the preview goes through here or ImageSurface.
class Canvas {
public:
    // Canvases whose pixels would take this many bytes or more are not made.
    static constexpr long long kByteLimit = kCanvasByteLimit;

    Canvas() = default;
    Canvas(int width, int height, Colour fill = 0);

    // A new canvas of that size filled with one colour and without clip; fails, leaving the canvas
    // empty, for sizes below 1 or at the byte limit.
    bool Create(int width, int height, Colour fill = 0);
    void Clear();

    bool IsValid() const { return m_width > 0; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    CanvasRect Bounds() const { return {0, 0, m_width, m_height}; }

    // Pixel access outside the canvas reads 0 and writes nothing.
    CanvasPixel Pixel(int x, int y) const;
    void SetPixel(int x, int y, CanvasPixel pixel);
    Colour ColourAt(int x, int y) const { return ColourFromPixel(Pixel(x, y)); }
    CanvasPixel* Row(int y) { return m_pixels.data() + static_cast<long long>(y) * m_width; }
    const CanvasPixel* Row(int y) const { return m_pixels.data() + static_cast<long long>(y) * m_width; }

    // The clip rectangle, always within the canvas.
    CanvasRect ClipRect() const { return m_clip; }
    void SetClipRect(const CanvasRect& clip);
    void ResetClip() { m_clip = Bounds(); }

    void Fill(const CanvasRect& rect, Colour colour);
    // The one constant-opacity blend: each channel becomes
    // (colour * opacity + pixel * (255 - opacity) + 127) / 255; opacity is kept to 0 .. 255.
    void Blend(const CanvasRect& rect, Colour colour, int opacity);

    // Copies the w x h block at (sx, sy) of source to (x, y); source pixels outside the source are
    // skipped. The source may be this canvas.
    void Copy(int x, int y, int w, int h, const Canvas& source, int sx, int sy, RasterOp op = RasterOp::Copy);
    // Copies the sw x sh block at (sx, sy) of source scaled to w x h at (x, y) by pixel replication:
    // destination column X takes source column sx + (X - x) * sw / w, rows alike.
    void StretchCopy(int x, int y, int w, int h, const Canvas& source, int sx, int sy, int sw, int sh);

    // A 32-bit RGB image over this canvas's memory, for QPainter text drawing; valid until the canvas
    // is created again, cleared or destroyed.
    QImage ImageView();
    // The same, read-only, for showing the canvas.
    QImage ImageView() const;

private:
    // The clip intersected with (x, y, w, h), computed without overflow.
    CanvasRect ClippedTo(long long x, long long y, long long w, long long h) const;

    int m_width = 0;
    int m_height = 0;
    CanvasRect m_clip;
    std::vector<CanvasPixel> m_pixels;
};
