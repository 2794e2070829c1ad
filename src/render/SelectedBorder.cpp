#include "render/SelectedBorder.h"

#include "document/SkinSettings.h"
#include "picture/Canvas.h"
#include "picture/ClampToInt.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

void FillBlock(Canvas& canvas, long long x, long long y, long long w, long long h, Colour colour) {
    if (w <= 0 || h <= 0)
        return;
    canvas.Fill({ClampToInt(x), ClampToInt(y), ClampToInt(x + w), ClampToInt(y + h)}, colour);
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
    const long long width = canvas.Width();
    const long long height = canvas.Height();
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

    // Each loop starts from where the one before left its counter, so the dashes run on around the
    // corners the way the note program draws them.
    long long x = -period;
    for (; x < width; x += period) {
        FillBlock(canvas, x, 0, d1, b, c1);
        FillBlock(canvas, x + d1, 0, d2, b, c2);
    }
    long long y = x - (width + period);
    for (; y < height; y += period) {
        FillBlock(canvas, width - b, y, b, d1, c1);
        FillBlock(canvas, width - b, y + d1, b, d2, c2);
    }
    x = 2 * (height - y);
    for (; x < width; x += period) {
        FillBlock(canvas, x, height - b, d1, b, c1);
        FillBlock(canvas, x + d1, height - b, d2, b, c2);
    }
    y = x - width - 2 * period;
    for (; y < height; y += period) {
        FillBlock(canvas, 0, y, b, d1, c1);
        FillBlock(canvas, 0, y + d1, b, d2, c2);
    }
}
