#pragma once

#include "picture/Colour.h"

#include <QFont>
#include <QString>
#include <optional>

class QWidget;

// Every question, message and chooser the main window puts to the user goes through this, so that tests
// can answer in place of a person.
class Prompter {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Prompter() = default;

    // A message with an OK button.
    virtual void Inform(QWidget* parent, const QString& text) = 0;
    virtual Answer AskYesNoCancel(QWidget* parent, const QString& text) = 0;
    // True for OK.
    virtual bool AskOkCancel(QWidget* parent, const QString& text) = 0;
    // True for Yes. Enter gives the preset answer: No where Yes would throw work away.
    virtual bool AskYesNo(QWidget* parent, const QString& text, bool yesIsPreset) = 0;

    // Filters are in the "name|pattern|...||" form; an empty result means the chooser was cancelled.
    virtual QString ChooseFileToOpen(QWidget* parent, const QString& filter, const QString& initial) = 0;
    virtual QString ChooseFileToSave(QWidget* parent, const QString& filter, const QString& initial) = 0;
    // An existing folder, starting at initial; empty when the chooser was cancelled.
    virtual QString ChooseFolder(QWidget* parent, const QString& initial) = 0;
    virtual std::optional<Colour> ChooseColour(QWidget* parent, Colour initial) = 0;
    // The system's font chooser over the screen fonts, started from the initial font.
    virtual std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial) = 0;
};
