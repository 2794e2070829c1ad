#include "document/PlacementText.h"

#include "document/LeadingNumber.h"
#include "document/SkinValueText.h"

namespace {

bool StartsWithLetters(QStringView text, char16_t a, char16_t b) {
    if (text.size() < 2)
        return false;
    const char16_t first = text[0].unicode() | 0x20;
    const char16_t second = text[1].unicode() | 0x20;
    return first == a && second == b;
}

} // namespace

Placement ParsePlacement(QStringView text) {
    Placement p;
    const qsizetype amp = text.indexOf(u'&');
    if (amp >= 0) {
        p.offset = LeadingNumber(text.sliced(amp + 1));
        text = text.first(amp);
    }
    if (!text.isEmpty() && text.back() == u'%') {
        p.mode = PlacementMode::Percent;
        text.chop(1);
    } else if (!text.isEmpty() && (text[0] == u'm' || text[0] == u'M')) {
        p.mode = PlacementMode::Middle;
        text = text.sliced(1);
    } else if (StartsWithLetters(text, u't', u'l')) {
        p.mode = PlacementMode::TLScrollbar;
        text = text.sliced(2);
    } else if (StartsWithLetters(text, u'b', u'r')) {
        p.mode = PlacementMode::BRScrollbar;
        text = text.sliced(2);
    } else if (StartsWithLetters(text, u's', u'c')) {
        p.mode = PlacementMode::CenterScrollbar;
        text = text.sliced(2);
    }
    p.value = LeadingNumber(text);
    return p;
}

Placement KeptPlacement(Placement placement, bool scrollbarModes, bool offset) {
    if (!scrollbarModes)
        placement = WithoutScrollbarMode(placement);
    if (!offset)
        placement.offset = 0;
    return placement;
}

void AppendPlacementText(QString& out, const Placement& placement, bool scrollbarModes, bool offset) {
    const PlacementMode mode = scrollbarModes ? placement.mode : WithoutScrollbarMode(placement).mode;
    switch (mode) {
    case PlacementMode::Middle:
        out += u'm';
        break;
    case PlacementMode::TLScrollbar:
        out += u"tl";
        break;
    case PlacementMode::BRScrollbar:
        out += u"br";
        break;
    case PlacementMode::CenterScrollbar:
        out += u"sc";
        break;
    case PlacementMode::Sides:
    case PlacementMode::Percent:
        break;
    }
    AppendDecimal(out, placement.value);
    if (mode == PlacementMode::Percent)
        out += u'%';
    if (offset && placement.offset != 0) {
        out += u'&';
        AppendDecimal(out, placement.offset);
    }
}

QString PlacementText(const Placement& placement, bool scrollbarModes, bool offset) {
    QString out;
    AppendPlacementText(out, placement, scrollbarModes, offset);
    return out;
}
