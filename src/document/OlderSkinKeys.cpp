#include "document/OlderSkinKeys.h"

void OlderSkinKeys::Index(const std::vector<SkinElement>& list) {
    for (; m_indexed < list.size(); ++m_indexed) {
        const DrawableCommon* c = list[m_indexed].Common();
        if (!c)
            continue;
        auto it = m_byName.find(c->name);
        if (it == m_byName.end()) {
            it = m_byName.insert(c->name, Named());
            if (c->name.contains(u','))
                m_commaNames.append(c->name);
        }
        it->indices.push_back(static_cast<int>(m_indexed));
    }
}

void OlderSkinKeys::SwitchOn(std::vector<SkinElement>& list, Named& named, Flag flag) {
    // Nothing switches these flags off again once the entry is in the list, so entries already
    // done are skipped for good.
    for (size_t i = named.done[flag]; i < named.indices.size(); ++i) {
        DrawableCommon* c = list[static_cast<size_t>(named.indices[i])].Common();
        if (flag == Rolled)
            c->drawrolled = true;
        else if (flag == Normal)
            c->drawunrolled = true;
        else
            c->drawfocus = true;
    }
    named.done[flag] = named.indices.size();
}

void OlderSkinKeys::Apply(std::vector<SkinElement>& list, Flag flag, QStringView value) {
    Index(list);
    if (m_byName.isEmpty())
        return;
    const QString lowered = value.toString().toLower();
    // A name without a comma matches exactly when it equals one item of the list.
    for (QStringView item : QStringView(lowered).split(u',')) {
        const auto it = m_byName.find(item.toString());
        if (it != m_byName.end())
            SwitchOn(list, *it, flag);
    }
    if (m_commaNames.isEmpty())
        return;
    const QString framed = u',' + lowered + u',';
    for (const QString& name : m_commaNames) {
        Named& named = m_byName[name];
        if (named.done[flag] < named.indices.size() && framed.contains(u',' + name + u','))
            SwitchOn(list, named, flag);
    }
}
