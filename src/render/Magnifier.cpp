#include "render/Magnifier.h"

#include "picture/ClampToInt.h"

#include <algorithm>
#include <climits>

namespace {

constexpr int kSmallestSide = 8;
constexpr int kLargestSide = 1024;
constexpr int kStandInSide = 64;

int CountedSide(int side) {
    return side < kSmallestSide || side > kLargestSide ? kStandInSide : side;
}

int Moved(int value, long long by) {
    return static_cast<int>(std::clamp<long long>(static_cast<long long>(value) + by, 0, INT_MAX));
}

} // namespace

int ClampZoom(int zoom) {
    return std::clamp(zoom, kMagnifierMinZoom, kMagnifierMaxZoom);
}

MagnifierSize MagnifierClientSize(int zoom, int pictureWidth, int pictureHeight) {
    zoom = ClampZoom(zoom);
    return {zoom * CountedSide(pictureWidth), zoom * CountedSide(pictureHeight)};
}

MagnifierScroll ScrollBy(MagnifierScroll scroll, long long dx, long long dy) {
    return {Moved(scroll.x, dx), Moved(scroll.y, dy)};
}

MagnifierScroll PanStep(MagnifierScroll scroll, int dx, int dy, int zoom) {
    const long long z = ClampZoom(zoom);
    // Dragging the picture left shows what lies further right.
    return ScrollBy(scroll, -(dx / z), -(dy / z));
}

std::vector<CanvasRect> MagnifierUncoveredAreas(int zoom, int pictureWidth, int pictureHeight,
                                                MagnifierScroll scroll, int clientWidth, int clientHeight) {
    const long long z = ClampZoom(zoom);
    const long long reachX = z * (static_cast<long long>(pictureWidth) - scroll.x);
    const long long reachY = z * (static_cast<long long>(pictureHeight) - scroll.y);
    std::vector<CanvasRect> areas;
    if (reachX < clientWidth)
        areas.push_back({ClampToInt(std::max(reachX, 0LL)), 0, clientWidth, clientHeight});
    if (reachY < clientHeight)
        areas.push_back({0, ClampToInt(std::max(reachY, 0LL)), clientWidth, clientHeight});
    std::erase_if(areas, [](const CanvasRect& r) { return r.IsEmpty(); });
    return areas;
}

void PaintMagnified(Canvas& client, const Canvas& picture, int zoom, MagnifierScroll scroll, Colour face) {
    if (!client.IsValid())
        return;
    zoom = ClampZoom(zoom);
    const int w = picture.IsValid() ? picture.Width() : 0;
    const int h = picture.IsValid() ? picture.Height() : 0;
    if (w > 0 && h > 0) {
        client.StretchCopy(0, 0, ClampToInt(static_cast<long long>(zoom) * w),
                           ClampToInt(static_cast<long long>(zoom) * h), picture, scroll.x, scroll.y, w, h);
    }
    for (const CanvasRect& area :
         MagnifierUncoveredAreas(zoom, w, h, scroll, client.Width(), client.Height()))
        client.Fill(area, face);
}
