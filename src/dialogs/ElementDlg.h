#pragma once

#include "dialogs/DialogControls.h"
#include "dialogs/ItemDlg.h"
#include "document/SkinElement.h"
#include "render/AnchorPresets.h"

#include <vector>

struct DrawableCommon;
class ConditionsPanel;
class PlacementAids;

// The frame of the six element dialogs: "Name:" on top, the kind's own controls, the " Conditions "
// panel, OK and "Cancel". The name reaches the element with the next live apply or on OK; typing it
// applies nothing by itself.
class QElementDlg : public QItemDlg {
    Q_OBJECT
public:
    QElementDlg(EditContext& context, DrawableCommon& common, const QString& title, QWidget* parent);

    ConditionsPanel* Conditions() const { return m_conditions; }
    PlacementAids* Aids() const { return m_aids; }

protected:
    // Called at the end of the kind's constructor, after its own controls: adds the conditions panel
    // and the buttons, shows the common fields and makes the dialog ready.
    void FinishDialog();

    // A source row's "Pick…": the picker's rectangle goes into the row's boxes and the size boxes the
    // kind takes from it, applied at once as if typed. Hidden where the dialog's opener offers no picker.
    void WatchPick(const SourceBoxes& boxes, IntegerBox* width, IntegerBox* height);

    // The kind's own controls into the record.
    virtual void ApplyKind() = 0;
    // The kind's own stack-skin restrictions.
    virtual void AfterApplyKind() {}

    // The pixel readouts beside the kind's placement rows (in the order PlacementReadouts gives) and the
    // "Anchor" drop-down at the grid's row and column; called once the rows exist.
    void AddPlacementAids(ElementKind kind, const std::vector<PlacementPair*>& rows, QGridLayout* grid,
                          int row, int column);
    // A copy of the record as it stands, and a record's placements shown in the rows; an anchor preset
    // goes through these.
    virtual SkinElement::Record CurrentRecord() const = 0;
    virtual void ShowPlacements(const SkinElement::Record& record) = 0;

private:
    void Apply() final;
    void AfterApply() final;
    void ChooseAnchor(AnchorPreset preset);
    SkinElement CurrentElement() const;

    DrawableCommon& m_common;
    ConditionsPanel* m_conditions = nullptr;
    PlacementAids* m_aids = nullptr;
};
