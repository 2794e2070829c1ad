#pragma once

#include "picture/Canvas.h"

#include <vector>

// The arithmetic of the magnifier windows: how large they open, how a drag moves the view, and the
// enlarged picture with the dialog face around it. The windows only bind the mouse and keys to these.

constexpr int kMagnifierMinZoom = 1;
constexpr int kMagnifierMaxZoom = 10;
constexpr int kSourceMagnifierZoom = 3;
constexpr int kPreviewMagnifierZoom = 2;

// The picture pixel shown at the window's top-left corner; never negative, with no upper bound.
struct MagnifierScroll {
    int x = 0;
    int y = 0;
    bool operator==(const MagnifierScroll&) const = default;
};

struct MagnifierSize {
    int width = 0;
    int height = 0;
    bool operator==(const MagnifierSize&) const = default;
};

// The zoom kept to 1 .. 10.
int ClampZoom(int zoom);

// The client area a magnifier opens at: zoom times the picture. A side below 8 or above 1024 pixels
// counts as 64, so a sliver of a picture or a huge one still gives a window of usable size.
MagnifierSize MagnifierClientSize(int zoom, int pictureWidth, int pictureHeight);

// Moves the view by whole picture pixels (positive: what lies further right or down comes into view),
// stopping at 0 and saturating instead of overflowing.
MagnifierScroll ScrollBy(MagnifierScroll scroll, long long dx, long long dy);

// One step of a drag: the picture follows the pointer, which moved by (dx, dy) window pixels since the
// last step. Each quotient by the zoom truncates toward zero, so a step shorter than the zoom does not
// pan; the caller remembers the new pointer position either way.
MagnifierScroll PanStep(MagnifierScroll scroll, int dx, int dy, int zoom);

// The parts of a client area that the enlarged picture does not reach: the band right of it (full
// client height) and the band below it. Empty rectangles are left out.
std::vector<CanvasRect> MagnifierUncoveredAreas(int zoom, int pictureWidth, int pictureHeight,
                                                MagnifierScroll scroll, int clientWidth, int clientHeight);

// Paints a whole client area: the picture from the scroll position enlarged by pixel replication at
// (0, 0), and the face colour where the picture does not reach, so nothing of an earlier paint remains.
void PaintMagnified(Canvas& client, const Canvas& picture, int zoom, MagnifierScroll scroll, Colour face);
