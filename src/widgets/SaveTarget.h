#pragma once

#include <QString>

class Prompter;
class QWidget;

// The question asked before a file is replaced that the chooser did not ask about.
QString ReplaceQuestion(const QString& path);

// The save chooser, then the extension (".ini", ".qsk", ".png") appended when the chosen name lacks it.
// The chooser asks before replacing the file it returns; when the extension makes that another file
// that exists, the question is asked here for the file that will be written: Yes takes it, No opens the
// chooser again at the name chosen. Empty when the chooser was cancelled.
QString ChooseSaveTarget(Prompter& prompter, QWidget* parent, const QString& filter, const QString& initial,
                         const QString& extension);
