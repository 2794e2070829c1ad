#include "document/SourcePicking.h"

#include "document/SkinElement.h"

namespace {

constexpr int kBitmapStrip = 0;
constexpr int kBitmapTiles = 1;

void SizeFrom(BoxSize& size, const SourcePoint& corner, int x, int y) {
    size.w = x - corner.x;
    size.h = y - corner.y;
}

void AddArea(std::vector<SourceArea>& areas, const SourcePoint& corner, int width, int height, bool second) {
    if (corner.x != -1)
        areas.push_back({corner.x, corner.y, width, height, second});
}

} // namespace

bool PickSource(SkinElement& element, PickButton button, bool shift, int x, int y) {
    const bool corner = button == PickButton::Left;
    if (ButtonRecord* b = element.As<ButtonRecord>()) {
        SourcePoint& source = shift ? b->sourcerollover : b->source;
        if (corner)
            source = {x, y};
        else
            SizeFrom(b->size, source, x, y);
        return true;
    }
    if (IndicatorRecord* i = element.As<IndicatorRecord>()) {
        SourcePoint& source = shift ? i->sourceoff : i->source;
        if (corner)
            source = {x, y};
        else
            SizeFrom(i->size, source, x, y);
        return true;
    }
    if (HStripRecord* h = element.As<HStripRecord>()) {
        if (corner) {
            h->source = {x, y};
        } else {
            h->width = x - h->source.x;
            h->extent.height = y - h->source.y;
        }
        return true;
    }
    if (VStripRecord* v = element.As<VStripRecord>()) {
        if (corner) {
            v->source = {x, y};
        } else {
            v->extent.width = x - v->source.x;
            v->height = y - v->source.y;
        }
        return true;
    }
    if (TileAreaRecord* t = element.As<TileAreaRecord>()) {
        if (corner)
            t->source = {x, y};
        else
            SizeFrom(t->size, t->source, x, y);
        return true;
    }
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
