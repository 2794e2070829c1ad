#pragma once

#include <QString>

// The program's name as the window title and the help text show it.
inline const QString kProgramTitle = QStringLiteral("Pinlets Skin Designer v4.31");

// "* " while dirty, then the skin's file name, or "(untitled)" for a skin never saved, then the program.
QString WindowTitle(const QString& skinPath, bool dirty);
