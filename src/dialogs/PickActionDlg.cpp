#include "dialogs/PickActionDlg.h"

#include "dialogs/DialogControls.h"
#include "document/ActionPicking.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

QPickActionDlg::QPickActionDlg(int code, QWidget* parent) : QDialog(parent), m_chosen(code) {
    setWindowTitle(QStringLiteral("Pick Action"));
    auto* column = new QVBoxLayout(this);
    auto* filterRow = new QHBoxLayout;
    auto* filterText = new QLabel(QStringLiteral("Filter:"), this);
    m_filter = new QLineEdit(this);
    m_filter->setAccessibleName(QStringLiteral("Filter:"));
    filterText->setBuddy(m_filter);
    filterRow->addWidget(filterText);
    filterRow->addWidget(m_filter, 1);
    column->addLayout(filterRow);

    m_list = new QListWidget(this);
    m_list->setAccessibleName(QStringLiteral("Actions"));
    m_list->setMinimumSize(260, 320);
    column->addWidget(m_list, 1);

    auto* buttons = new QHBoxLayout;
    m_noAction = NewButton(this, QStringLiteral("No action"));
    buttons->addWidget(m_noAction);
    AddOkCancelButtons(this, buttons);
    column->addLayout(buttons);

    connect(m_filter, &QLineEdit::textChanged, this, &QPickActionDlg::Fill);
    // Selection, not the current line: a list that takes the focus makes its first line current
    // without anyone choosing it.
    connect(m_list, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> selected = m_list->selectedItems();
        if (!selected.isEmpty())
            m_chosen = selected.constFirst()->data(Qt::UserRole).toInt();
    });
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QPickActionDlg::accept);
    connect(m_noAction, &QPushButton::clicked, this, [this] {
        m_chosen = 0;
        accept();
    });
    Fill();
}

void QPickActionDlg::Fill() {
    // Refilling must not make the first line the chosen one.
    const int chosen = m_chosen;
    m_list->clear();
    for (const ActionLine& line : ActionPickerLines(m_filter->text())) {
        auto* item = new QListWidgetItem(line.name, m_list);
        item->setData(Qt::UserRole, line.code);
        if (line.code == chosen)
            m_list->setCurrentItem(item);
    }
    m_chosen = chosen;
}
