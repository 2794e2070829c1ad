#pragma once

#include <QStringList>

// The installed font families, each once, sorted ignoring case, for the dialogs' font lists.
QStringList InstalledFontFamilies();
