#include "dialogs/FontFamilies.h"

#include "render/FontFamilyNames.h"

#include <QFontDatabase>

QStringList InstalledFontFamilies() {
    return FontListEntries(QFontDatabase::families());
}
