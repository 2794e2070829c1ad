#pragma once

#include "document/ElementRecords.h"
#include "picture/Canvas.h"

#include <vector>

struct SkinElement;

// One source field of an element with the size of the piece the element cuts from it.
struct ElementSource {
    const char* key; // the field's skin-file key: "source", "sourcerollover", "sourceoffalpha" ...
    SourcePoint point;
    int width = 0;
    int height = 0;
    // The element's kind and type paint from this field: the main and second sources, not the alpha
    // ones, and a strip's or tile area's source only when it repeats a picture.
    bool drawn = false;

    bool IsSet() const { return point.x != -1; }
    bool IsEmpty() const { return width <= 0 || height <= 0; }
    // The field's rectangle in picture pixels, held to the 32-bit range.
    CanvasRect Rect() const;
};

// Every source field of a drawable element, set or not, each picture source before its alpha source;
// nothing for texts, groups and layouts.
std::vector<ElementSource> ElementSources(const SkinElement& element);
