#include "document/ElementTree.h"

#include "document/SkinDocument.h"

#include <QHash>

std::vector<TreePlace> PlaceElementsInTree(const SkinDocument& document) {
    std::vector<TreePlace> places;
    const int count = static_cast<int>(document.elements.size());
    places.reserve(static_cast<size_t>(count));
    // Group items of the first pass by folded name; a later group of the same name takes the members.
    QHash<QString, int> groups;
    for (int i = 0; i < count; ++i) {
        const SkinElement& entry = document.elements[static_cast<size_t>(i)];
        if (!entry.group.isEmpty())
            continue;
        places.push_back({i, -1});
        if (entry.Kind() == ElementKind::Group)
            groups.insert(entry.Name().toCaseFolded(), i);
    }
    for (int i = 0; i < count; ++i) {
        const SkinElement& entry = document.elements[static_cast<size_t>(i)];
        if (entry.group.isEmpty())
            continue;
        places.push_back({i, groups.value(entry.group.toCaseFolded(), -1)});
    }
    return places;
}

const std::vector<int>& ElementTreeShape::SiblingsOf(int entry) const {
    const int p = parent[static_cast<size_t>(entry)];
    return p < 0 ? top : children[static_cast<size_t>(p)];
}

std::vector<int>& ElementTreeShape::SiblingsOf(int entry) {
    const int p = parent[static_cast<size_t>(entry)];
    return p < 0 ? top : children[static_cast<size_t>(p)];
}

ElementTreeShape TreeShapeOf(const std::vector<TreePlace>& places, int entryCount) {
    ElementTreeShape shape;
    shape.children.resize(static_cast<size_t>(entryCount));
    shape.parent.assign(static_cast<size_t>(entryCount), -1);
    for (const TreePlace& place : places) {
        shape.parent[static_cast<size_t>(place.entry)] = place.parent;
        if (place.parent < 0)
            shape.top.push_back(place.entry);
        else
            shape.children[static_cast<size_t>(place.parent)].push_back(place.entry);
    }
    return shape;
}

ElementTreeShape TreeShapeOf(const SkinDocument& document) {
    return TreeShapeOf(PlaceElementsInTree(document), static_cast<int>(document.elements.size()));
}

std::vector<int> DepthFirstOrder(const ElementTreeShape& shape) {
    std::vector<int> order;
    order.reserve(shape.parent.size());
    // Groups do not nest, but an item under a group could itself be a group entry; walk every level.
    std::vector<int> pending(shape.top.rbegin(), shape.top.rend());
    while (!pending.empty()) {
        const int entry = pending.back();
        pending.pop_back();
        order.push_back(entry);
        const std::vector<int>& under = shape.children[static_cast<size_t>(entry)];
        pending.insert(pending.end(), under.rbegin(), under.rend());
    }
    return order;
}
