#pragma once

#include <QString>
#include <QStringList>

// The application: starts the designer window with the skin named on the command line and ends when the
// window closes.
class CDrapierApp {
public:
    int Run(int argc, char** argv);
};

// The whole command line after the program's name is one skin path, spaces included.
QString CommandLineSkinPath(const QStringList& arguments);
