#pragma once

#include <QString>
#include <QStringList>

// Font family names as a skin file stores them. The font database names a family "Family [foundry]"
// when two foundries provide it; the note program knows only "Family".

// The family without a trailing " [foundry]".
QString FamilyWithoutFoundry(const QString& family);

// The entries of a font list made from the database's families: each without its foundry, each once,
// sorted ignoring case (families that differ only in case keep the database's order).
QStringList FontListEntries(const QStringList& families);
