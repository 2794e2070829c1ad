#include "widgets/DialogPrompter.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QStringList>

namespace {

const QString kCaption = QStringLiteral("Pinlets Skin Designer");

// The choosers of the main window start with one light yellow custom colour and fifteen white ones.
void SetCustomColours() {
    QColorDialog::setCustomColor(0, QColor(255, 255, 180));
    for (int i = 1; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, QColor(255, 255, 255));
}

} // namespace

QString QtFileFilter(const QString& pipeFilter) {
    const QStringList parts = pipeFilter.split(QLatin1Char('|'), Qt::SkipEmptyParts);
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i];
        const int open = name.indexOf(QStringLiteral(" ("));
        if (open >= 0)
            name.truncate(open);
        // "*.*" would ask for a dot in the name; every file is meant.
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        if (patterns == QStringLiteral("*.*"))
            patterns = QStringLiteral("*");
        filters << name + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

void DialogPrompter::Inform(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, kCaption, text, QMessageBox::Ok);
}

Prompter::Answer DialogPrompter::AskYesNoCancel(QWidget* parent, const QString& text) {
    switch (QMessageBox::question(
        parent, kCaption, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

bool DialogPrompter::AskYesNo(QWidget* parent, const QString& text, bool yesIsPreset) {
    return QMessageBox::question(parent, kCaption, text, QMessageBox::Yes | QMessageBox::No,
                                 yesIsPreset ? QMessageBox::Yes : QMessageBox::No) == QMessageBox::Yes;
}

bool DialogPrompter::AskOkCancel(QWidget* parent, const QString& text) {
    return QMessageBox::question(parent, kCaption, text, QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Ok) == QMessageBox::Ok;
}

QString DialogPrompter::ChooseFileToOpen(QWidget* parent, const QString& filter, const QString& initial) {
    return QFileDialog::getOpenFileName(parent, QString(), initial, QtFileFilter(filter));
}

QString DialogPrompter::ChooseFileToSave(QWidget* parent, const QString& filter, const QString& initial) {
    QFileDialog dialog(parent, QString(), initial, QtFileFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without extension gets the filter's own, so that the chooser's question about
    // replacing a file is asked about the file that will really be written.
    const QStringList parts = filter.split(QLatin1Char('|'));
    if (parts.size() > 1 && parts[1].startsWith(QStringLiteral("*.")))
        dialog.setDefaultSuffix(parts[1].mid(2));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString DialogPrompter::ChooseFolder(QWidget* parent, const QString& initial) {
    // Folders only, and read-only: the chooser offers no button for making a new folder.
    return QFileDialog::getExistingDirectory(parent, QString(), initial,
                                             QFileDialog::ShowDirsOnly | QFileDialog::ReadOnly);
}

std::optional<Colour> DialogPrompter::ChooseColour(QWidget* parent, Colour initial) {
    SetCustomColours();
    const QColor start =
        initial == kNoColour ? QColor(0, 0, 0) : QColor(RedOf(initial), GreenOf(initial), BlueOf(initial));
    const QColor chosen = QColorDialog::getColor(start, parent);
    if (!chosen.isValid())
        return std::nullopt;
    return MakeColour(chosen.red(), chosen.green(), chosen.blue());
}

std::optional<QFont> DialogPrompter::ChooseFont(QWidget* parent, const QFont& initial) {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, parent);
    if (!ok)
        return std::nullopt;
    return chosen;
}
