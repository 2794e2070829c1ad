#include "dialogs/ElementDlg.h"

#include "dialogs/ConditionsPanel.h"
#include "dialogs/EditContext.h"
#include "document/ElementRecords.h"
#include "document/StackSkinRules.h"
#include "widgets/Prompter.h"

#include <QLineEdit>
#include <QVBoxLayout>

QElementDlg::QElementDlg(EditContext& context, DrawableCommon& common, const QString& title, QWidget* parent)
    : QItemDlg(context, title, parent), m_common(common) {
    AddNameRow()->setText(common.name);
}

void QElementDlg::FinishDialog() {
    m_conditions = new ConditionsPanel(this);
    MainLayout()->addWidget(m_conditions);
    m_conditions->Show(m_common);
    m_conditions->SetStackMode(StackMode());
    m_conditions->RequireIntegers(Integers());
    Watch(m_conditions, &ConditionsPanel::Changed);
    AddOkCancel();
    SetReady();
}

void QElementDlg::Apply() {
    m_common.name = NameBox()->text();
    ApplyKind();
    m_conditions->Store(m_common);
}

void QElementDlg::AfterApply() {
    if (!StackMode())
        return;
    if (m_common.conditionset && !StackAllowsState(m_common.condition)) {
        Prompt().Inform(this, QStringLiteral("Can't use that condition with a Stack"));
        m_conditions->SwitchConditionOff();
        ApplyAgain();
    }
    AfterApplyKind();
}
