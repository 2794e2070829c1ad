#include "render/SourceViewPicture.h"

#include "document/SourcePicking.h"
#include "picture/ClampToInt.h"
#include "picture/ImageSurface.h"

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

void RedrawSourceAreaPart(const ImageSurface& picture, const CanvasRect& area, const CanvasRect& part,
                          const std::vector<SourceArea>& tints, Canvas& out) {
    const CanvasRect shown = part.Intersected(area);
    if (shown.IsEmpty() || out.Width() != area.Width() || out.Height() != area.Height())
        return;
    Canvas piece;
    if (!DrawSourceArea(picture, shown, tints, piece))
        return;
    out.ResetClip();
    out.Copy(shown.left - area.left, shown.top - area.top, shown.Width(), shown.Height(), piece, 0, 0);
}
