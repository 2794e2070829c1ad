#include "dialogs/GroupDlg.h"

#include "dialogs/DialogControls.h"
#include "document/ElementRecords.h"
#include "document/GroupRuleChoices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// The text after an edit with what the edit put in before the cursor turned into lower case; what was
// there before, and everything after the cursor, stays as it was.
QString WithInsertedLowered(const QString& before, const QString& after, qsizetype cursor) {
    cursor = std::clamp<qsizetype>(cursor, 0, after.size());
    const qsizetype kept = std::clamp<qsizetype>(before.size() - (after.size() - cursor), 0, cursor);
    qsizetype prefix = 0;
    while (prefix < kept && before[prefix] == after[prefix])
        ++prefix;
    return after.left(prefix) + after.mid(prefix, cursor - prefix).toLower() + after.mid(cursor);
}

void Offer(QComboBox* operators, QComboBox* values, const RuleChoices& choices) {
    operators->clear();
    operators->addItems(choices.operators);
    operators->setCurrentIndex(0);
    operators->setEnabled(choices.operatorEnabled);
    values->clear();
    values->addItems(choices.values);
    if (choices.values.isEmpty())
        values->setEditText(QString());
    else
        values->setCurrentIndex(0);
}

} // namespace

QGroupDlg::QGroupDlg(EditContext& context, GroupRecord& group, QWidget* parent)
    : QItemDlg(context, QStringLiteral("Group"), parent), m_group(group) {
    QLineEdit* name = AddNameRow();
    name->setText(group.name);
    m_shownName = group.name;
    // Group names are typed in lower case.
    connect(name, &QLineEdit::textEdited, this, [this, name](const QString& text) {
        const QString lowered = WithInsertedLowered(m_shownName, text, name->cursorPosition());
        if (lowered != text) {
            const int cursor = name->cursorPosition();
            name->setText(lowered);
            name->setCursorPosition(cursor);
        }
    });
    // After the edit's own notification, so that it still sees the text before the edit.
    connect(name, &QLineEdit::textChanged, this, [this](const QString& text) { m_shownName = text; });

    m_enabled = new QCheckBox(QStringLiteral("Enabled"), this);
    MainLayout()->addWidget(m_enabled);
    auto* matchRow = new QHBoxLayout;
    m_matchAll = new QRadioButton(QStringLiteral("Match all conditions"), this);
    m_matchAny = new QRadioButton(QStringLiteral("Match any condition"), this);
    matchRow->addWidget(m_matchAll);
    matchRow->addWidget(m_matchAny);
    matchRow->addStretch();
    MainLayout()->addLayout(matchRow);

    auto* ruleRow = new QHBoxLayout;
    m_field = new QComboBox(this);
    m_field->setAccessibleName(QStringLiteral("Field"));
    m_field->addItems(GroupDialogFields(StackMode()));
    m_operator = new QComboBox(this);
    m_operator->setAccessibleName(QStringLiteral("Operator"));
    m_value = NewEditableList(this, {}, QStringLiteral("Value"));
    m_value->setMinimumWidth(120);
    m_add = NewButton(this, QStringLiteral("Add"));
    ruleRow->addWidget(m_field);
    ruleRow->addWidget(m_operator);
    ruleRow->addWidget(m_value, 1);
    ruleRow->addWidget(m_add);
    MainLayout()->addLayout(ruleRow);

    m_rules = new QListWidget(this);
    m_rules->setAccessibleName(QStringLiteral("Rules"));
    MainLayout()->addWidget(m_rules, 1);
    auto* deleteRow = new QHBoxLayout;
    m_delete = NewButton(this, QStringLiteral("Delete"));
    deleteRow->addWidget(m_delete);
    deleteRow->addStretch();
    MainLayout()->addLayout(deleteRow);
    m_note = new QLabel(
        QStringLiteral("Note: groups with no conditions means that elements in them will always show"), this);
    m_note->setWordWrap(true);
    MainLayout()->addWidget(m_note);
    AddOkCancel();

    m_enabled->setChecked(group.enabled);
    (group.match ? m_matchAll : m_matchAny)->setChecked(true);
    // Until a field is chosen the operators of numbers and texts are offered together.
    m_field->setCurrentIndex(0);
    Offer(m_operator, m_value, InitialRuleChoices());
    ShowRules();

    Watch(m_enabled, &QCheckBox::clicked);
    Watch(m_matchAll, &QRadioButton::clicked);
    Watch(m_matchAny, &QRadioButton::clicked);
    connect(m_field, &QComboBox::activated, this, &QGroupDlg::ChooseField);
    connect(m_add, &QPushButton::clicked, this, &QGroupDlg::AddRule);
    connect(m_delete, &QPushButton::clicked, this, &QGroupDlg::DeleteRule);
    SetReady();
}

void QGroupDlg::ChooseField() {
    Offer(m_operator, m_value, RuleChoicesFor(m_field->currentText()));
}

void QGroupDlg::AddRule() {
    m_group.rules.push_back({m_field->currentText(), m_operator->currentText(), m_value->currentText()});
    ShowRules();
    LiveApply();
}

void QGroupDlg::DeleteRule() {
    const int row = m_rules->currentRow();
    if (row < 0 || row >= int(m_group.rules.size()) || m_rules->selectedItems().isEmpty())
        return;
    m_group.rules.erase(m_group.rules.begin() + row);
    ShowRules();
    LiveApply();
}

void QGroupDlg::ShowRules() {
    m_rules->clear();
    for (const GroupRule& rule : m_group.rules)
        m_rules->addItem(RuleLine(rule));
    m_note->setVisible(m_group.rules.empty());
}

void QGroupDlg::Apply() {
    m_group.enabled = m_enabled->isChecked();
    m_group.match = m_matchAll->isChecked();
}

void QGroupDlg::Commit() {
    Apply();
    m_typedName = NameBox()->text();
}
