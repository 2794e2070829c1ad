#include "render/FontFamilyNames.h"

#include <QSet>
#include <algorithm>

QString FamilyWithoutFoundry(const QString& family) {
    if (!family.endsWith(u']'))
        return family;
    const qsizetype open = family.lastIndexOf(QStringLiteral(" ["));
    return open > 0 ? family.left(open) : family;
}

QStringList FontListEntries(const QStringList& families) {
    QStringList entries;
    QSet<QString> seen;
    for (const QString& family : families) {
        const QString name = FamilyWithoutFoundry(family);
        if (!seen.contains(name)) {
            seen.insert(name);
            entries << name;
        }
    }
    std::stable_sort(entries.begin(), entries.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return entries;
}
