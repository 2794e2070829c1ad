#include "render/ElementDrag.h"

#include "picture/ClampToInt.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

// The coordinates of one axis, and whether the kind's rectangle form knows the scroll-bar modes (the
// others read them as sides).
struct AxisCoordinates {
    std::vector<Placement*> placements;
    bool scrollModes = false;
};

struct Coordinates {
    AxisCoordinates x;
    AxisCoordinates y;
};

Coordinates CoordinatesOf(SkinElement& e) {
    if (ButtonRecord* b = e.As<ButtonRecord>())
        return {{{&b->place.x}, true}, {{&b->place.y}, true}};
    if (IndicatorRecord* i = e.As<IndicatorRecord>())
        return {{{&i->place.x}, true}, {{&i->place.y}, true}};
    if (HStripRecord* h = e.As<HStripRecord>())
        return {{{&h->place.x, &h->extent.right}, false}, {{&h->place.y}, false}};
    if (TextRecord* t = e.As<TextRecord>())
        return {{{&t->place.x, &t->extent.right}, false}, {{&t->place.y}, false}};
    if (VStripRecord* v = e.As<VStripRecord>())
        return {{{&v->place.x}, true}, {{&v->place.y, &v->extent.bottom}, true}};
    if (TileAreaRecord* a = e.As<TileAreaRecord>())
        return {{{&a->topleft.x, &a->bottomright.x}, false}, {{&a->topleft.y, &a->bottomright.y}, false}};
    return {};
}

// The amounts a move may take, as a closed interval.
struct Limits {
    long long low = LLONG_MIN;
    long long high = LLONG_MAX;
    void Keep(long long from, long long to) {
        low = std::max(low, from);
        high = std::min(high, to);
    }
    long long Clamp(long long d) const { return std::clamp(d, low, std::max(low, high)); }
};

PlacementMode EffectiveMode(const Placement& p, bool scrollModes) {
    return scrollModes ? p.mode : WithoutScrollbarMode(p).mode;
}

// The percentage whose pixel on an axis of the length is nearest the target; of equals, the one nearest
// the old value. The resolver multiplies in 32 bits, so only values whose product stays in range count.
int NearestPercent(int old, long long target, int length, bool& saturated) {
    if (length == 0)
        return old; // every percentage is pixel 0
    const auto pixel = [length](long long value) { return value * length / 100; };
    const long long guess = target * 100 / length;
    long long best = old;
    long long bestDistance = std::llabs(pixel(old) - target);
    for (long long c = guess - 2; c <= guess + 2; ++c) {
        const long long product = c * length;
        if (c < INT_MIN || c > INT_MAX || product < INT_MIN || product > INT_MAX) {
            saturated = true;
            continue;
        }
        const long long distance = std::llabs(pixel(c) - target);
        if (distance < bestDistance ||
            (distance == bestDistance && std::llabs(c - old) < std::llabs(best - old))) {
            best = c;
            bestDistance = distance;
        }
    }
    return static_cast<int>(best);
}

// Moves the coordinates of one axis by one amount, cut short by the sign rule, the 32-bit range and, for
// a resize, the smallest shift allowed.
void ShiftAxis(const AxisCoordinates& axis, int amount, int length, Axis which, const ScrollFrame& frame,
               PlacementChange& change, long long smallestShift = LLONG_MIN) {
    if (amount == 0 || axis.placements.empty())
        return;
    Limits sign;
    Limits range;
    for (const Placement* p : axis.placements) {
        const PlacementMode mode = EffectiveMode(*p, axis.scrollModes);
        if (mode == PlacementMode::Percent)
            continue;
        const long long v = p->value;
        range.Keep(INT_MIN - v, INT_MAX - v);
        if (mode == PlacementMode::Sides) {
            if (v >= 0)
                sign.Keep(-v, LLONG_MAX);
            else
                sign.Keep(LLONG_MIN, -1 - v);
        }
    }
    // Staying one pixel wide is no stop worth reporting.
    const long long wanted = std::max<long long>(amount, smallestShift);
    const long long signed_ = sign.Clamp(wanted);
    const long long d = range.Clamp(signed_);
    change.held = change.held || signed_ != wanted;
    change.saturated = change.saturated || d != signed_;
    if (d == 0)
        return;
    for (Placement* p : axis.placements) {
        if (EffectiveMode(*p, axis.scrollModes) == PlacementMode::Percent) {
            const long long from = ResolveCoordinate(*p, length, which, axis.scrollModes ? &frame : nullptr);
            p->value = NearestPercent(p->value, from + d, length, change.saturated);
        } else {
            p->value = static_cast<int>(p->value + d);
        }
    }
}

// A size grown by the amount, never below one pixel unless it already was, held to the 32-bit range.
int Grow(int size, int amount, PlacementChange& change) {
    const long long lowest = std::min(size, 1);
    const long long grown = std::max<long long>(static_cast<long long>(size) + amount, lowest);
    const int kept = ClampToInt(grown);
    change.saturated = change.saturated || kept != grown;
    return kept;
}

// The smallest shift of a far edge that keeps the extent one pixel wide (or as narrow as it was).
long long SmallestFarShift(long long nearEdge, long long farEdge) {
    return std::min(0LL, nearEdge + 1 - farEdge);
}

} // namespace

PlacementChange MoveElement(const SkinElement& element, int dx, int dy, const NoteFrame& frame) {
    PlacementChange change{element};
    const Coordinates c = CoordinatesOf(change.element);
    ShiftAxis(c.x, dx, frame.width, Axis::X, frame.scroll, change);
    ShiftAxis(c.y, dy, frame.height, Axis::Y, frame.scroll, change);
    return change;
}

PlacementChange ResizeElement(const SkinElement& element, DragHandle handle, int dx, int dy,
                              const NoteFrame& frame) {
    PlacementChange change{element};
    const bool right = handle == DragHandle::Right || handle == DragHandle::BottomRight;
    const bool bottom = handle == DragHandle::Bottom || handle == DragHandle::BottomRight;
    const std::optional<NoteRect> painted = PaintedExtent(element, frame);
    if (!painted)
        return change;
    const long long widthShift = SmallestFarShift(painted->left, painted->right);
    const long long heightShift = SmallestFarShift(painted->top, painted->bottom);
    SkinElement& e = change.element;
    const auto shift = [&](Placement& p, bool scrollModes, int amount, int length, Axis axis,
                           long long least) {
        ShiftAxis({{&p}, scrollModes}, amount, length, axis, frame.scroll, change, least);
    };
    if (BoxSize* size = e.As<ButtonRecord>()      ? &e.As<ButtonRecord>()->size
                        : e.As<IndicatorRecord>() ? &e.As<IndicatorRecord>()->size
                                                  : nullptr) {
        if (right)
            size->w = Grow(size->w, dx, change);
        if (bottom)
            size->h = Grow(size->h, dy, change);
    } else if (BandExtent* band = e.As<HStripRecord>() ? &e.As<HStripRecord>()->extent
                                  : e.As<TextRecord>() ? &e.As<TextRecord>()->extent
                                                       : nullptr) {
        if (right)
            shift(band->right, false, dx, frame.width, Axis::X, widthShift);
        if (bottom)
            band->height = Grow(band->height, dy, change);
    } else if (VStripRecord* v = e.As<VStripRecord>()) {
        if (right)
            v->extent.width = Grow(v->extent.width, dx, change);
        if (bottom)
            shift(v->extent.bottom, true, dy, frame.height, Axis::Y, heightShift);
    } else if (TileAreaRecord* a = e.As<TileAreaRecord>()) {
        if (right)
            shift(a->bottomright.x, false, dx, frame.width, Axis::X, widthShift);
        if (bottom)
            shift(a->bottomright.y, false, dy, frame.height, Axis::Y, heightShift);
    }
    return change;
}

bool ResizesSource(ElementKind kind, DragHandle handle) {
    switch (kind) {
    case ElementKind::Button:
    case ElementKind::Indicator:
        return handle != DragHandle::Move;
    case ElementKind::HStrip:
        return handle == DragHandle::Bottom || handle == DragHandle::BottomRight;
    case ElementKind::VStrip:
        return handle == DragHandle::Right || handle == DragHandle::BottomRight;
    default:
        return false;
    }
}

std::optional<NoteRect> ChangedArea(const SkinElement& before, const SkinElement& after,
                                    const NoteFrame& frame) {
    const auto outline = [&](const SkinElement& e) {
        return ElementOutline(e, frame.width, frame.height, frame.scroll);
    };
    const std::optional<NoteRect> a = outline(before);
    const std::optional<NoteRect> b = outline(after);
    if (!a || !b)
        return a ? a : b;
    return NoteRect{std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
                    std::max(a->bottom, b->bottom)};
}

NotePoint HandleCentre(const NoteRect& painted, DragHandle handle) {
    const long long middleX = (static_cast<long long>(painted.left) + painted.right) / 2;
    const long long middleY = (static_cast<long long>(painted.top) + painted.bottom) / 2;
    switch (handle) {
    case DragHandle::Right:
        return {painted.right, middleY};
    case DragHandle::Bottom:
        return {middleX, painted.bottom};
    case DragHandle::BottomRight:
        return {painted.right, painted.bottom};
    case DragHandle::Move:
        break;
    }
    return {middleX, middleY};
}

std::optional<DragHandle> HandleAt(const NoteRect& painted, int x, int y, int reach) {
    if (painted.right <= painted.left || painted.bottom <= painted.top)
        return std::nullopt;
    for (const DragHandle handle : {DragHandle::BottomRight, DragHandle::Right, DragHandle::Bottom}) {
        const NotePoint c = HandleCentre(painted, handle);
        if (std::llabs(c.x - x) <= reach && std::llabs(c.y - y) <= reach)
            return handle;
    }
    return std::nullopt;
}

DragStep StepDrag(const SkinElement& start, DragHandle handle, int dx, int dy, const NoteFrame& frame,
                  const SnapLines* lines, int reach) {
    const auto apply = [&](int x, int y) {
        return handle == DragHandle::Move ? MoveElement(start, x, y, frame)
                                          : ResizeElement(start, handle, x, y, frame);
    };
    DragStep step{apply(dx, dy), {}};
    const std::optional<NoteRect> moved = PaintedExtent(step.change.element, frame);
    if (!lines || !moved)
        return step;
    const bool movesX = handle != DragHandle::Bottom;
    const bool movesY = handle != DragHandle::Right;
    const bool whole = handle == DragHandle::Move;
    const auto shiftFor = [&](bool moves, const std::vector<int>& on, long long near, long long far) {
        // Of equal shifts the near edge's wins; a resize moves the far edge alone.
        const long long edges[] = {near, far};
        const std::span<const long long> edgesMoved = whole ? std::span(edges) : std::span(edges + 1, 1);
        return moves ? SnapShift(on, edgesMoved, reach) : std::nullopt;
    };
    const std::optional<int> sx = shiftFor(movesX, lines->x, moved->left, moved->right);
    const std::optional<int> sy = shiftFor(movesY, lines->y, moved->top, moved->bottom);
    if (sx || sy) {
        step.change = apply(ClampToInt(static_cast<long long>(dx) + sx.value_or(0)),
                            ClampToInt(static_cast<long long>(dy) + sy.value_or(0)));
    }
    const std::optional<NoteRect> snapped = PaintedExtent(step.change.element, frame);
    if (!snapped)
        return step;
    const auto guide = [&](bool moves, Axis axis, const std::vector<int>& on, int edge) {
        const SnapGuide g{axis, edge};
        if (moves && std::binary_search(on.begin(), on.end(), edge) &&
            std::find(step.guides.begin(), step.guides.end(), g) == step.guides.end())
            step.guides.push_back(g);
    };
    guide(movesX && whole, Axis::X, lines->x, snapped->left);
    guide(movesX, Axis::X, lines->x, snapped->right);
    guide(movesY && whole, Axis::Y, lines->y, snapped->top);
    guide(movesY, Axis::Y, lines->y, snapped->bottom);
    return step;
}
