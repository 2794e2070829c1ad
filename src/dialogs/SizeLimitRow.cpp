#include "dialogs/SizeLimitRow.h"

#include "dialogs/DialogControls.h"
#include "document/SizeLimits.h"
#include "widgets/IntegerBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>

SizeLimitRow::SizeLimitRow(QWidget* parent, const QString& text) : QObject(parent) {
    m_check = new QCheckBox(text, parent);
    m_relation = new QComboBox(parent);
    m_relation->addItems({QStringLiteral("less than"), QStringLiteral("more than")});
    m_relation->setAccessibleName(text);
    m_number = NewNumberBox(parent, 0, 9999, text + QStringLiteral(" number"));
    connect(m_check, &QCheckBox::clicked, this, &SizeLimitRow::Changed);
    connect(m_relation, &QComboBox::currentIndexChanged, this, &SizeLimitRow::Changed);
    connect(m_number, &IntegerBox::Changed, this, &SizeLimitRow::Changed);
}

void SizeLimitRow::AddToGrid(QGridLayout* grid, int row, int column) const {
    grid->addWidget(m_check, row, column);
    grid->addWidget(m_relation, row, column + 1);
    grid->addWidget(m_number, row, column + 2);
}

void SizeLimitRow::Show(int minimum, int maximum) {
    const SizeLimitChoice choice = ShowSizeLimits(minimum, maximum);
    m_check->setChecked(choice.checked);
    m_relation->setCurrentIndex(choice.moreThan ? 1 : 0);
    if (choice.checked)
        m_number->SetValue(choice.number.toInt());
    else
        m_number->clear();
}

void SizeLimitRow::Store(int* minimum, int* maximum) const {
    StoreSizeLimits({m_check->isChecked(), m_relation->currentIndex() == 1, m_number->text()}, minimum,
                    maximum);
}

void SizeLimitRow::SetEnabled(bool enabled) {
    m_check->setEnabled(enabled);
    m_relation->setEnabled(enabled);
    m_number->setEnabled(enabled);
}

bool SizeLimitRow::IsChecked() const {
    return m_check->isChecked();
}
