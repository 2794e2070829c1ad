#include "dialogs/DialogControls.h"

#include "widgets/IntegerBox.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QCompleter>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

IntegerBox* NewNumberBox(QWidget* parent, int minimum, int maximum, const QString& name) {
    auto* box = new IntegerBox(parent);
    box->SetArrowRange(minimum, maximum);
    box->setAccessibleName(name);
    return box;
}

IntegerBox* AddNumberRow(QGridLayout* grid, int row, int column, const QString& label, int minimum,
                         int maximum) {
    QWidget* parent = grid->parentWidget();
    auto* text = new QLabel(label, parent);
    IntegerBox* box = NewNumberBox(parent, minimum, maximum, label);
    text->setBuddy(box);
    grid->addWidget(text, row, column);
    grid->addWidget(box, row, column + 1);
    return box;
}

QLineEdit* AddTextRow(QGridLayout* grid, int row, int column, const QString& label) {
    QWidget* parent = grid->parentWidget();
    auto* text = new QLabel(label, parent);
    auto* box = new QLineEdit(parent);
    box->setAccessibleName(label);
    text->setBuddy(box);
    grid->addWidget(text, row, column);
    grid->addWidget(box, row, column + 1);
    return box;
}

QGridLayout* AddGroupBox(QWidget* parent, const QString& title, QBoxLayout* into) {
    auto* group = new QGroupBox(title, parent);
    into->addWidget(group);
    return new QGridLayout(group);
}

QPushButton* NewButton(QWidget* parent, const QString& text, const QString& name) {
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    if (!name.isEmpty())
        button->setAccessibleName(name);
    return button;
}

OkCancel AddOkCancelButtons(QDialog* dialog, QBoxLayout* row) {
    OkCancel buttons;
    buttons.ok = new QPushButton(QStringLiteral("OK"), dialog);
    buttons.ok->setDefault(true);
    buttons.cancel = NewButton(dialog, QStringLiteral("Cancel"));
    row->addStretch();
    row->addWidget(buttons.ok);
    row->addWidget(buttons.cancel);
    QObject::connect(buttons.ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(buttons.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return buttons;
}

QComboBox* NewEditableList(QWidget* parent, const QStringList& items, const QString& name) {
    auto* list = new QComboBox(parent);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->addItems(items);
    list->setAccessibleName(name);
    // What is stored is exactly the entry chosen or the text typed: completion only suggests, and an
    // entry that differs in case does not take the place of the typed text when editing ends.
    list->completer()->setCompletionMode(QCompleter::PopupCompletion);
    list->completer()->setCaseSensitivity(Qt::CaseSensitive);
    return list;
}

void ShowInEditableList(QComboBox* list, const QString& text) {
    const int row = list->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    list->setCurrentIndex(row);
    list->setEditText(text);
}

void SourceBoxes::Show(const SourcePoint& point) const {
    x->SetValue(point.x);
    y->SetValue(point.y);
}

SourcePoint SourceBoxes::Read() const {
    return {x->Value(), y->Value()};
}

SourceBoxes AddSourceBoxes(QBoxLayout* row, QWidget* parent, const QString& xLabel, const QString& name,
                           bool pick) {
    SourceBoxes boxes;
    auto* xText = new QLabel(xLabel, parent);
    boxes.x = NewNumberBox(parent, -1, 9999, name + QStringLiteral(" x"));
    xText->setBuddy(boxes.x);
    auto* yText = new QLabel(QStringLiteral("y:"), parent);
    boxes.y = NewNumberBox(parent, -1, 9999, name + QStringLiteral(" y"));
    yText->setBuddy(boxes.y);
    row->addWidget(xText);
    row->addWidget(boxes.x);
    row->addWidget(yText);
    row->addWidget(boxes.y);
    if (pick) {
        boxes.pick = NewButton(parent, QStringLiteral("Pick…"), name + QStringLiteral(" Pick"));
        row->addWidget(boxes.pick);
    }
    return boxes;
}

void AddHiddenAlphaSource(QBoxLayout* column, QWidget* parent, const QString& label,
                          const SourcePoint& shown) {
    auto* holder = new QWidget(parent);
    auto* row = new QHBoxLayout(holder);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new QLabel(label, holder));
    AddSourceBoxes(row, holder, QStringLiteral("x:"), label).Show(shown);
    column->addWidget(holder);
    holder->hide();
}
