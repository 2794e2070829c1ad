#include "render/PaintedExtent.h"

#include "document/NoteState.h"
#include "document/SkinDocument.h"
#include "render/DrawConditions.h"

#include <cstdint>

namespace {

// Bitmap pieces and fade lines run from the start edge through the end edge inclusive.
bool PaintsThroughEnd(const StripCommon& strip) {
    return strip.striptype == 0 || strip.striptype == 1;
}

// The geometry's 32-bit arithmetic wraps; so does this, so that stepping an edge on and back again
// gives the value it came from.
int Step(int edge, int by) {
    return static_cast<int>(static_cast<std::uint32_t>(edge) + static_cast<std::uint32_t>(by));
}

int LastPixel(int exclusiveEdge) {
    return Step(exclusiveEdge, -1);
}

} // namespace

NoteFrame NoteFrameOf(const SkinDocument& document, const NoteState& state) {
    const NoteState drawing = DrawingState(document, state);
    return {drawing.width, drawing.height, ScrollFrameOf(document.ActiveLayout(drawing), drawing)};
}

std::optional<NoteRect> PaintedExtent(const SkinElement& element, const NoteFrame& frame) {
    std::optional<NoteRect> r = ElementRect(element, frame.width, frame.height, frame.scroll);
    if (!r)
        return r;
    if (const HStripRecord* h = element.As<HStripRecord>(); h && PaintsThroughEnd(*h))
        r->right = Step(r->right, 1);
    if (const VStripRecord* v = element.As<VStripRecord>(); v && PaintsThroughEnd(*v))
        r->bottom = Step(r->bottom, 1);
    return r;
}

std::optional<NoteRect> DrawnExtent(const SkinDocument& document, int entry, const NoteState& state) {
    if (entry < 0 || entry >= static_cast<int>(document.elements.size()))
        return std::nullopt;
    const SkinElement& element = document.elements[static_cast<size_t>(entry)];
    if (!element.IsDrawable() || !IsDrawn(document, element, DrawingState(document, state)))
        return std::nullopt;
    return PaintedExtent(element, NoteFrameOf(document, state));
}

std::vector<int> PlacementReadouts(const SkinElement& element, const NoteFrame& frame) {
    const std::optional<NoteRect> r = PaintedExtent(element, frame);
    if (!r)
        return {};
    switch (element.Kind()) {
    case ElementKind::HStrip:
    case ElementKind::Text:
        return {r->left, r->top, LastPixel(r->right)};
    case ElementKind::VStrip:
        return {r->left, r->top, LastPixel(r->bottom)};
    case ElementKind::TileArea:
        return {r->left, r->top, LastPixel(r->right), LastPixel(r->bottom)};
    default:
        return {r->left, r->top};
    }
}

std::vector<int> LayoutReadouts(const SkinLayout& layout, int noteWidth, int noteHeight) {
    const NoteRect title = TitleBarRect(layout, noteWidth, noteHeight);
    const NoteRect range = ScrollRange(layout, noteWidth, noteHeight);
    return {title.left, title.top, LastPixel(title.right), range.left, range.top, LastPixel(range.bottom)};
}

QString ExtentText(const QString& name, const NoteRect& painted) {
    const long long width = static_cast<long long>(painted.right) - painted.left;
    const long long height = static_cast<long long>(painted.bottom) - painted.top;
    return QStringLiteral("%1: %2,%3 - %4,%5, %6 x %7")
        .arg(name)
        .arg(painted.left)
        .arg(painted.top)
        .arg(static_cast<long long>(painted.right) - 1)
        .arg(static_cast<long long>(painted.bottom) - 1)
        .arg(width)
        .arg(height);
}
