#pragma once

#include "dialogs/ElementDlg.h"
#include "dialogs/PictureGroups.h"

struct IndicatorRecord;
class QComboBox;

// "Indicator": the note state shown, its pictures for true and false, and where it goes on the note.
class QItemIndicatorDlg : public QElementDlg {
    Q_OBJECT
public:
    QItemIndicatorDlg(EditContext& context, IndicatorRecord& indicator, QWidget* parent);

    QComboBox* Indicate() const { return m_indicate; }

private:
    void ApplyKind() override;
    void AfterApplyKind() override;
    SkinElement::Record CurrentRecord() const override;
    void ShowPlacements(const SkinElement::Record& record) override;

    IndicatorRecord& m_record;
    QComboBox* m_indicate;
    SourceBoxes m_on;
    SourceBoxes m_off;
    PlaceControls m_place;
};
