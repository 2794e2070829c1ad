#include "render/SourceViewPicture.h"

#include "document/SourcePicking.h"
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

void FillSourceCheckerboard(Canvas& canvas, int originX, int originY) {
    for (int y = 0; y < canvas.Height(); ++y) {
        CanvasPixel* row = canvas.Row(y);
        const int band = (originY + y) >> kSquareShift;
        for (int x = 0; x < canvas.Width(); ++x)
            row[x] = ((((originX + x) >> kSquareShift) + band) & 1) ? kDark : kLight;
    }
}

bool DrawSourceArea(const ImageSurface& picture, const CanvasRect& area, const std::vector<SourceArea>& tints,
                    Canvas& out) {
    if (area.IsEmpty()) {
        out.Clear();
        return false;
    }
    if (out.Width() != area.Width() || out.Height() != area.Height()) {
        if (!out.Create(area.Width(), area.Height()))
            return false;
    }
    out.ResetClip();
    FillSourceCheckerboard(out, area.left, area.top);
    if (picture.IsValid())
        picture.Draw(out, -area.left, -area.top);
    for (const SourceArea& tint : tints) {
        const long long left = static_cast<long long>(tint.x) - area.left;
        const long long top = static_cast<long long>(tint.y) - area.top;
        const CanvasRect rect{ClampToInt(left), ClampToInt(top), ClampToInt(left + tint.width),
                              ClampToInt(top + tint.height)};
        out.Blend(rect, tint.second ? kSecondTint : kFirstTint, kTintOpacity);
    }
    return true;
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
    Canvas shown;
    if (!DrawSourceArea(picture, {0, 0, shownWidth, shownHeight},
                        selected ? SourceAreas(*selected) : std::vector<SourceArea>(), shown))
        return false;
    out.Copy(0, 0, shownWidth, shownHeight, shown, 0, 0);
    return true;
}
