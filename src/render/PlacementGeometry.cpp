#include "render/PlacementGeometry.h"

#include "document/NoteState.h"
#include "document/SkinDocument.h"

#include <algorithm>
#include <cstdint>

namespace {

// Geometry is 32-bit arithmetic that wraps on overflow: absurd values in a hand-edited skin give
// meaningless rectangles, never undefined behaviour. Divisions are by 100 or 2, so they cannot overflow,
// and they truncate toward zero.
int Add(int a, int b) {
    return static_cast<int>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}
int Sub(int a, int b) {
    return static_cast<int>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}
int Mul(int a, int b) {
    return static_cast<int>(static_cast<std::uint32_t>(a) * static_cast<std::uint32_t>(b));
}

// Coordinates of the layout's own blocks: no offsets, no scroll-bar modes.
int ResolveBlock(const Placement& p, int length, Axis axis) {
    return ResolveCoordinate(p, length, axis, nullptr);
}

} // namespace

int ResolveCoordinate(const Placement& placement, int length, Axis axis, const ScrollFrame* frame) {
    const int v = placement.value;
    PlacementMode mode = placement.mode;
    if (!frame && IsScrollbarMode(mode))
        mode = PlacementMode::Sides;
    switch (mode) {
    case PlacementMode::Percent:
        // A negative percentage is a negative coordinate, not a distance from the far edge.
        return Mul(v, length) / 100;
    case PlacementMode::Middle:
        return Add(v, length / 2);
    case PlacementMode::TLScrollbar:
        return Add(v, axis == Axis::X ? frame->range.left : frame->thumb.top);
    case PlacementMode::BRScrollbar:
        return Add(v, axis == Axis::X ? frame->range.right : frame->thumb.bottom);
    case PlacementMode::CenterScrollbar: {
        const int start = axis == Axis::X ? frame->range.left : frame->thumb.top;
        const int end = axis == Axis::X ? frame->range.right : frame->thumb.bottom;
        return Add(Add(v, start), Sub(end, start) / 2);
    }
    case PlacementMode::Sides:
        break;
    }
    return v >= 0 ? v : Add(v, length);
}

NoteRect BandRect(const Placement& x, const Placement& y, const Placement& right, int height, int noteWidth,
                  int noteHeight) {
    NoteRect r;
    r.left = Add(ResolveCoordinate(x, noteWidth, Axis::X, nullptr), x.offset);
    r.right = Add(Add(ResolveCoordinate(right, noteWidth, Axis::X, nullptr), right.offset), 1);
    r.top = Add(ResolveCoordinate(y, noteHeight, Axis::Y, nullptr), y.offset);
    r.bottom = Add(r.top, height);
    return r;
}

NoteRect ColumnRect(const Placement& x, const Placement& y, const Placement& bottom, int width, int noteWidth,
                    int noteHeight, const ScrollFrame* frame) {
    NoteRect r;
    r.left = Add(ResolveCoordinate(x, noteWidth, Axis::X, frame), x.offset);
    r.right = Add(r.left, width);
    r.top = Add(ResolveCoordinate(y, noteHeight, Axis::Y, frame), y.offset);
    r.bottom = Add(Add(ResolveCoordinate(bottom, noteHeight, Axis::Y, frame), bottom.offset), 1);
    return r;
}

NoteRect BoxRect(const Placement& x, const Placement& y, int w, int h, int noteWidth, int noteHeight,
                 const ScrollFrame& frame) {
    const int left = ResolveCoordinate(x, noteWidth, Axis::X, &frame);
    const int top = ResolveCoordinate(y, noteHeight, Axis::Y, &frame);
    return {Add(left, x.offset), Add(top, y.offset), Add(Add(left, w), x.offset), Add(Add(top, h), y.offset)};
}

NoteRect TileAreaRect(const Placement& leftX, const Placement& topY, const Placement& rightX,
                      const Placement& bottomY, int noteWidth, int noteHeight) {
    NoteRect r;
    r.left = ResolveCoordinate(leftX, noteWidth, Axis::X, nullptr);
    r.top = ResolveCoordinate(topY, noteHeight, Axis::Y, nullptr);
    r.right = Add(ResolveCoordinate(rightX, noteWidth, Axis::X, nullptr), 1);
    r.bottom = Add(ResolveCoordinate(bottomY, noteHeight, Axis::Y, nullptr), 1);
    return r;
}

NoteRect TitleBarRect(const SkinLayout& layout, int noteWidth, int noteHeight) {
    const TitleBarBlock& t = layout.titlebar;
    NoteRect r;
    r.left = ResolveBlock(t.left, noteWidth, Axis::X);
    r.right = Add(ResolveBlock(t.right, noteWidth, Axis::X), 1);
    r.top = ResolveBlock(t.top, noteHeight, Axis::Y);
    r.bottom = Add(r.top, t.height);
    return r;
}

NoteRect ScrollRange(const SkinLayout& layout, int noteWidth, int noteHeight) {
    const ScrollBarBlock& s = layout.scrollbar;
    NoteRect r;
    r.left = ResolveBlock(s.left, noteWidth, Axis::X);
    r.right = Add(r.left, s.width);
    r.top = ResolveBlock(s.top, noteHeight, Axis::Y);
    r.bottom = Add(ResolveBlock(s.bottom, noteHeight, Axis::Y), 1);
    return r;
}

NoteRect ThumbRect(const NoteRect& range, int scrollTop, int scrollBottom, int minimumThumbHeight) {
    const int span = Sub(range.bottom, range.top);
    const int a = Mul(span, scrollTop) / 100;
    const int c = Mul(span, scrollBottom) / 100;
    int top = Add(range.top, a);
    int bottom = Add(range.top, c);
    if (Sub(c, a) < minimumThumbHeight) {
        bottom = Add(top, minimumThumbHeight);
        if (bottom > range.bottom) {
            bottom = range.bottom;
            top = Sub(range.bottom, minimumThumbHeight);
        }
    }
    return {range.left, top, range.right, bottom};
}

ScrollFrame ScrollFrameOf(const SkinLayout& layout, const NoteState& state) {
    ScrollFrame frame;
    frame.range = ScrollRange(layout, state.width, state.height);
    frame.thumb = ThumbRect(frame.range, state.scrolltop, state.scrollbottom, layout.minimumthumbtrackheight);
    return frame;
}

NoteRect TextArea(const SkinLayout& layout, const NoteState& state) {
    NoteRect r{layout.left, layout.top, Sub(state.width, layout.right),
               Sub(state.unrolledheight, layout.bottom)};
    if (state.rolled) {
        r.bottom = std::min(r.bottom, layout.rolledheight);
        r.top = std::min(r.top, r.bottom);
    }
    return r;
}

NoteOrigin NoteOriginInArea(int areaWidth, int areaHeight, int noteWidth, int unrolledHeight) {
    return {Sub(areaWidth, noteWidth) / 2, Sub(areaHeight, unrolledHeight) / 2};
}

std::optional<NoteRect> ElementRect(const SkinElement& element, int noteWidth, int noteHeight,
                                    const ScrollFrame& frame) {
    if (const ButtonRecord* b = element.As<ButtonRecord>())
        return BoxRect(b->place.x, b->place.y, b->size.w, b->size.h, noteWidth, noteHeight, frame);
    if (const IndicatorRecord* i = element.As<IndicatorRecord>())
        return BoxRect(i->place.x, i->place.y, i->size.w, i->size.h, noteWidth, noteHeight, frame);
    if (const HStripRecord* h = element.As<HStripRecord>())
        return BandRect(h->place.x, h->place.y, h->extent.right, h->extent.height, noteWidth, noteHeight);
    if (const TextRecord* t = element.As<TextRecord>())
        return BandRect(t->place.x, t->place.y, t->extent.right, t->extent.height, noteWidth, noteHeight);
    if (const VStripRecord* v = element.As<VStripRecord>())
        return ColumnRect(v->place.x, v->place.y, v->extent.bottom, v->extent.width, noteWidth, noteHeight,
                          &frame);
    if (const TileAreaRecord* a = element.As<TileAreaRecord>())
        return TileAreaRect(a->topleft.x, a->topleft.y, a->bottomright.x, a->bottomright.y, noteWidth,
                            noteHeight);
    return std::nullopt;
}

std::optional<NoteRect> ElementRect(const SkinDocument& document, const SkinElement& element,
                                    const NoteState& state) {
    const ScrollFrame frame = ScrollFrameOf(document.ActiveLayout(state), state);
    return ElementRect(element, state.width, state.height, frame);
}

std::optional<NoteRect> ElementOutline(const SkinElement& element, int noteWidth, int noteHeight,
                                       const ScrollFrame& frame) {
    std::optional<NoteRect> r = ElementRect(element, noteWidth, noteHeight, frame);
    if (r && element.Kind() == ElementKind::HStrip)
        r->right = Add(r->right, 1);
    if (r && element.Kind() == ElementKind::VStrip)
        r->bottom = Add(r->bottom, 1);
    return r;
}
