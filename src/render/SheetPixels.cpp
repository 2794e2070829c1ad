#include "render/SheetPixels.h"

#include "document/SkinDocument.h"
#include "picture/Canvas.h"
#include "picture/ImageSurface.h"
#include "picture/KeyedPicture.h"

namespace {

constexpr std::uint32_t kRgbMask = 0xFFFFFFu;
constexpr std::uint32_t kMatchesNothing = 0xFFFFFFFFu;

std::uint32_t RgbOf(Colour colour) {
    return colour == kNoColour ? kMatchesNothing : (PixelFromColour(colour) & kRgbMask);
}

} // namespace

SheetPixels::SheetPixels(const ImageSurface& picture, Colour region) : m_surface(&picture) {
    if (!picture.IsValid())
        return;
    const PictureData& data = picture.Data();
    m_width = data.width;
    m_height = data.height;
    m_regionRgb = RgbOf(region);
    if (data.bpp == 24) {
        if (data.hasAlpha) {
            m_rule = Rule::Alpha24;
        } else {
            m_transparentRgb = data.transparent == -1 ? kMatchesNothing : RgbOf(data.transparent);
            if (m_transparentRgb != kMatchesNothing || m_regionRgb != kMatchesNothing)
                m_rule = Rule::Colour24;
        }
        return;
    }
    m_transparentIndex = data.transparent;
    if (data.hasAlpha) {
        m_rule = Rule::AlphaPalette;
        return;
    }
    bool any = false;
    for (size_t i = 0; i < data.palette.size() && i < m_emptyIndex.size(); ++i) {
        const bool empty =
            static_cast<int>(i) == data.transparent || (data.palette[i] & kRgbMask) == m_regionRgb;
        m_emptyIndex[i] = empty;
        any = any || empty;
    }
    if (any)
        m_rule = Rule::Palette;
}

SheetPixels::SheetPixels(const KeyedPicture& picture, Colour transparent, Colour region) : m_keyed(&picture) {
    if (!picture.IsValid())
        return;
    m_width = picture.Width();
    m_height = picture.Height();
    m_regionRgb = RgbOf(region);
    if (transparent != kNoColour || region != kNoColour)
        m_rule = Rule::Keyed;
}

SheetPixels SheetPixels::OfDocument(const SkinDocument& document) {
    if (document.pngsource)
        return SheetPixels(document.image, document.settings.region);
    return SheetPixels(document.keyed, document.settings.transparent, document.settings.region);
}

bool SheetPixels::IsEmpty(int x, int y) const {
    std::uint8_t filled = 0;
    FilledRow(y, x, x + 1, &filled);
    return filled == 0;
}

void SheetPixels::FilledRow(int y, int x0, int x1, std::uint8_t* out) const {
    const size_t count = x1 > x0 ? static_cast<size_t>(x1 - x0) : 0;
    const size_t rowStart = static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x0);
    switch (m_rule) {
    case Rule::Opaque:
        for (size_t i = 0; i < count; ++i)
            out[i] = 1;
        return;
    case Rule::Alpha24: {
        const std::uint32_t* row = m_surface->Data().argb.data() + rowStart;
        for (size_t i = 0; i < count; ++i)
            out[i] = (row[i] >> 24) != 0;
        return;
    }
    case Rule::Colour24: {
        const std::uint32_t* row = m_surface->Data().argb.data() + rowStart;
        for (size_t i = 0; i < count; ++i) {
            const std::uint32_t rgb = row[i] & kRgbMask;
            out[i] = rgb != m_transparentRgb && rgb != m_regionRgb;
        }
        return;
    }
    case Rule::AlphaPalette: {
        const PictureData& data = m_surface->Data();
        const std::uint8_t* alpha = data.alpha.data() + rowStart;
        for (size_t i = 0; i < count; ++i)
            out[i] = alpha[i] != 0 && data.Index(x0 + static_cast<int>(i), y) != m_transparentIndex;
        return;
    }
    case Rule::Palette: {
        const PictureData& data = m_surface->Data();
        for (size_t i = 0; i < count; ++i)
            out[i] = !m_emptyIndex[static_cast<size_t>(data.Index(x0 + static_cast<int>(i), y))];
        return;
    }
    case Rule::Keyed: {
        const CanvasPixel* picture = m_keyed->Picture().Row(y) + x0;
        const bool masked = m_keyed->Mask().IsValid();
        const CanvasPixel* mask = masked ? m_keyed->Mask().Row(y) + x0 : nullptr;
        for (size_t i = 0; i < count; ++i) {
            const bool key = masked && mask[i] == MakePixel(255, 255, 255);
            out[i] = !key && (picture[i] & kRgbMask) != m_regionRgb;
        }
        return;
    }
    }
}
