#pragma once

#include <QString>
#include <QStringView>

// Note actions a button can trigger: codes 0 (none) to 189, each with its skin-file keyword and the
// name the action picker shows. Codes 7, 8, 17 and 169 have neither; 29 has a keyword but no name.
constexpr int kActionCodeCount = 190;

// Keyword to code, without regard to case; 0 for a keyword that is not in the table.
int ActionCodeOfKeyword(QStringView keyword);
// Code to keyword; empty for 0, for codes without keyword and for codes outside the table.
QString ActionKeyword(int code);
// The display name; empty outside the table.
QString ActionDisplayName(int code);
