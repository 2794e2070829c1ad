#include "designer/ElementTreeLayout.h"

#include "designer/Pictures.h"
#include "document/SkinDocument.h"

std::vector<TreePlace> PlaceElementsInTree(const SkinDocument& document) {
    std::vector<TreePlace> places;
    std::vector<int> groups; // Group entries inserted in the first pass
    const int count = static_cast<int>(document.elements.size());
    for (int i = 0; i < count; ++i) {
        const SkinElement& entry = document.elements[i];
        if (!entry.group.isEmpty())
            continue;
        places.push_back({i, -1});
        if (entry.Kind() == ElementKind::Group)
            groups.push_back(i);
    }
    for (int i = 0; i < count; ++i) {
        const SkinElement& entry = document.elements[i];
        if (entry.group.isEmpty())
            continue;
        int parent = -1;
        for (int group : groups) {
            if (document.elements[group].Name().compare(entry.group, Qt::CaseInsensitive) == 0)
                parent = group;
        }
        places.push_back({i, parent});
    }
    return places;
}

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
