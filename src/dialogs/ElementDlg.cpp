#include "dialogs/ElementDlg.h"

#include "dialogs/ConditionsPanel.h"
#include "dialogs/EditContext.h"
#include "dialogs/PlacementAids.h"
#include "dialogs/PlacementPair.h"
#include "document/ElementRecords.h"
#include "document/StackSkinRules.h"
#include "widgets/IntegerBox.h"
#include "widgets/Prompter.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
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
    if (m_aids)
        m_aids->Follow(CurrentElement());
    SetReady();
}

void QElementDlg::AddPlacementAids(ElementKind kind, const std::vector<PlacementPair*>& rows,
                                   QGridLayout* grid, int row, int column) {
    m_aids = new PlacementAids(grid->parentWidget(), kind, rows, Context().noteFrame);
    m_aids->AddToGrid(grid, row, column);
    connect(m_aids, &PlacementAids::AnchorChosen, this, &QElementDlg::ChooseAnchor);
}

SkinElement QElementDlg::CurrentElement() const {
    SkinElement element;
    element.record = CurrentRecord();
    return element;
}

void QElementDlg::ChooseAnchor(AnchorPreset preset) {
    const std::optional<NoteFrame> frame = m_aids->Frame();
    const SkinElement element = CurrentElement();
    const std::optional<SkinElement> anchored = frame ? WithAnchor(element, preset, *frame) : std::nullopt;
    if (!anchored) {
        Prompt().Inform(this,
                        QStringLiteral("These placements cannot follow that anchor: an edge lies beyond the "
                                       "side it would follow."));
        m_aids->Follow(element);
        return;
    }
    // The rows take the new placements together, then one live apply.
    SetReady(false);
    ShowPlacements(anchored->record);
    SetReady(true);
    LiveApply();
}

void QElementDlg::WatchPick(const SourceBoxes& boxes, IntegerBox* width, IntegerBox* height) {
    if (!Context().pickSource) {
        boxes.pick->hide();
        return;
    }
    connect(boxes.pick, &QPushButton::clicked, this, [this, boxes, width, height] {
        const CanvasRect current =
            CanvasRect::FromSize(boxes.x->Value(), boxes.y->Value(), width->Value(), height->Value());
        const std::optional<CanvasRect> chosen = Context().pickSource(this, current);
        if (!chosen)
            return;
        // Four boxes, one live apply.
        const QSignalBlocker blockX(boxes.x), blockY(boxes.y), blockW(width), blockH(height);
        boxes.x->SetValue(chosen->left);
        boxes.y->SetValue(chosen->top);
        width->SetValue(chosen->Width());
        height->SetValue(chosen->Height());
        LiveApply();
    });
}

void QElementDlg::Apply() {
    m_common.name = NameBox()->text();
    ApplyKind();
    m_conditions->Store(m_common);
    if (m_aids)
        m_aids->Follow(CurrentElement());
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
