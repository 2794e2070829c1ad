#pragma once

#include "picture/Canvas.h"
#include "picture/Colour.h"

#include <QByteArray>
#include <QString>

// The formats a keyed picture is read from, told by their first bytes: what a skin author's paint
// program saves. BMP, GIF and ICO go through Qt's reader of that format alone, PNG and JPEG through the
// program's own decoders; nothing else is tried, so what is exposed does not depend on the readers
// installed on the machine.
enum class KeyedPictureFormat { None, Bmp, Gif, Ico, Png, Jpeg };
KeyedPictureFormat KeyedPictureFormatOf(const QByteArray& bytes);

// A source picture that is not a PNG skin picture (a BMP, usually), held opaque together with
// a colour-key mask: the mask is set where the picture had the skin's transparent colour exactly, and
// those pixels are blackened so that an AND with the mask and an OR with the picture leave the target
// showing through them.
class KeyedPicture {
public:
    // Reads the picture, composed over black where it has alpha, without a key (the mask is clear).
    // Fails, leaving the picture empty, for other formats, unreadable pictures and ones of
    // kPictureByteLimit bytes or more at 24 bits per pixel.
    bool Load(const QString& path);
    bool Decode(const QByteArray& bytes);
    // Makes the mask anew from the transparent colour (-1: none, the picture stays fully opaque) and
    // blackens the key pixels.
    void ApplyKey(Colour transparent);
    void Clear();

    bool IsValid() const { return m_picture.IsValid(); }
    int Width() const { return m_picture.Width(); }
    int Height() const { return m_picture.Height(); }
    QString LastError() const { return m_lastError; }
    const Canvas& Picture() const { return m_picture; }
    // White where the key is set, black elsewhere: the AND operand of the masked copy.
    const Canvas& Mask() const { return m_mask; }
    bool IsKey(int x, int y) const { return m_mask.Pixel(x, y) == MakePixel(255, 255, 255); }

    // Copies the w x h block at (sx, sy) to (x, y) on the target: key pixels keep the target's pixel,
    // the others show the picture. Parts outside the picture are not drawn.
    void DrawMasked(Canvas& target, int x, int y, int sx, int sy, int w, int h) const;
    // Blends the w x h block at (sx, sy) over the target at (x, y), the red channel k of the picture at
    // (ax + i, ay + j) weighting each pixel: source * (1 - k/256) + target * k/256, computed in double
    // precision and truncated. Pixels whose source or alpha position lies outside the picture are not
    // drawn.
    void DrawAlphaRect(Canvas& target, int x, int y, int sx, int sy, int w, int h, int ax, int ay) const;
    // What DrawMasked (ax = -1) or DrawAlphaRect draws for each of across x down blocks laid side by
    // side from (x, y), every one from the same source, in one pass over the target's pixels: the cost
    // follows the pixels covered, not the number of blocks.
    void DrawTiles(Canvas& target, int x, int y, int sx, int sy, int w, int h, int ax, int ay,
                   long long across, long long down) const;

private:
    bool Fail(const QString& error);

    Canvas m_picture;
    Canvas m_mask;
    QString m_lastError;
};
