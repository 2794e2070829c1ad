#pragma once

#include <QString>

// One rule of a group: field, operator and value, as the group dialog offers them.
struct GroupRule {
    QString field;
    QString op;
    QString value;
    bool operator==(const GroupRule&) const = default;
};
