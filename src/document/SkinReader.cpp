#include "document/SkinReader.h"

#include "document/SkinDocument.h"

void ReadSkinText(SkinDocument& document, const QString& text) {
    document.ClearElements();
    document.ResetSettings();
    (void)text; // the parser lands in the next commit
}
