#pragma once

#include "dialogs/ItemDlg.h"

struct DrawableCommon;
class ConditionsPanel;

// The frame of the six element dialogs: "Name:" on top, the kind's own controls, the " Conditions "
// panel, OK and "Cancel". The name reaches the element with the next live apply or on OK; typing it
// applies nothing by itself.
class QElementDlg : public QItemDlg {
    Q_OBJECT
public:
    QElementDlg(EditContext& context, DrawableCommon& common, const QString& title, QWidget* parent);

    ConditionsPanel* Conditions() const { return m_conditions; }

protected:
    // Called at the end of the kind's constructor, after its own controls: adds the conditions panel
    // and the buttons, shows the common fields and makes the dialog ready.
    void FinishDialog();

    // The kind's own controls into the record.
    virtual void ApplyKind() = 0;
    // The kind's own stack-skin restrictions.
    virtual void AfterApplyKind() {}

private:
    void Apply() final;
    void AfterApply() final;

    DrawableCommon& m_common;
    ConditionsPanel* m_conditions = nullptr;
};
