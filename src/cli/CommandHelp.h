#pragma once

#include <QString>
#include <QStringList>

// A command's own help: printed, and true, when "--help" or "-h" is among its arguments, so that it
// answers before any other argument is judged.
bool PrintCommandHelp(const QStringList& args, const QString& help);
