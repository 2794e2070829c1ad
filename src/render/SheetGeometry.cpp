#include "render/SheetGeometry.h"

#include "picture/ClampToInt.h"

#include <algorithm>

namespace {

// Division rounding toward minus infinity, which picture coordinates left of or above the picture need.
long long FloorDiv(long long a, long long b) {
    const long long q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

long long Zoomed(const SheetAxis& axis) {
    return static_cast<long long>(std::max(axis.picture, 0)) * std::max(axis.zoom, 1);
}

} // namespace

int FitZoom(int zoom, int pictureWidth, int pictureHeight) {
    const long long longest = std::max({pictureWidth, pictureHeight, 1});
    const long long most = std::max<long long>(1, kMaxZoomedExtent / longest);
    return static_cast<int>(std::clamp<long long>(zoom, 1, most));
}

int StepZoom(std::span<const int> steps, int zoom, int direction, int pictureWidth, int pictureHeight) {
    if (steps.empty() || direction == 0)
        return FitZoom(zoom, pictureWidth, pictureHeight);
    int next = zoom;
    if (direction > 0) {
        const auto it = std::upper_bound(steps.begin(), steps.end(), zoom);
        if (it != steps.end())
            next = *it;
    } else {
        const auto it = std::lower_bound(steps.begin(), steps.end(), zoom);
        if (it != steps.begin())
            next = *(it - 1);
    }
    next = std::clamp(next, steps.front(), steps.back());
    // A step the picture is too large for is not taken at all.
    const int fitted = FitZoom(next, pictureWidth, pictureHeight);
    return fitted == next ? next : FitZoom(zoom, pictureWidth, pictureHeight);
}

int MaxScroll(const SheetAxis& axis) {
    return ClampToInt(std::max<long long>(0, Zoomed(axis) - std::max(axis.view, 0)));
}

int ClampScroll(const SheetAxis& axis, long long scroll) {
    return static_cast<int>(std::clamp<long long>(scroll, 0, MaxScroll(axis)));
}

int PictureCoordinate(const SheetAxis& axis, int v) {
    return ClampToInt(FloorDiv(static_cast<long long>(v) + axis.scroll, std::max(axis.zoom, 1)));
}

int ViewCoordinate(const SheetAxis& axis, long long p) {
    return ClampToInt(p * std::max(axis.zoom, 1) - axis.scroll);
}

int ScrollAfterZoom(const SheetAxis& axis, int newZoom, int anchor) {
    const long long oldZoom = std::max(axis.zoom, 1);
    newZoom = std::max(newZoom, 1);
    // The anchor's point on the enlarged picture scales with the zoom; flooring keeps the pixel under the
    // anchor the same one.
    const long long point = static_cast<long long>(anchor) + axis.scroll;
    const long long scroll = FloorDiv(point * newZoom, oldZoom) - anchor;
    SheetAxis after = axis;
    after.zoom = newZoom;
    return ClampScroll(after, scroll);
}

int ScrollToShow(const SheetAxis& axis, long long start, long long end) {
    start = std::clamp<long long>(start, 0, axis.picture);
    end = std::clamp<long long>(end, start, axis.picture);
    const long long zoom = std::max(axis.zoom, 1);
    const long long first = start * zoom;
    const long long last = std::max(end * zoom, first + 1);
    long long scroll = axis.scroll;
    if (last - first > axis.view || first < scroll)
        scroll = first;
    else if (last > scroll + axis.view)
        scroll = last - axis.view;
    return ClampScroll(axis, scroll);
}

CanvasRect VisibleArea(const SheetView& view) {
    const auto range = [](const SheetAxis& a, int& first, int& end) {
        const long long zoom = std::max(a.zoom, 1);
        first = static_cast<int>(std::clamp<long long>(FloorDiv(a.scroll, zoom), 0, a.picture));
        const long long reach = static_cast<long long>(a.scroll) + std::max(a.view, 0);
        end = static_cast<int>(std::clamp<long long>(FloorDiv(reach + zoom - 1, zoom), first, a.picture));
    };
    CanvasRect area;
    range(view.x, area.left, area.right);
    range(view.y, area.top, area.bottom);
    return area.IsEmpty() ? CanvasRect{} : area;
}

CanvasRect ViewRectOf(const SheetView& view, const CanvasRect& area) {
    const auto hold = [](const SheetAxis& a, long long p) {
        return static_cast<int>(std::clamp<long long>(ViewCoordinate(a, p), -2, std::max(a.view, 0) + 2LL));
    };
    return {hold(view.x, area.left), hold(view.y, area.top), hold(view.x, area.right),
            hold(view.y, area.bottom)};
}

CanvasRect SpannedArea(int x0, int y0, int x1, int y1, int pictureWidth, int pictureHeight) {
    if (pictureWidth < 1 || pictureHeight < 1)
        return {};
    x0 = std::clamp(x0, 0, pictureWidth - 1);
    x1 = std::clamp(x1, 0, pictureWidth - 1);
    y0 = std::clamp(y0, 0, pictureHeight - 1);
    y1 = std::clamp(y1, 0, pictureHeight - 1);
    return {std::min(x0, x1), std::min(y0, y1), std::max(x0, x1) + 1, std::max(y0, y1) + 1};
}
