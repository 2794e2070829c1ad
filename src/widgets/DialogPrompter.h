#pragma once

#include "widgets/Prompter.h"

// The real dialogs.
class DialogPrompter : public Prompter {
public:
    void Inform(QWidget* parent, const QString& text) override;
    Answer AskYesNoCancel(QWidget* parent, const QString& text) override;
    bool AskOkCancel(QWidget* parent, const QString& text) override;
    bool AskYesNo(QWidget* parent, const QString& text, bool yesIsPreset) override;
    QString ChooseFileToOpen(QWidget* parent, const QString& filter, const QString& initial) override;
    QString ChooseFileToSave(QWidget* parent, const QString& filter, const QString& initial) override;
    QString ChooseFolder(QWidget* parent, const QString& initial) override;
    std::optional<Colour> ChooseColour(QWidget* parent, Colour initial) override;
    std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial) override;
};

// "ini files (*.ini)|*.ini|All files (*.*)|*.*||" in the form Qt's file chooser takes.
QString QtFileFilter(const QString& pipeFilter);
