#pragma once

#include <QString>

struct SkinDocument;

// Parses skin text into the document: the element list, the settings, the default layout and the bitmap
// name are replaced by what the text says. The display name and the picture are kept.
void ReadSkinText(SkinDocument& document, const QString& text);
