#include "dialogs/ButtonDlg.h"

#include "dialogs/PickActionDlg.h"
#include "dialogs/PlacementPair.h"
#include "document/ActionPicking.h"
#include "document/ElementRecords.h"
#include "document/StackSkinRules.h"
#include "widgets/IntegerBox.h"
#include "widgets/Prompter.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

QItemButtonDlg::QItemButtonDlg(EditContext& context, ButtonRecord& button, QWidget* parent)
    : QElementDlg(context, button, QStringLiteral("Button"), parent), m_record(button),
      m_action(button.action) {
    auto* actionRow = new QHBoxLayout;
    auto* actionText = new QLabel(QStringLiteral("Action:"), this);
    m_actionBox = new QLineEdit(this);
    m_actionBox->setReadOnly(true);
    m_actionBox->setAccessibleName(QStringLiteral("Action:"));
    actionText->setBuddy(m_actionBox);
    m_pickAction = NewButton(this, QStringLiteral("..."), QStringLiteral("Pick action"));
    actionRow->addWidget(actionText);
    actionRow->addWidget(m_actionBox, 1);
    actionRow->addWidget(m_pickAction);
    MainLayout()->addLayout(actionRow);
    connect(m_pickAction, &QPushButton::clicked, this, &QItemButtonDlg::PickAction);

    MainLayout()->addWidget(
        NewSourceGroup(this, QStringLiteral(" Bitmap sources "),
                       {{QStringLiteral("Source of bitmap to display button:"), &m_source},
                        {QStringLiteral("Bitmap source when mouse is over button:"), &m_rollover}},
                       button.sourcealpha));
    MainLayout()->addWidget(
        NewPlaceGroup(this, QStringLiteral(" Where to place button on skin "), true, &m_place));

    for (IntegerBox* box : {m_source.x, m_source.y, m_rollover.x, m_rollover.y})
        WatchNumber(box);
    WatchPair(m_place.left);
    WatchPair(m_place.top);
    WatchNumber(m_place.width);
    WatchNumber(m_place.height);
    // Either source picks the one size the button has.
    WatchPick(m_source, m_place.width, m_place.height);
    WatchPick(m_rollover, m_place.width, m_place.height);

    ShowAction();
    m_source.Show(button.source);
    m_rollover.Show(button.sourcerollover);
    m_place.Show(button.place, button.size);
    AddPlacementAids(ElementKind::Button, {m_place.left, m_place.top}, m_place.grid, 0, 0);
    FinishDialog();
}

SkinElement::Record QItemButtonDlg::CurrentRecord() const {
    return m_record;
}

void QItemButtonDlg::ShowPlacements(const SkinElement::Record& record) {
    const ButtonRecord& button = std::get<ButtonRecord>(record);
    m_place.left->Show(button.place.x);
    m_place.top->Show(button.place.y);
}

void QItemButtonDlg::ShowAction() {
    m_actionBox->setText(ActionBoxText(m_action));
}

void QItemButtonDlg::PickAction() {
    QPickActionDlg picker(m_action, this);
    if (picker.exec() != QDialog::Accepted)
        return;
    m_action = picker.ChosenCode();
    ShowAction();
    LiveApply();
}

void QItemButtonDlg::ApplyKind() {
    m_record.action = m_action;
    m_record.source = m_source.Read();
    m_record.sourcerollover = m_rollover.Read();
    m_record.place = m_place.Place();
    m_record.size = m_place.Size();
}

void QItemButtonDlg::AfterApplyKind() {
    if (StackAllowsAction(m_record.action))
        return;
    Prompt().Inform(this, QStringLiteral("Can't use that action with a Stack"));
    m_action = 0;
    ShowAction();
    ApplyAgain();
}
