#include "package/PackagePicking.h"

PackagePick PickPackageEntries(const QStringList& names, const QString& innerName) {
    PackagePick pick;
    for (const QString& name : names) {
        if (pick.skin.isEmpty() && name.endsWith(u".ini", Qt::CaseInsensitive) &&
            name.compare(u"stack.ini", Qt::CaseInsensitive) != 0)
            pick.skin = name;
        if (pick.bmp.isEmpty() && name.endsWith(u".bmp", Qt::CaseInsensitive))
            pick.bmp = name;
        if (pick.png.isEmpty() && name.endsWith(u".png", Qt::CaseInsensitive))
            pick.png = name;
    }
    if (!innerName.isEmpty())
        pick.skin = innerName;
    return pick;
}
