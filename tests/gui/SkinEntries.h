#pragma once

#include "document/SkinElement.h"

// An element of the kind, named and grouped, drawn on an unrolled note when it draws at all.
inline SkinElement Entry(ElementKind kind, const QString& name, const QString& group = {}) {
    SkinElement entry = SkinElement::Make(kind);
    entry.SetName(name);
    entry.group = group;
    if (DrawableCommon* common = entry.Common())
        common->drawunrolled = true;
    return entry;
}
