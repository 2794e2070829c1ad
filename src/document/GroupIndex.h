#pragma once

#include <QHash>
#include <QString>

struct SkinDocument;

// Which Group element decides each group name: the last one so named (case counts). Built once for a
// drawing, so that testing every element's group does not scan the element list each time. It holds
// list positions: rebuild it after the list changes.
class GroupIndex {
public:
    explicit GroupIndex(const SkinDocument& document);

    // The list index of the deciding Group element, or -1 when no group has the name.
    int Find(const QString& name) const { return m_last.value(name, -1); }

private:
    QHash<QString, int> m_last;
};
