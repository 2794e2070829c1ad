#pragma once

#include "widgets/Prompter.h"

// Questions never come up in the benchmarks; a prompter that cancels everything keeps windows from
// blocking.
class SilentPrompter : public Prompter {
public:
    void Inform(QWidget*, const QString&) override {}
    Answer AskYesNoCancel(QWidget*, const QString&) override { return Answer::No; }
    bool AskOkCancel(QWidget*, const QString&) override { return false; }
    QString ChooseFileToOpen(QWidget*, const QString&, const QString&) override { return {}; }
    QString ChooseFileToSave(QWidget*, const QString&, const QString&) override { return {}; }
    std::optional<Colour> ChooseColour(QWidget*, Colour) override { return std::nullopt; }
    std::optional<QFont> ChooseFont(QWidget*, const QFont&) override { return std::nullopt; }
};
