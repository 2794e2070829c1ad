#include "dialogs/ConditionsPanel.h"

#include "dialogs/IntegerChecks.h"
#include "dialogs/SizeLimitRow.h"
#include "document/ElementRecords.h"
#include "document/IndicatorCodes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// The condition list ends before "Sync", which only an indicator can show.
constexpr int kConditionStates = 19;

} // namespace

ConditionsPanel::ConditionsPanel(QWidget* parent) : QGroupBox(QStringLiteral(" Conditions "), parent) {
    auto* rows = new QVBoxLayout(this);

    auto* flags = new QHBoxLayout;
    m_unrolled = new QCheckBox(QStringLiteral("Draw when Unrolled"), this);
    m_rolled = new QCheckBox(QStringLiteral("Draw when Rolled Up"), this);
    m_focus = new QCheckBox(QStringLiteral("Only draw when skin has focus"), this);
    flags->addWidget(m_unrolled);
    flags->addWidget(m_rolled);
    flags->addWidget(m_focus);
    flags->addStretch();
    rows->addLayout(flags);

    auto* state = new QHBoxLayout;
    m_drawOnlyWhen = new QCheckBox(QStringLiteral("Draw only when"), this);
    m_condition = new QComboBox(this);
    m_condition->setAccessibleName(QStringLiteral("Draw only when"));
    for (int code = 1; code <= kConditionStates; ++code)
        m_condition->addItem(IndicatorDialogText(code));
    auto* is = new QLabel(QStringLiteral("is"), this);
    m_true = new QRadioButton(QStringLiteral("true"), this);
    m_false = new QRadioButton(QStringLiteral("false"), this);
    state->addWidget(m_drawOnlyWhen);
    state->addWidget(m_condition);
    state->addWidget(is);
    state->addWidget(m_true);
    state->addWidget(m_false);
    state->addStretch();
    rows->addLayout(state);

    auto* limits = new QGridLayout;
    m_width = new SizeLimitRow(this, QStringLiteral("Do not draw when width is"));
    m_height = new SizeLimitRow(this, QStringLiteral("Do not draw when height is"));
    m_width->AddToGrid(limits, 0, 0);
    m_height->AddToGrid(limits, 1, 0);
    limits->setColumnStretch(3, 1);
    rows->addLayout(limits);

    for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{m_unrolled, m_rolled, m_focus,
                                                                           m_drawOnlyWhen, m_true, m_false})
        connect(button, &QAbstractButton::clicked, this, &ConditionsPanel::Changed);
    connect(m_condition, &QComboBox::currentIndexChanged, this, &ConditionsPanel::Changed);
    connect(m_width, &SizeLimitRow::Changed, this, &ConditionsPanel::Changed);
    connect(m_height, &SizeLimitRow::Changed, this, &ConditionsPanel::Changed);
}

void ConditionsPanel::Show(const DrawableCommon& common) {
    m_unrolled->setChecked(common.drawunrolled);
    m_rolled->setChecked(common.drawrolled);
    m_focus->setChecked(common.drawfocus);
    m_drawOnlyWhen->setChecked(common.conditionset);
    const bool listed = common.condition >= 1 && common.condition <= kConditionStates;
    m_condition->setCurrentIndex(listed ? common.condition - 1 : -1);
    (common.conditionvalue ? m_true : m_false)->setChecked(true);
    m_width->Show(common.drawwidthminimum, common.drawwidthmaximum);
    m_height->Show(common.drawheightminimum, common.drawheightmaximum);
}

void ConditionsPanel::Store(DrawableCommon& common) const {
    common.drawunrolled = m_unrolled->isChecked();
    common.drawrolled = m_rolled->isChecked();
    common.drawfocus = m_focus->isChecked();
    common.conditionset = m_drawOnlyWhen->isChecked();
    // A state the list does not show (none chosen yet, or one from a file) stays as it is.
    if (m_condition->currentIndex() >= 0)
        common.condition = m_condition->currentIndex() + 1;
    common.conditionvalue = m_true->isChecked();
    m_width->Store(&common.drawwidthminimum, &common.drawwidthmaximum);
    m_height->Store(&common.drawheightminimum, &common.drawheightmaximum);
}

void ConditionsPanel::SetStackMode(bool stack) {
    m_unrolled->setEnabled(!stack);
    m_rolled->setEnabled(!stack);
}

void ConditionsPanel::RequireIntegers(IntegerChecks& checks) const {
    for (SizeLimitRow* row : {m_width, m_height})
        checks.Require(row->NumberBox(), [row] { return row->IsChecked(); });
}

bool ConditionsPanel::ConditionOn() const {
    return m_drawOnlyWhen->isChecked();
}

int ConditionsPanel::ConditionCode() const {
    return m_condition->currentIndex() >= 0 ? m_condition->currentIndex() + 1 : -1;
}

void ConditionsPanel::SwitchConditionOff() {
    m_drawOnlyWhen->setChecked(false);
}
