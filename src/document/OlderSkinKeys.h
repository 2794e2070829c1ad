#pragma once

#include "document/SkinElement.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

// The rolled, normal and focus keys of older skins: each names, in a comma-separated list, elements
// already in the list whose drawrolled, drawunrolled or drawfocus flag it switches on. The list is
// lowered but names are not, so a name with capitals never matches.
//
// Names are indexed, from the first such key on, as entries are appended, so a file full of such keys
// and elements still reads in time proportional to its length instead of the product of the two.
class OlderSkinKeys {
public:
    enum Flag { Rolled, Normal, Focus };

    // The list only grows between calls, and its entries keep their names.
    void Apply(std::vector<SkinElement>& list, Flag flag, QStringView value);

private:
    struct Named {
        std::vector<int> indices;
        size_t done[3] = {0, 0, 0}; // per flag, how many of indices already have it set
    };
    void Index(const std::vector<SkinElement>& list);
    void SwitchOn(std::vector<SkinElement>& list, Named& named, Flag flag);

    QHash<QString, Named> m_byName;
    QStringList m_commaNames; // names holding a comma can span several items of a list
    size_t m_indexed = 0;     // entries of the list indexed so far
};
