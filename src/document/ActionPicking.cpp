#include "document/ActionPicking.h"

#include "document/ActionCodes.h"

#include <algorithm>

std::vector<ActionLine> ActionPickerLines(const QString& filter) {
    const QString wanted = filter.toLower();
    std::vector<ActionLine> lines;
    for (int code = 0; code < kActionCodeCount; ++code) {
        const QString name = ActionDisplayName(code);
        if (!name.isEmpty() && (wanted.isEmpty() || name.toLower().contains(wanted)))
            lines.push_back({name, code});
    }
    std::stable_sort(lines.begin(), lines.end(), [](const ActionLine& a, const ActionLine& b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    return lines;
}

QString ActionBoxText(int code) {
    if (code < 0 || code >= kActionCodeCount)
        return QStringLiteral("Unknown Action");
    return ActionDisplayName(code);
}
