#include "render/RenderNote.h"

#include "document/GroupIndex.h"
#include "document/SkinDocument.h"
#include "picture/Canvas.h"
#include "picture/ClampToInt.h"
#include "picture/InputLimits.h"
#include "render/DrawConditions.h"
#include "render/PictureBlit.h"
#include "render/PlacementGeometry.h"
#include "render/SelectedBorder.h"
#include "render/TextDrawing.h"

#include <QImage>
#include <algorithm>
#include <climits>
#include <cmath>

namespace {

CanvasRect ToCanvasRect(const NoteRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

class NotePainter {
public:
    NotePainter(const SkinDocument& document, const NoteState& state, Canvas& canvas)
        : m_state(state), m_canvas(canvas), m_blitter(document),
          m_frame(ScrollFrameOf(document.ActiveLayout(state), state)) {}

    void PaintElement(const SkinElement& element) {
        if (const ButtonRecord* b = element.As<ButtonRecord>())
            PaintButton(*b);
        else if (const HStripRecord* h = element.As<HStripRecord>())
            PaintHStrip(*h);
        else if (const VStripRecord* v = element.As<VStripRecord>())
            PaintVStrip(*v);
        else if (const TextRecord* t = element.As<TextRecord>())
            PaintText(*t);
        else if (const IndicatorRecord* i = element.As<IndicatorRecord>())
            PaintIndicator(*i);
        else if (const TileAreaRecord* a = element.As<TileAreaRecord>())
            PaintTileArea(*a);
    }

private:
    int Width() const { return m_canvas.Width(); }
    int Height() const { return m_canvas.Height(); }

    void BlitBox(const NoteRect& r, SourcePoint picture, SourcePoint alpha) {
        if (picture.x == -1)
            return;
        const int w = ClampToInt(static_cast<long long>(r.right) - r.left);
        const int h = ClampToInt(static_cast<long long>(r.bottom) - r.top);
        m_blitter.Blit(m_canvas, r.left, r.top, picture.x, picture.y, w, h, alpha.x, alpha.y);
    }

    void PaintButton(const ButtonRecord& b) {
        const NoteRect r =
            BoxRect(b.place.x, b.place.y, b.size.w, b.size.h, m_state.width, m_state.height, m_frame);
        const bool rollover = b.pointerover && b.sourcerollover.x != -1 && m_state.pointerinnote;
        if (rollover)
            BlitBox(r, b.sourcerollover, b.sourcerolloveralpha);
        else
            BlitBox(r, b.source, b.sourcealpha);
    }

    void PaintIndicator(const IndicatorRecord& i) {
        const NoteRect r =
            BoxRect(i.place.x, i.place.y, i.size.w, i.size.h, m_state.width, m_state.height, m_frame);
        if (FlagOfCode(m_state, i.type))
            BlitBox(r, i.source, i.sourcealpha);
        else
            BlitBox(r, i.sourceoff, i.sourceoffalpha);
    }

    void PaintHStrip(const HStripRecord& s) {
        const NoteRect r =
            BandRect(s.place.x, s.place.y, s.extent.right, s.extent.height, m_state.width, m_state.height);
        PaintStrip(s, true, r, s.width, s.extent.height);
    }

    void PaintVStrip(const VStripRecord& s) {
        const NoteRect r = ColumnRect(s.place.x, s.place.y, s.extent.bottom, s.extent.width, m_state.width,
                                      m_state.height, &m_frame);
        PaintStrip(s, false, r, s.height, s.extent.width);
    }

    // Along is x for an HStrip and y for a VStrip; across is the band's fixed size.
    void PaintStrip(const StripCommon& s, bool horizontal, const NoteRect& r, int tile, int across) {
        switch (s.striptype) {
        case 0:
            StripPieces(horizontal, r, tile, across, s.source, s.sourcealpha);
            break;
        case 1:
            Fade(horizontal, r, s.startcol, s.endcol);
            break;
        case 2:
            Solid(ToCanvasRect(r), s.solidcol, s.alpha);
            break;
        case 3:
            Solid(ToCanvasRect(r), m_state.pencolour, s.alpha);
            break;
        default:
            break;
        }
    }

    void Solid(const CanvasRect& r, Colour colour, int opacity) {
        if (opacity == -1)
            m_canvas.Fill(r, colour);
        else
            m_canvas.Blend(r, colour, opacity & 0xFF);
    }

    // Pieces from the start edge through the end edge inclusive, every one from the strip's start.
    void StripPieces(bool horizontal, const NoteRect& r, int tile, int across, SourcePoint source,
                     SourcePoint alpha) {
        const long long start = horizontal ? r.left : r.top;
        const long long end = horizontal ? r.right : r.bottom;
        if (tile < 1 || start > end)
            return;
        // Pieces wholly before the canvas draw nothing; start at the first that can reach it. The last
        // piece runs through the end edge, so it may reach the canvas where a whole tile from the same
        // place would not.
        long long p = start;
        const long long skipUpTo = std::min(0LL, end - 1); // a piece ending here is before the canvas
        if (p + tile <= skipUpTo)
            p += ((skipUpTo - tile - p) / tile + 1) * static_cast<long long>(tile);
        const long long visibleEnd = horizontal ? Width() : Height();
        for (; p <= end && p < visibleEnd; p += tile) {
            const int piece = p + tile >= end ? ClampToInt(end - p + 1) : tile;
            if (horizontal)
                m_blitter.Blit(m_canvas, static_cast<int>(p), r.top, source.x, source.y, piece, across,
                               alpha.x, alpha.y);
            else
                m_blitter.Blit(m_canvas, r.left, static_cast<int>(p), source.x, source.y, across, piece,
                               alpha.x, alpha.y);
        }
    }

    void Fade(bool horizontal, const NoteRect& r, Colour startcol, Colour endcol) {
        const long long start = horizontal ? r.left : r.top;
        const long long end = horizontal ? r.right : r.bottom;
        if (start >= end)
            return;
        const float n = static_cast<float>(end - start);
        const int from[3] = {RedOf(startcol), GreenOf(startcol), BlueOf(startcol)};
        const int to[3] = {RedOf(endcol), GreenOf(endcol), BlueOf(endcol)};
        float value[3], step[3];
        for (int c = 0; c < 3; ++c) {
            value[c] = static_cast<float>(from[c]);
            step[c] = static_cast<float>(to[c] - from[c]) / n;
        }
        long long p = start;
        const long long visibleEnd = horizontal ? Width() : Height();
        const long long last = std::min(end, visibleEnd - 1);
        if (p < 0) {
            // Lines before the canvas only move the running value on.
            const long long skip = std::min(-p, end - p + 1);
            if (skip <= kExactFadeSkip) {
                for (long long i = 0; i < skip; ++i)
                    for (int c = 0; c < 3; ++c)
                        value[c] = value[c] + step[c];
            } else {
                for (int c = 0; c < 3; ++c)
                    value[c] = static_cast<float>(from[c] +
                                                  static_cast<double>(step[c]) * static_cast<double>(skip));
            }
            p += skip;
        }
        for (; p <= last; ++p) {
            int channel[3];
            for (int c = 0; c < 3; ++c) {
                const float v = std::clamp(value[c], -2.0e9f, 2.0e9f);
                channel[c] = static_cast<int>(v) & 0xFF;
            }
            const Colour colour = MakeColour(channel[0], channel[1], channel[2]);
            if (horizontal)
                m_canvas.Fill({static_cast<int>(p), r.top, static_cast<int>(p) + 1, r.bottom}, colour);
            else
                m_canvas.Fill({r.left, static_cast<int>(p), r.right, static_cast<int>(p) + 1}, colour);
            for (int c = 0; c < 3; ++c)
                value[c] = value[c] + step[c];
        }
    }

    void PaintTileArea(const TileAreaRecord& a) {
        const NoteRect r = TileAreaRect(a.topleft.x, a.topleft.y, a.bottomright.x, a.bottomright.y,
                                        m_state.width, m_state.height);
        switch (a.tiletype) {
        case 0:
            m_canvas.Fill(ToCanvasRect(r), a.solidcol);
            break;
        case 1:
            Tiles(r, a);
            break;
        case 2:
            m_canvas.Fill(ToCanvasRect(r), m_state.pencolour);
            break;
        default:
            break;
        }
    }

    // Tiles cover exactly the rectangle, cut at its right and bottom edges.
    void Tiles(const NoteRect& r, const TileAreaRecord& a) {
        const long long tw = a.size.w;
        const long long th = a.size.h;
        if (static_cast<long long>(r.right) - r.left < 1 || static_cast<long long>(r.bottom) - r.top < 1 ||
            tw < 1 || th < 1)
            return;
        long long x0 = r.left;
        if (x0 < 0)
            x0 += (-x0 / tw) * tw;
        long long y0 = r.top;
        if (y0 < 0)
            y0 += (-y0 / th) * th;
        const long long xEnd = std::min<long long>(r.right, Width());
        const long long yEnd = std::min<long long>(r.bottom, Height());
        for (long long x = x0; x < xEnd; x += tw) {
            const int w = static_cast<int>(std::min(tw, r.right - x));
            for (long long y = y0; y < yEnd; y += th) {
                const int h = static_cast<int>(std::min(th, r.bottom - y));
                m_blitter.Blit(m_canvas, static_cast<int>(x), static_cast<int>(y), a.source.x, a.source.y, w,
                               h, a.sourcealpha.x, a.sourcealpha.y);
            }
        }
    }

    void PaintText(const TextRecord& t) {
        const NoteRect band =
            BandRect(t.place.x, t.place.y, t.extent.right, t.extent.height, m_state.width, m_state.height);
        QImage view = m_canvas.ImageView();
        DrawTextElement(view, t, band, m_state);
    }

    const NoteState& m_state;
    Canvas& m_canvas;
    PictureBlitter m_blitter;
    ScrollFrame m_frame;
};

void CopyBlock(Canvas& target, long long x, long long y, long long w, long long h, const Canvas& source,
               int sx, long long sy) {
    if (w <= 0 || h <= 0)
        return;
    target.Copy(ClampToInt(x), ClampToInt(y), ClampToInt(w), ClampToInt(h), source, sx, ClampToInt(sy));
}

} // namespace

bool PaintNoteCanvas(const SkinDocument& document, NoteState& state, Canvas& canvas, const CanvasRect* part) {
    if (!canvas.Create(state.width, state.height, state.notecolour))
        return false;
    ApplyScrollbarDrawLimits(state, document.ActiveLayout(state));
    if (part)
        canvas.SetClipRect(*part);
    const CanvasRect clip = canvas.ClipRect();
    const ScrollFrame frame = ScrollFrameOf(document.ActiveLayout(state), state);
    // An element's outline holds all it paints; one wholly outside the clip paints nothing there.
    const auto reaches = [&](const SkinElement& element) {
        const std::optional<NoteRect> r = ElementOutline(element, state.width, state.height, frame);
        return !r || r->right < r->left || r->bottom < r->top ||
               (r->left < clip.right && r->right > clip.left && r->top < clip.bottom && r->bottom > clip.top);
    };
    NotePainter painter(document, state, canvas);
    const GroupIndex groups(document);
    for (const SkinElement& element : document.elements) {
        // Group and layout entries paint nothing; IsDrawn starts with the group test itself.
        if (!element.IsDrawable() || !IsDrawn(document, groups, element, state) || !reaches(element))
            continue;
        painter.PaintElement(element);
    }
    if (state.bulkselected)
        DrawSelectedBorder(canvas, document.settings, state.dpi);
    return true;
}

void RenderNote(const SkinDocument& document, Canvas& target, NoteState state) {
    const long long ox = state.originx;
    const long long oy = state.originy;
    // The part of the note under the target's clip.
    const CanvasRect clip = target.ClipRect();
    const CanvasRect part{ClampToInt(clip.left - ox), ClampToInt(clip.top - oy), ClampToInt(clip.right - ox),
                          ClampToInt(clip.bottom - oy)};
    Canvas canvas;
    if (!PaintNoteCanvas(document, state, canvas, &part))
        return;
    const long long w = canvas.Width();
    const long long h = canvas.Height();
    if (document.DrawsOnTextBackground()) {
        CopyBlock(target, ox, oy, w, h, canvas, 0, 0);
        return;
    }
    const SkinLayout& layout = document.ActiveLayout(state);
    const long long t = layout.top;
    const long long b = layout.bottom;
    const long long l = layout.left;
    const long long r = layout.right;
    CopyBlock(target, ox, oy, w, t, canvas, 0, 0);
    CopyBlock(target, ox, oy + h - b, w, b, canvas, 0, h - b);
    CopyBlock(target, ox, oy + t, l, h - b - t, canvas, 0, t);
    CopyBlock(target, ox + w - r, oy + t, r, h - b - t, canvas, ClampToInt(w - r), t);
}
