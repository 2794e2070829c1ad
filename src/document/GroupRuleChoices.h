#pragma once

#include "document/GroupRule.h"

#include <QString>
#include <QStringList>

// What the group dialog's operator and value boxes offer.
struct RuleChoices {
    QStringList operators;
    bool operatorEnabled = true;
    QStringList values; // empty: the value box is left empty for typing
    bool operator==(const RuleChoices&) const = default;
};

// The fields offered for new rules, sorted ignoring case. A stack skin offers the ten a stack can
// test, among them "Stack count"; a note skin offers every field but "Stack count".
QStringList GroupDialogFields(bool stackSkin);

// Before any field is chosen: the operators of both numbers and texts that the dialog starts with.
RuleChoices InitialRuleChoices();

// Once a field is chosen: flags take only "is" (fixed) with "true" or "false"; numbers and texts take
// their operators and a typed value.
RuleChoices RuleChoicesFor(const QString& field);

// A rule as the dialog lists it: field, operator and value joined by single spaces.
QString RuleLine(const GroupRule& rule);
