#include "designer/ElementTreeLayout.h"

#include "designer/Pictures.h"
#include "document/SkinDocument.h"

int TreePictureOf(const SkinElement& element) {
    switch (element.Kind()) {
    case ElementKind::Button:
        return element.As<ButtonRecord>()->action != 0 ? Picture::ActionButton : Picture::PlainBitmap;
    case ElementKind::HStrip:
        return Picture::HStrip;
    case ElementKind::VStrip:
        return Picture::VStrip;
    case ElementKind::Text:
        return Picture::Text;
    case ElementKind::Indicator:
        return Picture::Indicator;
    case ElementKind::TileArea:
        return Picture::TileArea;
    case ElementKind::Group:
        return Picture::Group;
    case ElementKind::Layout:
        return Picture::Layout;
    case ElementKind::Blank:
        break;
    }
    return -1;
}
