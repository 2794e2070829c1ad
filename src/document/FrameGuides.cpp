#include "document/FrameGuides.h"

#include <algorithm>
#include <cstdlib>

namespace {

// value held to 0 .. most; 0 when most is below it.
int Held(int value, int most) {
    return std::max(0, std::min(value, most));
}

bool Vertical(FrameGuide guide) {
    return guide == FrameGuide::Left || guide == FrameGuide::Right;
}

} // namespace

int GuidePosition(const CanvasRect& rect, const FrameMargins& margins, FrameGuide guide) {
    switch (guide) {
    case FrameGuide::Left:
        return rect.left + margins.left;
    case FrameGuide::Top:
        return rect.top + margins.top;
    case FrameGuide::Right:
        return rect.right - margins.right;
    case FrameGuide::Bottom:
        return rect.bottom - margins.bottom;
    }
    return 0;
}

FrameMargins MoveGuide(const CanvasRect& rect, FrameMargins margins, FrameGuide guide, int position) {
    const long long p = position;
    const auto room = [](int length, int other) { return length - std::max(other, 0) - 1; };
    switch (guide) {
    case FrameGuide::Left:
        margins.left = Held(static_cast<int>(std::clamp<long long>(p - rect.left, -1, rect.Width())),
                            room(rect.Width(), margins.right));
        break;
    case FrameGuide::Right:
        margins.right = Held(static_cast<int>(std::clamp<long long>(rect.right - p, -1, rect.Width())),
                             room(rect.Width(), margins.left));
        break;
    case FrameGuide::Top:
        margins.top = Held(static_cast<int>(std::clamp<long long>(p - rect.top, -1, rect.Height())),
                           room(rect.Height(), margins.bottom));
        break;
    case FrameGuide::Bottom:
        margins.bottom = Held(static_cast<int>(std::clamp<long long>(rect.bottom - p, -1, rect.Height())),
                              room(rect.Height(), margins.top));
        break;
    }
    return margins;
}

std::optional<FrameGuide> GuideAt(const CanvasRect& viewRect, const std::array<int, 4>& positions, int x,
                                  int y, int slack) {
    std::optional<FrameGuide> nearest;
    int best = slack + 1;
    for (int i = 0; i < 4; ++i) {
        const auto guide = static_cast<FrameGuide>(i);
        const bool vertical = Vertical(guide);
        const int across = vertical ? y : x;
        const int from = vertical ? viewRect.top : viewRect.left;
        const int to = vertical ? viewRect.bottom : viewRect.right;
        if (across < from - slack || across > to + slack)
            continue;
        const int distance = std::abs((vertical ? x : y) - positions[static_cast<size_t>(i)]);
        if (distance < best) {
            best = distance;
            nearest = guide;
        }
    }
    return nearest;
}
