#pragma once

#include "document/SkinElement.h"
#include "render/PaintedExtent.h"

#include <ostream>
#include <vector>

// Elements described by their placements in the order their dialogs show them (left, top, then the
// right or bottom edges the kind has) and by the one or two sizes the kind keeps.

inline Placement Sides(int value, int offset = 0) {
    return {value, PlacementMode::Sides, offset};
}
inline Placement Middle(int value, int offset = 0) {
    return {value, PlacementMode::Middle, offset};
}
inline Placement Percent(int value, int offset = 0) {
    return {value, PlacementMode::Percent, offset};
}
inline Placement Scroll(PlacementMode mode, int value, int offset = 0) {
    return {value, mode, offset};
}

struct Placed {
    std::vector<Placement> placements;
    int w = 0; // Button and Indicator width, VStrip width
    int h = 0; // Button and Indicator height, HStrip and Text height
    bool operator==(const Placed&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const Placed& p) {
    for (const Placement& q : p.placements)
        os << q.value << "/" << static_cast<int>(q.mode) << "+" << q.offset << " ";
    return os << p.w << " x " << p.h;
}

inline std::ostream& operator<<(std::ostream& os, const NoteRect& r) {
    return os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

inline SkinElement MakePlaced(ElementKind kind, const Placed& p, int striptype = 0) {
    SkinElement e = SkinElement::Make(kind);
    e.Common()->drawunrolled = true;
    const auto at = [&](size_t i) { return i < p.placements.size() ? p.placements[i] : Placement{}; };
    if (auto* b = e.As<ButtonRecord>()) {
        b->place = {at(0), at(1)};
        b->size = {p.w, p.h};
    } else if (auto* i = e.As<IndicatorRecord>()) {
        i->place = {at(0), at(1)};
        i->size = {p.w, p.h};
    } else if (auto* s = e.As<HStripRecord>()) {
        s->place = {at(0), at(1)};
        s->extent = {at(2), p.h};
        s->striptype = striptype;
    } else if (auto* t = e.As<TextRecord>()) {
        t->place = {at(0), at(1)};
        t->extent = {at(2), p.h};
    } else if (auto* v = e.As<VStripRecord>()) {
        v->place = {at(0), at(1)};
        v->extent = {p.w, at(2)};
        v->striptype = striptype;
    } else if (auto* a = e.As<TileAreaRecord>()) {
        a->topleft = {at(0), at(1)};
        a->bottomright = {at(2), at(3)};
    }
    return e;
}

inline Placed PlacedOf(const SkinElement& e) {
    if (auto* b = e.As<ButtonRecord>())
        return {{b->place.x, b->place.y}, b->size.w, b->size.h};
    if (auto* i = e.As<IndicatorRecord>())
        return {{i->place.x, i->place.y}, i->size.w, i->size.h};
    if (auto* s = e.As<HStripRecord>())
        return {{s->place.x, s->place.y, s->extent.right}, 0, s->extent.height};
    if (auto* t = e.As<TextRecord>())
        return {{t->place.x, t->place.y, t->extent.right}, 0, t->extent.height};
    if (auto* v = e.As<VStripRecord>())
        return {{v->place.x, v->place.y, v->extent.bottom}, v->extent.width, 0};
    if (auto* a = e.As<TileAreaRecord>())
        return {{a->topleft.x, a->topleft.y, a->bottomright.x, a->bottomright.y}, 0, 0};
    return {};
}

// A note of the size whose scroll range is x 290 .. 300 with the thumb at y 40 .. 90.
inline NoteFrame Frame(int width = 300, int height = 100) {
    return {width, height, {{290, 25, 300, height}, {290, 40, 300, 90}}};
}
