#pragma once

#include "picture/Colour.h"
#include "picture/PictureData.h"

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <memory>

class Canvas;

// The formats a picture is decoded from.
constexpr int kImageUnknown = 0;
constexpr int kImageJpeg = 3;
constexpr int kImagePng = 4;

// The program's in-memory picture: 24-bit or palette pixels with an optional alpha plane, decoded
// from PNG or JPEG, cut into pieces and drawn onto a canvas with per-pixel alpha.
//
// Copies share one set of pixels until one of them is changed (copy on write): the source view, the
// document, the magnifier and the lint all hold the one decoded sheet, however large.
class ImageSurface {
public:
    explicit ImageSurface(int kind = kImageUnknown) : m_kind(kind) {}

    // A new picture; bits per pixel are rounded up to 1, 4, 8 or 24 and palettes are all black, so
    // are the pixels. Fails, leaving the surface empty, for sizes below 1 or pictures of
    // kPictureByteLimit bytes or more.
    bool Create(int width, int height, int bitsPerPixel, int kind);

    // Decodes the file as that kind, and once more as kind unknown if that fails; after two failures
    // the first failure's text remains.
    bool Load(const QString& path, int kind);
    // Kind unknown tries every decoder in turn.
    bool Decode(const unsigned char* data, std::size_t size, int kind);
    bool Decode(const QByteArray& bytes, int kind);
    // A picture compiled into the program (a Qt resource path such as ":/pictures/x.png").
    bool LoadFromResource(const QString& resourcePath, int kind);

    bool IsValid() const { return !Data().IsEmpty(); }
    int Width() const { return Data().width; }
    int Height() const { return Data().height; }
    int BitsPerPixel() const { return Data().bpp; }
    int Kind() const { return m_kind; }
    bool HasAlpha() const { return Data().hasAlpha; }
    QString LastError() const { return m_lastError; }
    void Clear();

    // A palette index for palette pictures, a colour word for 24-bit ones; -1 for none.
    int TransparentColour() const { return Data().transparent; }
    void SetTransparentColour(int value);
    int AlphaMax() const { return m_alphaMax; }
    void SetAlphaMax(int value) { m_alphaMax = value < 0 ? 0 : (value > 255 ? 255 : value); }

    // One row of the picture as canvas-ready 0xAARRGGBB words (Width() of them), palette expanded and
    // the transparent index given alpha 0; y must lie inside the picture.
    void ExpandRow(int y, std::uint32_t* out) const;

    // Pixel access; coordinates must lie inside the picture.
    Colour PixelColour(int x, int y) const;
    int PixelIndex(int x, int y) const; // palette pictures
    int Alpha(int x, int y) const;      // 255 without alpha plane
    // The pixels as decoded, for code that walks whole rows.
    const PictureData& Data() const { return m_data ? *m_data : Empty(); }
    // This surface shares its pixels with the other (a copy of one is a copy of the other).
    bool SharesPixelsWith(const ImageSurface& other) const { return m_data && m_data == other.m_data; }
    int PaletteSize() const { return static_cast<int>(Data().palette.size()); }
    Colour PaletteColour(int index) const;
    void SetPaletteColour(int index, Colour colour);
    void SetPixelColour(int x, int y, Colour colour); // 24-bit pictures
    void SetPixelIndex(int x, int y, int index);      // palette pictures
    // Makes an alpha plane (all opaque) on first use.
    void SetAlpha(int x, int y, int alpha);

    // Cuts (left, top) .. (right, bottom), clamped to the picture and put in order, into destination,
    // with the matching part of the alpha plane, the palette, transparent colour and alpha maximum.
    // An empty result fails and leaves the destination empty.
    bool Crop(int left, int top, int right, int bottom, ImageSurface& destination) const;
    bool Crop(int left, int top, int right, int bottom);

    // The picture as Draw scales it to cx x cy, repeated across x down times, as a 24-bit picture:
    // drawn at its own size it paints exactly what as many draws of this picture side by side would.
    bool Repeated(int cx, int cy, int across, int down, ImageSurface& destination) const;

    // Draws the picture at (x, y) scaled to cx x cy onto the canvas within its clip; a negative size
    // means the picture's own. Fails for an empty picture or canvas and for a size of 0.
    bool Draw(Canvas& target, int x, int y, int cx = -1, int cy = -1) const;

    // The canvas's pixels as a 24-bit picture without alpha.
    bool MakeFromCanvas(const Canvas& canvas);
    // Scales to the new size with a bicubic filter; the result is 24-bit, keeping an alpha plane.
    bool Resample(int newWidth, int newHeight);
    bool EncodePng(QByteArray& out) const;
    bool SavePng(const QString& path) const;

private:
    bool Fail(const QString& error) const;
    bool DecodeAs(const unsigned char* data, std::size_t size, int kind);
    bool TransparentIsColour() const { return Data().bpp == 24 && Data().transparent != -1; }
    // A picture of the size with every plane allocated; `fill` gives them black (for pixels that are
    // not all written afterwards).
    bool Allocate(int width, int height, int bitsPerPixel, int kind, bool fill);
    // The pixels for changing: copied first when another surface shares them.
    PictureData& OwnData();
    void Adopt(PictureData&& data) { m_data = std::make_shared<PictureData>(std::move(data)); }
    static const PictureData& Empty();

    std::shared_ptr<PictureData> m_data; // null while empty
    int m_alphaMax = 255;
    int m_kind = kImageUnknown;
    mutable QString m_lastError;
};
