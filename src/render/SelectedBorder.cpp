#include "render/SelectedBorder.h"

#include "document/SkinSettings.h"
#include "picture/Canvas.h"
#include "picture/ClampToInt.h"
#include "render/NoteWindow.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

long long FloorDiv(long long a, long long b) {
    const long long q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// One edge's loop, for (v = start; v < limit; v += period) draw(v), whose dash pair at v covers at most
// v + low .. v + high along the edge: only the pairs that reach from .. to are drawn, when the edge's
// band can show at all, and the loop's last value is worked out. Returns that value.
template <typename Draw>
long long DashLoop(long long start, long long limit, long long period, long long low, long long high,
                   long long from, long long to, bool bandSeen, Draw draw) {
    if (start >= limit)
        return start;
    const long long end = start + (FloorDiv(limit - start - 1, period) + 1) * period;
    if (!bandSeen)
        return end;
    long long v = start;
    // The first pair whose far end passes from.
    if (v + high <= from)
        v += (FloorDiv(from - high - v, period) + 1) * period;
    for (; v < limit && v + low < to; v += period)
        draw(v);
    return end;
}

} // namespace

int ScaleForDpi(int length, int dpi) {
    const std::int64_t product = static_cast<std::int64_t>(length) * dpi;
    const std::int64_t magnitude = (product < 0 ? -product : product) + 48;
    const std::int64_t result = (product < 0 ? -1 : 1) * (magnitude / 96);
    if (result > INT_MAX || result < INT_MIN)
        return -1;
    return static_cast<int>(result);
}

void DrawSelectedBorder(Canvas& canvas, const SkinSettings& settings, int dpi) {
    DrawSelectedBorder(canvas, settings, dpi, NoteWindow::Whole(canvas.Width(), canvas.Height()));
}

void DrawSelectedBorder(Canvas& canvas, const SkinSettings& settings, int dpi, const NoteWindow& window) {
    const long long width = window.noteWidth;
    const long long height = window.noteHeight;
    const long long b = ScaleForDpi(settings.selectedborderwidth, dpi);
    long long d1 = ScaleForDpi(settings.selectedborderdashlength1, dpi);
    long long d2 = ScaleForDpi(settings.selectedborderdashlength2, dpi);
    long long period = d1 + d2;
    if (period < 1) {
        d1 = d2 = 20;
        period = 40;
    }
    const Colour c1 = settings.selectedborderdashcolour1;
    const Colour c2 = settings.selectedborderdashcolour2;
    const auto fill = [&](long long x, long long y, long long w, long long h, Colour colour) {
        if (w > 0 && h > 0)
            canvas.Fill(window.Local(x, y, x + w, y + h), colour);
    };
    // A pair covers d1 then d2 from where it starts; either may be empty or negative.
    const long long low = std::min(0LL, d1);
    const long long high = std::max({0LL, d1, d1 + d2});
    const CanvasRect& seen = window.visible;

    // Each loop starts from where the one before left its counter, so the dashes run on around the
    // corners the way the note program draws them.
    long long x = DashLoop(-period, width, period, low, high, seen.left, seen.right, window.SeesRows(0, b),
                           [&](long long at) {
                               fill(at, 0, d1, b, c1);
                               fill(at + d1, 0, d2, b, c2);
                           });
    long long y = DashLoop(x - (width + period), height, period, low, high, seen.top, seen.bottom,
                           window.SeesColumns(width - b, width), [&](long long at) {
                               fill(width - b, at, b, d1, c1);
                               fill(width - b, at + d1, b, d2, c2);
                           });
    x = DashLoop(2 * (height - y), width, period, low, high, seen.left, seen.right,
                 window.SeesRows(height - b, height), [&](long long at) {
                     fill(at, height - b, d1, b, c1);
                     fill(at + d1, height - b, d2, b, c2);
                 });
    DashLoop(x - width - 2 * period, height, period, low, high, seen.top, seen.bottom,
             window.SeesColumns(0, b), [&](long long at) {
                 fill(0, at, b, d1, c1);
                 fill(0, at + d1, b, d2, c2);
             });
}
