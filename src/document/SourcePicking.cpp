#include "document/SourcePicking.h"

#include "document/SkinElement.h"

namespace {

constexpr int kBitmapStrip = 0;
constexpr int kBitmapTiles = 1;

// A left click moves the corner; a right click sets the size from the corner, the point not included.
bool PickArea(SourcePoint& corner, int& width, int& height, bool moveCorner, int x, int y) {
    if (moveCorner) {
        corner = {x, y};
    } else {
        width = x - corner.x;
        height = y - corner.y;
    }
    return true;
}

void AddArea(std::vector<SourceArea>& areas, const SourcePoint& corner, int width, int height, bool second) {
    if (corner.x != -1)
        areas.push_back({corner.x, corner.y, width, height, second});
}

} // namespace

bool PickSource(SkinElement& element, PickButton button, bool shift, int x, int y) {
    const bool corner = button == PickButton::Left;
    if (ButtonRecord* b = element.As<ButtonRecord>())
        return PickArea(shift ? b->sourcerollover : b->source, b->size.w, b->size.h, corner, x, y);
    if (IndicatorRecord* i = element.As<IndicatorRecord>())
        return PickArea(shift ? i->sourceoff : i->source, i->size.w, i->size.h, corner, x, y);
    if (HStripRecord* h = element.As<HStripRecord>())
        return PickArea(h->source, h->width, h->extent.height, corner, x, y);
    if (VStripRecord* v = element.As<VStripRecord>())
        return PickArea(v->source, v->extent.width, v->height, corner, x, y);
    if (TileAreaRecord* t = element.As<TileAreaRecord>())
        return PickArea(t->source, t->size.w, t->size.h, corner, x, y);
    return false;
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
