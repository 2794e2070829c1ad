#include "render/RenderNote.h"

#include "document/GroupIndex.h"
#include "document/SkinDocument.h"
#include "picture/Canvas.h"
#include "picture/ClampToInt.h"
#include "picture/InputLimits.h"
#include "render/DrawConditions.h"
#include "render/NoteWindow.h"
#include "render/PictureBlit.h"
#include "render/PlacementGeometry.h"
#include "render/RepeatedSum.h"
#include "render/SelectedBorder.h"
#include "render/TextDrawing.h"

#include <QImage>
#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// Paints elements placed on the whole note within a window of it: whatever lies outside the window is
// passed over by arithmetic, so the work follows what can be seen, not the note's size. The canvas's
// clip is the window's.
class NotePainter {
public:
    NotePainter(const SkinDocument& document, const NoteState& state, Canvas& canvas)
        : m_state(state), m_canvas(canvas), m_blitter(document),
          m_frame(ScrollFrameOf(document.ActiveLayout(state), state)) {}

    // The window's canvas holds only the note colour until the first element is painted.
    void SetWindow(const NoteWindow& window) {
        m_window = window;
        m_onNoteColour = true;
    }

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
        m_onNoteColour = false;
    }

private:
    CanvasRect Local(const NoteRect& r) const { return m_window.Local(r.left, r.top, r.right, r.bottom); }

    // A piece of the source picture drawn at (x, y) of the note. A negative size draws the piece at the
    // size it is cut to, never larger.
    void Blit(long long x, long long y, SourcePoint picture, int w, int h, SourcePoint alpha) {
        const long long across = std::abs(static_cast<long long>(w));
        const long long down = std::abs(static_cast<long long>(h));
        if (!m_window.SeesColumns(x, x + across) || !m_window.SeesRows(y, y + down))
            return;
        m_blitter.Blit(m_canvas, m_window.X(x), m_window.Y(y), picture.x, picture.y, w, h, alpha.x, alpha.y);
    }

    // Tiles of w x h from the tile area's source, across x down of them from (x, y) of the note.
    void BlitTiles(long long x, long long y, const TileAreaRecord& a, int w, int h, long long across,
                   long long down) {
        if (across < 1 || down < 1 || !m_window.SeesColumns(x, x + across * w) ||
            !m_window.SeesRows(y, y + down * h))
            return;
        m_blitter.BlitTiles(m_canvas, m_window.X(x), m_window.Y(y), a.source.x, a.source.y, w, h,
                            a.sourcealpha.x, a.sourcealpha.y, across, down);
    }

    void BlitBox(const NoteRect& r, SourcePoint picture, SourcePoint alpha) {
        if (picture.x == -1)
            return;
        const int w = ClampToInt(static_cast<long long>(r.right) - r.left);
        const int h = ClampToInt(static_cast<long long>(r.bottom) - r.top);
        Blit(r.left, r.top, picture, w, h, alpha);
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
            Solid(Local(r), s.solidcol, s.alpha);
            break;
        case 3:
            Solid(Local(r), m_state.pencolour, s.alpha);
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
        if (horizontal ? !m_window.SeesRows(r.top, r.top + static_cast<long long>(across))
                       : !m_window.SeesColumns(r.left, r.left + static_cast<long long>(across)))
            return;
        const long long seenFrom = horizontal ? m_window.visible.left : m_window.visible.top;
        const long long seenTo = horizontal ? m_window.visible.right : m_window.visible.bottom;
        // Pieces wholly before the visible part draw nothing; start at the first that can reach it. The
        // last piece runs through the end edge, so it may reach it where a whole tile from the same place
        // would not.
        long long p = start;
        const long long skipUpTo = std::min(seenFrom, end - 1); // a piece ending here is not seen
        if (p + tile <= skipUpTo)
            p += ((skipUpTo - tile - p) / tile + 1) * static_cast<long long>(tile);
        for (; p <= end && p < seenTo; p += tile) {
            const int piece = p + tile >= end ? ClampToInt(end - p + 1) : tile;
            if (horizontal)
                Blit(p, r.top, source, piece, across, alpha);
            else
                Blit(r.left, p, source, across, piece, alpha);
        }
    }

    void Fade(bool horizontal, const NoteRect& r, Colour startcol, Colour endcol) {
        const long long start = horizontal ? r.left : r.top;
        const long long end = horizontal ? r.right : r.bottom;
        if (start >= end)
            return;
        if (horizontal ? !m_window.SeesRows(r.top, r.bottom) : !m_window.SeesColumns(r.left, r.right))
            return;
        const float n = static_cast<float>(end - start);
        const int from[3] = {RedOf(startcol), GreenOf(startcol), BlueOf(startcol)};
        const int to[3] = {RedOf(endcol), GreenOf(endcol), BlueOf(endcol)};
        float value[3], step[3];
        for (int c = 0; c < 3; ++c) {
            value[c] = static_cast<float>(from[c]);
            step[c] = static_cast<float>(to[c] - from[c]) / n;
        }
        const long long seenFrom = horizontal ? m_window.visible.left : m_window.visible.top;
        const long long seenTo = horizontal ? m_window.visible.right : m_window.visible.bottom;
        const long long last = std::min(end, seenTo - 1);
        long long p = start;
        if (p < seenFrom) {
            // Lines before the visible part only move the running value on.
            const long long skip = std::min(seenFrom - p, end - p + 1);
            for (int c = 0; c < 3; ++c)
                value[c] = AddRepeatedly(value[c], step[c], skip);
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
                m_canvas.Fill(Local({static_cast<int>(p), r.top, static_cast<int>(p) + 1, r.bottom}), colour);
            else
                m_canvas.Fill(Local({r.left, static_cast<int>(p), r.right, static_cast<int>(p) + 1}), colour);
            for (int c = 0; c < 3; ++c)
                value[c] = value[c] + step[c];
        }
    }

    void PaintTileArea(const TileAreaRecord& a) {
        const NoteRect r = TileAreaRect(a.topleft.x, a.topleft.y, a.bottomright.x, a.bottomright.y,
                                        m_state.width, m_state.height);
        switch (a.tiletype) {
        case 0:
            m_canvas.Fill(Local(r), a.solidcol);
            break;
        case 1:
            Tiles(r, a);
            break;
        case 2:
            m_canvas.Fill(Local(r), m_state.pencolour);
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
        // Start at the first tile that reaches the visible part, stop past it.
        const CanvasRect& seen = m_window.visible;
        long long x0 = r.left;
        if (x0 < seen.left)
            x0 += (seen.left - x0) / tw * tw;
        long long y0 = r.top;
        if (y0 < seen.top)
            y0 += (seen.top - y0) / th * th;
        const long long xEnd = std::min<long long>(r.right, seen.right);
        const long long yEnd = std::min<long long>(r.bottom, seen.bottom);
        // Over one colour, tiles whose rows all come from within the picture, unstretched, give rows
        // that repeat every tile height: once one tile height of them is painted, the rest are copies.
        const long long firstRow = std::max<long long>(r.top, seen.top);
        const bool repeats =
            m_onNoteColour && yEnd - firstRow > 2 * th &&
            m_blitter.RowsWithin(a.source.y, static_cast<int>(th)) &&
            (a.sourcealpha.x == -1 || m_blitter.RowsWithin(a.sourcealpha.y, static_cast<int>(th)));
        const long long paintEnd = repeats ? firstRow + th : yEnd;
        // The whole tiles that start before the ends, then the column and row cut at the rectangle's
        // edges (each a run of tiles of its cut size) and their corner.
        const long long across = std::min((xEnd - x0 + tw - 1) / tw, (r.right - x0) / tw);
        const long long down = std::min((paintEnd - y0 + th - 1) / th, (r.bottom - y0) / th);
        const long long xCut = x0 + across * tw;
        const long long yCut = y0 + down * th;
        const int cutW = static_cast<int>(std::min(tw, r.right - xCut));
        const int cutH = static_cast<int>(std::min(th, r.bottom - yCut));
        const bool cutColumn = xCut < xEnd;
        const bool cutRow = yCut < paintEnd;
        BlitTiles(x0, y0, a, static_cast<int>(tw), static_cast<int>(th), across, down);
        if (cutColumn)
            BlitTiles(xCut, y0, a, cutW, static_cast<int>(th), 1, down);
        if (cutRow)
            BlitTiles(x0, yCut, a, static_cast<int>(tw), cutH, across, 1);
        if (cutColumn && cutRow)
            Blit(xCut, yCut, a.source, cutW, cutH, a.sourcealpha);
        if (!repeats)
            return;
        // Each copy doubles the rows done; the distance copied is always a whole number of tiles.
        const long long left = std::max<long long>(r.left, seen.left);
        for (long long y = paintEnd; y < yEnd;) {
            const long long rows = std::min(y - firstRow, yEnd - y);
            m_canvas.Copy(m_window.X(left), m_window.Y(y), static_cast<int>(xEnd - left),
                          static_cast<int>(rows), m_canvas, m_window.X(left), m_window.Y(firstRow));
            y += rows;
        }
    }

    void PaintText(const TextRecord& t) {
        const NoteRect band =
            BandRect(t.place.x, t.place.y, t.extent.right, t.extent.height, m_state.width, m_state.height);
        if (!m_window.SeesColumns(band.left, band.right) || !m_window.SeesRows(band.top, band.bottom))
            return;
        QImage view = m_canvas.ImageView();
        DrawTextElement(view, t, band, m_state, m_window);
    }

    const NoteState& m_state;
    NoteWindow m_window;
    bool m_onNoteColour = true;
    Canvas& m_canvas;
    PictureBlitter m_blitter;
    ScrollFrame m_frame;
};

// The parts of the note that are painted, in note coordinates, not overlapping: the whole note when the
// skin draws on the text background, else the frame around the text area: the top and bottom rows
// across the note and the side columns between them.
std::vector<CanvasRect> PaintedParts(const SkinDocument& document, const NoteState& state) {
    const int w = state.width;
    const int h = state.height;
    if (document.DrawsOnTextBackground())
        return {{0, 0, w, h}};
    const SkinLayout& layout = document.ActiveLayout(state);
    const auto within = [](long long v, int limit) {
        return static_cast<int>(std::clamp<long long>(v, 0, limit));
    };
    const int topEnd = within(layout.top, h);
    const int bottomStart = std::max(within(static_cast<long long>(h) - layout.bottom, h), topEnd);
    const int leftEnd = within(layout.left, w);
    const int rightStart = std::max(within(static_cast<long long>(w) - layout.right, w), leftEnd);
    return {{0, 0, w, topEnd},
            {0, bottomStart, w, h},
            {0, topEnd, leftEnd, bottomStart},
            {rightStart, topEnd, w, bottomStart}};
}

// Paints the note within each window onto the canvas: the note colour, the drawn elements, the
// selected-note border. The state has its scroll-bar limits applied.
void PaintWindows(const SkinDocument& document, const NoteState& state,
                  const std::vector<NoteWindow>& windows, Canvas& canvas) {
    std::vector<const SkinElement*> drawn;
    const GroupIndex groups(document);
    int drawable = 0;
    for (const SkinElement& element : document.elements) {
        // Group and layout entries paint nothing; IsDrawn starts with the group test itself.
        if (!element.IsDrawable())
            continue;
        if (++drawable > kMaxDrawnElements)
            break;
        if (IsDrawn(document, groups, element, state))
            drawn.push_back(&element);
    }
    const CanvasRect clip = canvas.ClipRect();
    NotePainter painter(document, state, canvas);
    for (const NoteWindow& window : windows) {
        canvas.SetClipRect(window.LocalVisible().Intersected(clip));
        canvas.Fill(window.LocalVisible(), state.notecolour);
        painter.SetWindow(window);
        for (const SkinElement* element : drawn)
            painter.PaintElement(*element);
        if (state.bulkselected)
            DrawSelectedBorder(canvas, document.settings, state.dpi, window);
    }
    canvas.SetClipRect(clip);
}

} // namespace

bool PaintNoteCanvas(const SkinDocument& document, NoteState& state, Canvas& canvas) {
    if (!canvas.Create(state.width, state.height, state.notecolour))
        return false;
    ApplyScrollbarDrawLimits(state, document.ActiveLayout(state));
    PaintWindows(document, state, {NoteWindow::Whole(state.width, state.height)}, canvas);
    return true;
}

void RenderNote(const SkinDocument& document, Canvas& target, NoteState state) {
    if (!target.IsValid() || state.width < 1 || state.height < 1)
        return;
    // Straight onto the target, each part of the note only where the target's clip lets it show.
    const long long ox = state.originx;
    const long long oy = state.originy;
    const CanvasRect clip = target.ClipRect();
    const CanvasRect seen{ClampToInt(std::max<long long>(clip.left - ox, 0)),
                          ClampToInt(std::max<long long>(clip.top - oy, 0)),
                          ClampToInt(std::min<long long>(clip.right - ox, state.width)),
                          ClampToInt(std::min<long long>(clip.bottom - oy, state.height))};
    if (seen.IsEmpty())
        return;
    std::vector<NoteWindow> windows;
    for (const CanvasRect& part : PaintedParts(document, state)) {
        const CanvasRect visible = part.Intersected(seen);
        if (!visible.IsEmpty())
            windows.push_back({state.width, state.height, visible, state.originx, state.originy});
    }
    if (windows.empty())
        return;
    ApplyScrollbarDrawLimits(state, document.ActiveLayout(state));
    PaintWindows(document, state, windows, target);
}
