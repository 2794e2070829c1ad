#include "dialogs/FontFamilies.h"

#include <QFontDatabase>
#include <algorithm>

QStringList InstalledFontFamilies() {
    QStringList families = QFontDatabase::families();
    families.removeDuplicates();
    std::stable_sort(families.begin(), families.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return families;
}
