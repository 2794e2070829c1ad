#pragma once

#include "picture/Canvas.h"
#include "picture/InputLimits.h"

#include <span>

// The arithmetic of the sheet canvas: a picture enlarged by a whole zoom factor and scrolled by whole
// screen pixels. The widget only binds the mouse, the keys and the scroll bars to these.

// The zooms Ctrl+wheel and Ctrl+plus/minus step through.
inline constexpr int kSheetZooms[] = {1, 2, 3, 4, 6, 8, 12, 16};
// From this zoom on, a grid shows where one picture pixel ends and the next begins.
constexpr int kSheetGridZoom = 4;

// The largest zoom of at most `zoom` (and at least 1) at which the picture stays within kMaxZoomedExtent.
int FitZoom(int zoom, int pictureWidth, int pictureHeight);

// The next zoom of the ascending steps above zoom (direction > 0) or below it (direction < 0), kept
// within the steps and to what FitZoom allows; zoom itself when there is none further.
int StepZoom(std::span<const int> steps, int zoom, int direction, int pictureWidth, int pictureHeight);

// One axis of the view: how far the picture reaches, the view's extent and where it is scrolled to.
struct SheetAxis {
    int picture = 0; // picture pixels
    int view = 0;    // screen pixels
    int zoom = 1;
    int scroll = 0; // screen pixels of the enlarged picture scrolled past the view's start
};

// How far the view can scroll: what the enlarged picture is longer than the view, or 0.
int MaxScroll(const SheetAxis& axis);
// A scroll position held to 0 .. MaxScroll.
int ClampScroll(const SheetAxis& axis, long long scroll);

// The picture coordinate under view coordinate v: floor((v + scroll) / zoom). Not held to the picture.
int PictureCoordinate(const SheetAxis& axis, int v);
// The view coordinate where picture coordinate p starts: p * zoom - scroll, held to the int range.
int ViewCoordinate(const SheetAxis& axis, long long p);

// The scroll position after a change to newZoom that keeps the picture pixel under view coordinate
// anchor where it is, as far as the scroll range allows.
int ScrollAfterZoom(const SheetAxis& axis, int newZoom, int anchor);

// The scroll position that brings picture coordinates start .. end (exclusive) into view moving as little
// as possible; a span longer than the view is shown from its start. Spans are held to the picture first.
int ScrollToShow(const SheetAxis& axis, long long start, long long end);

// Both axes.
struct SheetView {
    SheetAxis x;
    SheetAxis y;
};

// The picture pixels of which the view shows any part (empty when it shows none).
CanvasRect VisibleArea(const SheetView& view);

// Where a rectangle of picture pixels lies in the view, in screen pixels, held to a little beyond the
// view so that drawing its edges cannot overflow.
CanvasRect ViewRectOf(const SheetView& view, const CanvasRect& area);

// The rectangle a drag from one pixel to another spans, both included, in whichever direction it went;
// both ends are held to the picture first. Empty for an empty picture.
CanvasRect SpannedArea(int x0, int y0, int x1, int y1, int pictureWidth, int pictureHeight);
