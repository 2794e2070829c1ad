#pragma once

#include "dialogs/IntegerChecks.h"
#include "document/SkinSettings.h"

#include <QDialog>

class ColourPick;
class IntegerBox;
class Prompter;
class QBoxLayout;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "Skin info and settings": the skin's name, author and notes, its tooltip, default note style and
// selected-border look, and its stack skin's file name. It works on a copy of the settings, which the
// caller takes back on OK.
class QAuthorDlg : public QDialog {
    Q_OBJECT
public:
    QAuthorDlg(Prompter& prompter, const SkinSettings& settings, QWidget* parent);

    // The settings as the dialog left them; complete after OK.
    const SkinSettings& Settings() const { return m_settings; }

    QPushButton* StyleButton() const { return m_styleButton; }
    QPushButton* ClearButton() const { return m_clear; }
    ColourPick* NoteColour() const { return m_noteColour; }
    ColourPick* FontColour() const { return m_fontColour; }
    IntegerBox* FontSize() const { return m_fontSize; }
    QPlainTextEdit* Notes() const { return m_notes; }

    void accept() override;

private:
    void BuildInfo(QBoxLayout* into);
    void BuildTooltip(QBoxLayout* into);
    void BuildStyle(QBoxLayout* into);
    void BuildStackFile(QBoxLayout* into);
    void BuildBorder(QBoxLayout* into);
    void BuildOther(QBoxLayout* into);
    void Show();
    void ShowStyle();
    void ChooseStyleFont();
    void SetStyle(const QString& style);

    Prompter& m_prompter;
    SkinSettings m_settings;
    QString m_shownNotes; // the notes as the box first showed them
    IntegerChecks m_integers;

    QLineEdit* m_skinName;
    QLineEdit* m_authorName;
    QLineEdit* m_email;
    QLineEdit* m_url;
    QPlainTextEdit* m_notes;
    QComboBox* m_tooltipFont;
    IntegerBox* m_fontSize;
    QComboBox* m_tooltipShows;
    QPushButton* m_styleButton;
    QPushButton* m_clear;
    ColourPick* m_noteColour;
    ColourPick* m_fontColour;
    QLineEdit* m_stackFile;
    QLineEdit* m_borderWidth;
    QLineEdit* m_dash1;
    QLineEdit* m_dash2;
    ColourPick* m_dashColour1;
    ColourPick* m_dashColour2;
    QCheckBox* m_rtf;
};
