#pragma once

#include <QString>
#include <vector>

// One line of the action picker: the name shown and the code it stands for.
struct ActionLine {
    QString name;
    int code = 0;
    bool operator==(const ActionLine&) const = default;
};

// The actions whose name contains the filter (both compared in lower case), every named action for an
// empty filter; sorted by name ignoring case. Codes without a name never appear.
std::vector<ActionLine> ActionPickerLines(const QString& filter);

// What a button dialog's "Action:" box shows: the action's name, "Unknown Action" outside the table.
QString ActionBoxText(int code);
