#include "document/DocumentSnapshot.h"

#include "document/SkinDocument.h"

#include <QHash>
#include <unordered_set>

namespace {

bool SameRecord(const SkinElement& live, const SkinElement& kept) {
    const ButtonRecord* button = live.As<ButtonRecord>();
    if (!button || !button->pointerover)
        return live == kept;
    SkinElement cleared = live;
    cleared.As<ButtonRecord>()->pointerover = false;
    return cleared == kept;
}

std::shared_ptr<const SkinElement> KeptRecord(const SkinElement& live) {
    auto record = std::make_shared<SkinElement>(live);
    if (ButtonRecord* button = record->As<ButtonRecord>())
        button->pointerover = false;
    return record;
}

// Finds a record of the earlier list equal to the live one: first at the same index (an edit of one
// element), then among those of the same name (elements moved, inserted or removed).
class RecordMatcher {
public:
    explicit RecordMatcher(const DocumentSnapshot::Records* earlier) : m_earlier(earlier) {}

    std::shared_ptr<const SkinElement> Find(const SkinElement& live, size_t index) {
        if (!m_earlier)
            return nullptr;
        if (index < m_earlier->size() && SameRecord(live, *(*m_earlier)[index]))
            return (*m_earlier)[index];
        if (!m_byNameBuilt) {
            for (size_t i = 0; i < m_earlier->size(); ++i)
                m_byName.insert((*m_earlier)[i]->Name(), i);
            m_byNameBuilt = true;
        }
        const auto [from, to] = m_byName.equal_range(live.Name());
        for (auto it = from; it != to; ++it) {
            if (SameRecord(live, *(*m_earlier)[*it]))
                return (*m_earlier)[*it];
        }
        return nullptr;
    }

private:
    const DocumentSnapshot::Records* m_earlier;
    QMultiHash<QString, size_t> m_byName;
    bool m_byNameBuilt = false;
};

} // namespace

bool DocumentSnapshot::SameContent(const DocumentSnapshot& other) const {
    if (displayname != other.displayname || bitmap != other.bitmap || pngsource != other.pngsource ||
        pngPath != other.pngPath || !(settings == other.settings) || !(layout == other.layout))
        return false;
    if (elements == other.elements)
        return true;
    if (elements->size() != other.elements->size())
        return false;
    for (size_t i = 0; i < elements->size(); ++i) {
        const auto& a = (*elements)[i];
        const auto& b = (*other.elements)[i];
        if (a != b && !(*a == *b))
            return false;
    }
    return true;
}

DocumentSnapshot TakeSnapshot(const SkinDocument& document, const QString& pngPath,
                              const DocumentSnapshot* shareWith) {
    DocumentSnapshot snapshot;
    snapshot.displayname = document.displayname;
    snapshot.bitmap = document.bitmap;
    snapshot.pngsource = document.pngsource;
    snapshot.settings = document.settings;
    snapshot.layout = document.layout;
    snapshot.pngPath = pngPath;

    const DocumentSnapshot::Records* earlier = shareWith ? shareWith->elements.get() : nullptr;
    RecordMatcher matcher(earlier);
    DocumentSnapshot::Records records;
    records.reserve(document.elements.size());
    bool allShared = earlier && earlier->size() == document.elements.size();
    for (size_t i = 0; i < document.elements.size(); ++i) {
        std::shared_ptr<const SkinElement> record = matcher.Find(document.elements[i], i);
        if (!record)
            record = KeptRecord(document.elements[i]);
        allShared = allShared && record == (*earlier)[i];
        records.push_back(std::move(record));
    }
    if (allShared)
        snapshot.elements = shareWith->elements;
    else
        snapshot.elements = std::make_shared<const DocumentSnapshot::Records>(std::move(records));
    return snapshot;
}

void RestoreSnapshot(const DocumentSnapshot& snapshot, SkinDocument& document) {
    document.displayname = snapshot.displayname;
    document.bitmap = snapshot.bitmap;
    document.pngsource = snapshot.pngsource;
    document.settings = snapshot.settings;
    document.layout = snapshot.layout;
    document.elements.clear();
    document.elements.reserve(snapshot.elements->size());
    for (const auto& record : *snapshot.elements)
        document.elements.push_back(*record);
}

size_t DistinctRecordCount(const std::vector<const DocumentSnapshot*>& snapshots) {
    std::unordered_set<const SkinElement*> records;
    for (const DocumentSnapshot* snapshot : snapshots) {
        for (const auto& record : *snapshot->elements)
            records.insert(record.get());
    }
    return records.size();
}
