#include "render/SourceViewPicture.h"

#include "document/SkinElement.h"
#include "document/SourcePicking.h"
#include "picture/Canvas.h"
#include "picture/ClampToInt.h"
#include "picture/ImageSurface.h"

#include <algorithm>

namespace {
constexpr int kSquareShift = 3; // 8-pixel squares
constexpr CanvasPixel kLight = MakePixel(255, 255, 255);
constexpr CanvasPixel kDark = MakePixel(191, 191, 191);
constexpr Colour kFirstTint = MakeColour(0, 255, 255);
constexpr Colour kSecondTint = MakeColour(255, 255, 0);
constexpr int kTintOpacity = 128;
} // namespace

void FillSourceCheckerboard(Canvas& canvas, int width, int height) {
    width = std::min(width, canvas.Width());
    height = std::min(height, canvas.Height());
    for (int y = 0; y < height; ++y) {
        CanvasPixel* row = canvas.Row(y);
        const int band = y >> kSquareShift;
        for (int x = 0; x < width; ++x)
            row[x] = (((x >> kSquareShift) + band) & 1) ? kDark : kLight;
    }
}

bool DrawSourceView(const ImageSurface& picture, const SkinElement* selected, int viewWidth, int viewHeight,
                    Colour face, Canvas& out) {
    if (viewWidth < 1 || viewHeight < 1) {
        out.Clear();
        return false;
    }
    if (out.Width() != viewWidth || out.Height() != viewHeight) {
        if (!out.Create(viewWidth, viewHeight, face))
            return false;
    }
    out.ResetClip();
    const int shownWidth = picture.IsValid() ? std::min(viewWidth, picture.Width()) : 0;
    const int shownHeight = picture.IsValid() ? std::min(viewHeight, picture.Height()) : 0;
    out.Fill({shownWidth, 0, viewWidth, viewHeight}, face);
    out.Fill({0, shownHeight, shownWidth, viewHeight}, face);
    if (shownWidth == 0 || shownHeight == 0)
        return true;

    // Everything below stays on the picture.
    out.SetClipRect({0, 0, shownWidth, shownHeight});
    FillSourceCheckerboard(out, shownWidth, shownHeight);
    picture.Draw(out, 0, 0);
    if (selected) {
        for (const SourceArea& area : SourceAreas(*selected)) {
            const CanvasRect rect{area.x, area.y, ClampToInt(static_cast<long long>(area.x) + area.width),
                                  ClampToInt(static_cast<long long>(area.y) + area.height)};
            out.Blend(rect, area.second ? kSecondTint : kFirstTint, kTintOpacity);
        }
    }
    out.ResetClip();
    return true;
}
