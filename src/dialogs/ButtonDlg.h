#pragma once

#include "dialogs/ElementDlg.h"
#include "dialogs/PictureGroups.h"

struct ButtonRecord;
class QLineEdit;
class QPushButton;

// "Button": the action, the normal and rollover pictures and where the button goes on the note.
class QItemButtonDlg : public QElementDlg {
    Q_OBJECT
public:
    QItemButtonDlg(EditContext& context, ButtonRecord& button, QWidget* parent);

    QLineEdit* ActionBox() const { return m_actionBox; }
    QPushButton* PickActionButton() const { return m_pickAction; }

private:
    void ApplyKind() override;
    void AfterApplyKind() override;
    SkinElement::Record CurrentRecord() const override;
    void ShowPlacements(const SkinElement::Record& record) override;
    void PickAction();
    void ShowAction();

    ButtonRecord& m_record;
    int m_action;
    QLineEdit* m_actionBox;
    QPushButton* m_pickAction;
    SourceBoxes m_source;
    SourceBoxes m_rollover;
    PlaceControls m_place;
};
