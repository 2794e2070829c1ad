#pragma once

#include "picture/ImageSurface.h"

class Canvas;
struct SkinDocument;

// Draws pieces of a skin's source picture onto a note canvas, in whichever form the skin was loaded:
// a PNG is cropped and alpha-drawn (a crop smaller than the piece, where the source rectangle runs off
// the picture, is stretched to it); any other picture is copied through its colour-key mask, or
// blended with an alpha rectangle. The last crop is kept, so repeating one piece across a strip or a
// tile area cuts it only once.
class PictureBlitter {
public:
    explicit PictureBlitter(const SkinDocument& document) : m_document(document) {}

    // The w x h block at (sx, sy) of the source drawn at (x, y); ax = -1 means no alpha rectangle.
    void Blit(Canvas& canvas, int x, int y, int sx, int sy, int w, int h, int ax = -1, int ay = -1);

    // What Blit draws for each of across x down pieces laid side by side from (x, y), every one the
    // w x h block at (sx, sy), at a cost that follows the pixels covered rather than the number of
    // pieces: a tile area of 1 x 1 tiles costs what one of large tiles does. w and h are at least 1.
    void BlitTiles(Canvas& canvas, int x, int y, int sx, int sy, int w, int h, int ax, int ay,
                   long long across, long long down);

    // Draw calls made on the canvas so far: what a drawing costs beyond its pixels.
    long long Draws() const { return m_draws; }

    // Whether rows sy .. sy + h - 1 all lie within the picture, so that a piece of them is drawn
    // unstretched, row for row.
    bool RowsWithin(int sy, int h) const;

private:
    const SkinDocument& m_document;
    // Fetches the crop of the block (the one kept when it is the same); false when nothing is drawn.
    bool CropFor(int sx, int sy, int w, int h);

    ImageSurface m_crop;
    // The last crop as drawn at a tile's size and repeated, with what it was made from.
    ImageSurface m_stamp;
    int m_stampKey[4] = {0, 0, 0, 0};
    bool m_cropValid = false;
    int m_cropKey[4] = {0, 0, 0, 0};
    long long m_draws = 0;
};
