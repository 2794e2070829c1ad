#include "document/GroupRuleChoices.h"

#include "document/GroupRules.h"

#include <algorithm>

namespace {

void SortIgnoringCase(QStringList& list) {
    std::stable_sort(list.begin(), list.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
}

} // namespace

QStringList GroupDialogFields(bool stackSkin) {
    QStringList fields;
    if (stackSkin) {
        fields = {QStringLiteral("Stack count"),
                  QStringLiteral("Has focus"),
                  QStringLiteral("On top"),
                  QStringLiteral("Alarm set"),
                  QStringLiteral("BG colour is light"),
                  QStringLiteral("In stack"),
                  QStringLiteral("Width"),
                  QStringLiteral("Height"),
                  QStringLiteral("DPI"),
                  QStringLiteral("Stack name")};
    } else {
        fields = RuleFieldNames();
        fields.removeAll(QStringLiteral("Stack count"));
    }
    SortIgnoringCase(fields);
    return fields;
}

RuleChoices InitialRuleChoices() {
    return {{QStringLiteral("is"), QStringLiteral("is not"), QStringLiteral("is less than"),
             QStringLiteral("is greater than"), QStringLiteral("contains")},
            true,
            {}};
}

RuleChoices RuleChoicesFor(const QString& field) {
    RuleFieldType type = RuleFieldType::Text;
    RuleFieldTypeOf(field, &type);
    switch (type) {
    case RuleFieldType::Flag:
        return {{QStringLiteral("is")}, false, {QStringLiteral("true"), QStringLiteral("false")}};
    case RuleFieldType::Number:
        return {NumberOperators(), true, {}};
    case RuleFieldType::Text:
        break;
    }
    return {TextOperators(), true, {}};
}

QString RuleLine(const GroupRule& rule) {
    return rule.field + QLatin1Char(' ') + rule.op + QLatin1Char(' ') + rule.value;
}
