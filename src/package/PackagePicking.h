#pragma once

#include <QString>
#include <QStringList>

// The entries of a package that make up a skin, by name; an empty name is not there.
struct PackagePick {
    QString skin; // the skin file
    QString png;
    QString bmp;

    // A skin needs its file and at least one picture.
    bool IsSkin() const { return !skin.isEmpty() && (!png.isEmpty() || !bmp.isEmpty()); }
};

// From the entry names in archive order: the first ".ini" that is not "stack.ini" (a stack skin alone is
// no skin), the first ".png" and the first ".bmp", endings in any case. A non-empty inner name is the
// skin file whatever was found.
PackagePick PickPackageEntries(const QStringList& names, const QString& innerName);
