#include "document/ElementKind.h"

QString DefaultElementName(ElementKind kind) {
    switch (kind) {
    case ElementKind::Button: return QStringLiteral("Button");
    case ElementKind::HStrip: return QStringLiteral("H Strip");
    case ElementKind::VStrip: return QStringLiteral("V Strip");
    case ElementKind::Text: return QStringLiteral("Text");
    case ElementKind::Indicator: return QStringLiteral("Indicator");
    case ElementKind::TileArea: return QStringLiteral("Tile Area");
    case ElementKind::Group: return QStringLiteral("Group");
    case ElementKind::Layout: return QStringLiteral("Layout");
    case ElementKind::Blank: break;
    }
    return {};
}
