#pragma once

#include "document/ElementRecords.h"

#include <QString>
#include <QStringList>

class IntegerBox;
class QBoxLayout;
class QComboBox;
class QDialog;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Small builders the editing dialogs share. Controls are made as children of their parent at once, so
// the order they are made in is their Tab order; every input control gets the text of its label as
// its accessible name.

// A number box whose arrows keep to minimum..maximum; the box itself takes any integer.
IntegerBox* NewNumberBox(QWidget* parent, int minimum, int maximum, const QString& name);

// A label and a number box placed in a grid row at column and column + 1; the grid must already be in
// place, as the controls are made in its widget.
IntegerBox* AddNumberRow(QGridLayout* grid, int row, int column, const QString& label, int minimum,
                         int maximum);

// A label and a text box.
QLineEdit* AddTextRow(QGridLayout* grid, int row, int column, const QString& label);

// A group box with a grid inside, added to into.
QGridLayout* AddGroupBox(QWidget* parent, const QString& title, QBoxLayout* into);

// A push button that Enter does not press: in these dialogs Enter always means OK.
QPushButton* NewButton(QWidget* parent, const QString& text, const QString& name = {});

// OK (the default button, so Enter means OK) and "Cancel" at the right end of a row, wired to the
// dialog's accept and reject.
struct OkCancel {
    QPushButton* ok;
    QPushButton* cancel;
};
OkCancel AddOkCancelButtons(QDialog* dialog, QBoxLayout* row);

// A drop-down that also takes typed text and never adds what was typed to its list.
QComboBox* NewEditableList(QWidget* parent, const QStringList& items, const QString& name);

// Shows a text in an editable drop-down: its entry when listed, typed text otherwise.
void ShowInEditableList(QComboBox* list, const QString& text);

// A source position: "x:" and "y:" boxes whose arrows keep to -1..9999, and the row's "Pick…" button.
struct SourceBoxes {
    IntegerBox* x = nullptr;
    IntegerBox* y = nullptr;
    QPushButton* pick = nullptr;
    void Show(const SourcePoint& point) const;
    SourcePoint Read() const;
};

// Appends xLabel, the x box, "y:" and the y box to row, and with pick a "Pick…" button; name tells the
// pair apart for assistive tools.
SourceBoxes AddSourceBoxes(QBoxLayout* row, QWidget* parent, const QString& xLabel, const QString& name,
                           bool pick = false);

// The alpha-blend source of pictures and strips is set only through the skin file: the dialogs hold
// its boxes hidden, showing the record's value, and never apply them.
void AddHiddenAlphaSource(QBoxLayout* column, QWidget* parent, const QString& label,
                          const SourcePoint& shown);
