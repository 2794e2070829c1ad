#include "dialogs/IndicatorDlg.h"

#include "dialogs/PlacementPair.h"
#include "document/ElementRecords.h"
#include "document/IndicatorCodes.h"
#include "document/StackSkinRules.h"
#include "widgets/IntegerBox.h"
#include "widgets/Prompter.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

// What a stack indicator falls back to when it asked for a state a stack does not have.
constexpr int kAlarmSet = 5;

} // namespace

QItemIndicatorDlg::QItemIndicatorDlg(EditContext& context, IndicatorRecord& indicator, QWidget* parent)
    : QElementDlg(context, indicator, QStringLiteral("Indicator"), parent), m_record(indicator) {
    auto* indicateRow = new QHBoxLayout;
    auto* indicateText = new QLabel(QStringLiteral("Indicate:"), this);
    m_indicate = new QComboBox(this);
    m_indicate->setAccessibleName(QStringLiteral("Indicate:"));
    for (int code = kFirstIndicatorCode; code <= kLastIndicatorCode; ++code)
        m_indicate->addItem(IndicatorDialogText(code));
    indicateText->setBuddy(m_indicate);
    indicateRow->addWidget(indicateText);
    indicateRow->addWidget(m_indicate);
    indicateRow->addStretch();
    MainLayout()->addLayout(indicateRow);

    MainLayout()->addWidget(
        NewSourceGroup(this, QStringLiteral(" Bitmap Sources "),
                       {{QStringLiteral("Source of bitmap when condition is true:"), &m_on},
                        {QStringLiteral("Source of bitmap when condition is false:"), &m_off}},
                       indicator.sourcealpha));
    MainLayout()->addWidget(
        NewPlaceGroup(this, QStringLiteral(" Where to place indicator on skin "), false, &m_place));

    Watch(m_indicate, &QComboBox::currentIndexChanged);
    for (IntegerBox* box : {m_on.x, m_on.y, m_off.x, m_off.y})
        WatchNumber(box);
    WatchPair(m_place.left);
    WatchPair(m_place.top);
    WatchNumber(m_place.width);
    WatchNumber(m_place.height);
    WatchPick(m_on, m_place.width, m_place.height);
    WatchPick(m_off, m_place.width, m_place.height);

    const bool listed = indicator.type >= kFirstIndicatorCode && indicator.type <= kLastIndicatorCode;
    m_indicate->setCurrentIndex(listed ? indicator.type - kFirstIndicatorCode : -1);
    m_on.Show(indicator.source);
    m_off.Show(indicator.sourceoff);
    m_place.Show(indicator.place, indicator.size);
    AddPlacementAids(ElementKind::Indicator, {m_place.left, m_place.top}, m_place.grid, 0, 0);
    FinishDialog();
}

SkinElement::Record QItemIndicatorDlg::CurrentRecord() const {
    return m_record;
}

void QItemIndicatorDlg::ShowPlacements(const SkinElement::Record& record) {
    const IndicatorRecord& indicator = std::get<IndicatorRecord>(record);
    m_place.left->Show(indicator.place.x);
    m_place.top->Show(indicator.place.y);
}

void QItemIndicatorDlg::ApplyKind() {
    // A new indicator shows no state until one is chosen.
    if (m_indicate->currentIndex() >= 0)
        m_record.type = m_indicate->currentIndex() + kFirstIndicatorCode;
    m_record.source = m_on.Read();
    m_record.sourceoff = m_off.Read();
    m_record.place = m_place.Place();
    m_record.size = m_place.Size();
}

void QItemIndicatorDlg::AfterApplyKind() {
    if (StackAllowsState(m_record.type))
        return;
    Prompt().Inform(this, QStringLiteral("Can't use that indicator with a Stack"));
    {
        const QSignalBlocker quiet(m_indicate);
        m_indicate->setCurrentIndex(kAlarmSet - kFirstIndicatorCode);
    }
    ApplyAgain();
}
