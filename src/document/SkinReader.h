#pragma once

#include <QString>

struct SkinDocument;

// Parses skin text into the document: the element list is emptied and the settings and default layout
// reset before the text fills them. The display name and the picture are kept.
void ReadSkinText(SkinDocument& document, const QString& text);
