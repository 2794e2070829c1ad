#include "document/FocusUse.h"

#include "document/SkinDocument.h"

bool SkinUsesFocus(const SkinDocument& document) {
    for (const SkinElement& entry : document.elements) {
        if (const DrawableCommon* common = entry.Common(); common && common->drawfocus)
            return true;
        if (const GroupRecord* group = entry.As<GroupRecord>()) {
            for (const GroupRule& rule : group->rules) {
                if (rule.field.compare(QStringLiteral("Has focus"), Qt::CaseInsensitive) == 0)
                    return true;
            }
        }
    }
    return false;
}
