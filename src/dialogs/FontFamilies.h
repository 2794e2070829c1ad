#pragma once

#include <QStringList>

// The installed font families, each once and without a foundry, sorted ignoring case, for the dialogs'
// font lists.
QStringList InstalledFontFamilies();
