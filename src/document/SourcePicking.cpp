#include "document/SourcePicking.h"

#include "document/SkinElement.h"
#include "picture/ClampToInt.h"

#include <optional>

namespace {

constexpr int kBitmapStrip = 0;
constexpr int kBitmapTiles = 1;

// The corner and size fields a pick sets for the element's kind.
struct PickFields {
    SourcePoint* corner = nullptr;
    int* width = nullptr;
    int* height = nullptr;
};

std::optional<PickFields> FieldsOf(SkinElement& element, bool shift) {
    if (ButtonRecord* b = element.As<ButtonRecord>())
        return PickFields{shift ? &b->sourcerollover : &b->source, &b->size.w, &b->size.h};
    if (IndicatorRecord* i = element.As<IndicatorRecord>())
        return PickFields{shift ? &i->sourceoff : &i->source, &i->size.w, &i->size.h};
    if (HStripRecord* h = element.As<HStripRecord>())
        return PickFields{&h->source, &h->width, &h->extent.height};
    if (VStripRecord* v = element.As<VStripRecord>())
        return PickFields{&v->source, &v->extent.width, &v->height};
    if (TileAreaRecord* t = element.As<TileAreaRecord>())
        return PickFields{&t->source, &t->size.w, &t->size.h};
    return std::nullopt;
}

int Plus(int value, int delta) {
    return ClampToInt(static_cast<long long>(value) + delta);
}

void AddArea(std::vector<SourceArea>& areas, const SourcePoint& corner, int width, int height, bool second) {
    if (corner.x != -1)
        areas.push_back({corner.x, corner.y, width, height, second});
}

} // namespace

void PickCornerOrSize(SourcePoint& corner, int& width, int& height, PickButton button, int x, int y) {
    // A left click moves the corner; a right click sets the size from the corner, the point not included.
    if (button == PickButton::Left) {
        corner = {x, y};
    } else {
        width = ClampToInt(static_cast<long long>(x) - corner.x);
        height = ClampToInt(static_cast<long long>(y) - corner.y);
    }
}

bool PickSource(SkinElement& element, PickButton button, bool shift, int x, int y) {
    const std::optional<PickFields> fields = FieldsOf(element, shift);
    if (!fields)
        return false;
    PickCornerOrSize(*fields->corner, *fields->width, *fields->height, button, x, y);
    return true;
}

bool PickRectangle(SkinElement& element, bool shift, const CanvasRect& area) {
    return PickSource(element, PickButton::Left, shift, area.left, area.top) &&
           PickSource(element, PickButton::Right, shift, area.right, area.bottom);
}

bool NudgeSource(SkinElement& element, int dx, int dy, bool resize) {
    const std::optional<PickFields> fields = FieldsOf(element, false);
    if (!fields || fields->corner->x == -1)
        return false;
    if (resize) {
        *fields->width = Plus(*fields->width, dx);
        *fields->height = Plus(*fields->height, dy);
    } else {
        *fields->corner = {Plus(fields->corner->x, dx), Plus(fields->corner->y, dy)};
    }
    return true;
}

std::vector<SourceArea> SourceAreas(const SkinElement& element) {
    std::vector<SourceArea> areas;
    if (const ButtonRecord* b = element.As<ButtonRecord>()) {
        AddArea(areas, b->source, b->size.w, b->size.h, false);
        AddArea(areas, b->sourcerollover, b->size.w, b->size.h, true);
    } else if (const IndicatorRecord* i = element.As<IndicatorRecord>()) {
        AddArea(areas, i->source, i->size.w, i->size.h, false);
        AddArea(areas, i->sourceoff, i->size.w, i->size.h, true);
    } else if (const HStripRecord* h = element.As<HStripRecord>()) {
        if (h->striptype == kBitmapStrip)
            AddArea(areas, h->source, h->width, h->extent.height, false);
    } else if (const VStripRecord* v = element.As<VStripRecord>()) {
        if (v->striptype == kBitmapStrip)
            AddArea(areas, v->source, v->extent.width, v->height, false);
    } else if (const TileAreaRecord* t = element.As<TileAreaRecord>()) {
        if (t->tiletype == kBitmapTiles)
            AddArea(areas, t->source, t->size.w, t->size.h, false);
    }
    return areas;
}
