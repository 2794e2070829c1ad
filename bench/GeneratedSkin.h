#pragma once

// The generated skins the benchmarks share.

#include "document/SkinDocument.h"

// A generated skin of `count` 16 by 16 buttons over a 300 by 100 note; every other button belongs to one
// of 50 groups, each with two rules. The groups come first, as authors tend to write them, so a group
// found by scanning the list from its end is found last.
inline SkinDocument ManyButtons(int count) {
    SkinDocument document;
    document.image.Create(64, 16, 24, kImagePng);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 64; ++x) {
            document.image.SetPixelColour(x, y, MakeColour(x * 4, y * 16, 128));
            document.image.SetAlpha(x, y, (x + y) % 3 == 0 ? 128 : 255);
        }
    constexpr int kGroups = 50;
    for (int g = 0; g < kGroups; ++g) {
        SkinElement e = SkinElement::Make(ElementKind::Group);
        GroupRecord* r = e.As<GroupRecord>();
        r->name = QStringLiteral("group%1").arg(g);
        r->rules = {{QStringLiteral("Width"), QStringLiteral("is greater than"), QString::number(g * 4)},
                    {QStringLiteral("Rolled"), QStringLiteral("is"), QStringLiteral("false")}};
        document.Append(std::move(e));
    }
    for (int i = 0; i < count; ++i) {
        SkinElement e = SkinElement::Make(ElementKind::Button);
        ButtonRecord* b = e.As<ButtonRecord>();
        b->drawunrolled = true;
        b->place = {Placement{(i * 37) % 284}, Placement{(i * 13) % 84}};
        b->size = {16, 16};
        b->source = {(i % 4) * 16, 0};
        if (i % 2 == 1)
            e.group = QStringLiteral("group%1").arg(i % kGroups);
        document.Append(std::move(e));
    }
    return document;
}

// A square sprite sheet with alpha: 64 by 64 pieces of noise on a grid of 80, clear between them; or,
// opaque, one piece covering it all.
inline void GiveSpriteSheet(SkinDocument& document, int side, bool opaque) {
    document.image.Create(side, side, 24, kImagePng);
    unsigned noise = 12345;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            noise = noise * 1103515245u + 12345u;
            document.image.SetPixelColour(x, y, static_cast<Colour>((noise >> 8) & 0xFFFFFF));
            document.image.SetAlpha(x, y, opaque || (x % 80 < 64 && y % 80 < 64) ? 255 : 0);
        }
    document.pngsource = true;
}
