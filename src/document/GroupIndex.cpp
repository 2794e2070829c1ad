#include "document/GroupIndex.h"

#include "document/SkinDocument.h"

GroupIndex::GroupIndex(const SkinDocument& document) {
    for (int i = 0; i < static_cast<int>(document.elements.size()); ++i) {
        if (const GroupRecord* g = document.elements[static_cast<size_t>(i)].As<GroupRecord>())
            m_last.insert(g->name, i); // a later group of the same name replaces an earlier one
    }
}
