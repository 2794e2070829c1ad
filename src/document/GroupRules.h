#pragma once

#include "document/GroupRule.h"

#include <QString>
#include <QStringList>

class GroupIndex;
struct NoteState;
struct SkinDocument;

enum class RuleFieldType { Flag, Number, Text };

// The fields a rule can test, in the order the group dialog offers them.
QStringList RuleFieldNames();
// The type of a field (found without regard to case); false when the field is unknown.
bool RuleFieldTypeOf(const QString& field, RuleFieldType* type);
QStringList NumberOperators(); // "is", "is not", "is less than", "is greater than"
QStringList TextOperators();   // "is", "is not", "contains", "does not contain"

bool EvaluateRule(const GroupRule& rule, const NoteState& state);

// Whether members of the named group are drawn in the state: an empty name passes; otherwise the last
// Group element of that exact name decides, and a name of no group fails.
bool GroupTest(const SkinDocument& document, const QString& group, const NoteState& state);
// The same test with the deciding groups looked up in an index of the document, for drawings that test
// many elements.
bool GroupTest(const SkinDocument& document, const GroupIndex& groups, const QString& group,
               const NoteState& state);
