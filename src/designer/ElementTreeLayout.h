#pragma once

#include <vector>

struct SkinDocument;
struct SkinElement;

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

// The picture (Picture:: index) the tree shows for an entry; -1 for an entry of no known kind.
int TreePictureOf(const SkinElement& element);
