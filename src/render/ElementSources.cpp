#include "render/ElementSources.h"

#include "document/IndicatorCodes.h"
#include "document/SkinElement.h"
#include "picture/ClampToInt.h"

CanvasRect ElementSource::Rect() const {
    return {point.x, point.y, ClampToInt(static_cast<long long>(point.x) + width),
            ClampToInt(static_cast<long long>(point.y) + height)};
}

std::vector<ElementSource> ElementSources(const SkinElement& element) {
    if (const ButtonRecord* b = element.As<ButtonRecord>()) {
        const int w = b->size.w, h = b->size.h;
        return {{"source", b->source, w, h, true},
                {"sourcealpha", b->sourcealpha, w, h, false},
                {"sourcerollover", b->sourcerollover, w, h, true},
                {"sourcerolloveralpha", b->sourcerolloveralpha, w, h, false}};
    }
    if (const IndicatorRecord* i = element.As<IndicatorRecord>()) {
        const int w = i->size.w, h = i->size.h;
        // An indicator of no state always shows its off picture.
        const bool showsOn = i->type >= kFirstIndicatorCode && i->type <= kLastIndicatorCode;
        return {{"source", i->source, w, h, showsOn},
                {"sourcealpha", i->sourcealpha, w, h, false},
                {"sourceoff", i->sourceoff, w, h, true},
                {"sourceoffalpha", i->sourceoffalpha, w, h, false}};
    }
    if (const HStripRecord* s = element.As<HStripRecord>()) {
        const bool bitmap = s->striptype == 0;
        return {{"source", s->source, s->width, s->extent.height, bitmap},
                {"sourcealpha", s->sourcealpha, s->width, s->extent.height, false}};
    }
    if (const VStripRecord* s = element.As<VStripRecord>()) {
        const bool bitmap = s->striptype == 0;
        return {{"source", s->source, s->extent.width, s->height, bitmap},
                {"sourcealpha", s->sourcealpha, s->extent.width, s->height, false}};
    }
    if (const TileAreaRecord* a = element.As<TileAreaRecord>()) {
        const bool bitmap = a->tiletype == 1;
        return {{"source", a->source, a->size.w, a->size.h, bitmap},
                {"sourcealpha", a->sourcealpha, a->size.w, a->size.h, false}};
    }
    return {};
}
