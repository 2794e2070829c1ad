#pragma once

#include <vector>

struct SkinDocument;

// Where one element entry stands in the tree: under the "Elements" root (parent -1) or under the Group
// entry at index parent. Entries are listed in the order they are inserted.
struct TreePlace {
    int entry;
    int parent;
    bool operator==(const TreePlace&) const = default;
};

// First every entry without a group name under "Elements" in document order, then every entry with one
// under the last group so named (ignoring case), or under "Elements" when no group bears the name.
std::vector<TreePlace> PlaceElementsInTree(const SkinDocument& document);

// The tree as parents and children: what the element tree shows, and what copy, delete, rename and move
// act on.
struct ElementTreeShape {
    std::vector<int> top;                   // the children of "Elements", in tree order
    std::vector<std::vector<int>> children; // per entry: the entries under its item (groups only)
    std::vector<int> parent;                // per entry: the group entry it stands under, -1 for "Elements"

    // The entry's siblings, itself included, in tree order.
    const std::vector<int>& SiblingsOf(int entry) const;
    std::vector<int>& SiblingsOf(int entry);
};

ElementTreeShape TreeShapeOf(const SkinDocument& document);
ElementTreeShape TreeShapeOf(const std::vector<TreePlace>& places, int entryCount);

// The entries in the order of a depth-first walk of the tree: each item, then the items under it.
std::vector<int> DepthFirstOrder(const ElementTreeShape& shape);
