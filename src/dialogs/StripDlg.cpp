#include "dialogs/StripDlg.h"

#include "dialogs/ColourPick.h"
#include "dialogs/DialogControls.h"
#include "dialogs/EditContext.h"
#include "dialogs/PlacementPair.h"
#include "document/ElementRecords.h"
#include "widgets/IntegerBox.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

QStripDlg::QStripDlg(EditContext& context, StripCommon& strip, bool vertical, QWidget* parent)
    : QElementDlg(context, strip, vertical ? QStringLiteral("VStrip") : QStringLiteral("HStrip"), parent),
      m_strip(strip) {
    BuildType();
    BuildRange(vertical);

    for (int type = 0; type < 4; ++type)
        m_types[type]->setChecked(strip.striptype == type);
    m_solid->SetColour(strip.solidcol);
    m_start->SetColour(strip.startcol);
    m_endColour->SetColour(strip.endcol);
    m_alpha->SetValue(strip.alpha);
    m_sourceX->SetValue(strip.source.x);
    m_sourceY->SetValue(strip.source.y);
}

void QStripDlg::BuildType() {
    QGridLayout* grid = AddGroupBox(this, QStringLiteral(" Type "), MainLayout());
    QWidget* group = grid->parentWidget();

    m_types[0] = new QRadioButton(QStringLiteral("Bitmap:"), group);
    auto* source = new QHBoxLayout;
    const SourceBoxes boxes =
        AddSourceBoxes(source, group, QStringLiteral("Source x:"), QStringLiteral("Source"), true);
    m_sourceX = boxes.x;
    m_sourceY = boxes.y;
    source->addStretch();
    grid->addWidget(m_types[0], 0, 0);
    grid->addLayout(source, 0, 1);

    auto* size = new QHBoxLayout;
    auto* widthText = new QLabel(QStringLiteral("Width:"), group);
    m_width = NewNumberBox(group, 0, 9999, QStringLiteral("Width:"));
    widthText->setBuddy(m_width);
    auto* heightText = new QLabel(QStringLiteral("Height:"), group);
    m_height = NewNumberBox(group, 0, 9999, QStringLiteral("Height:"));
    heightText->setBuddy(m_height);
    size->addWidget(widthText);
    size->addWidget(m_width);
    size->addWidget(heightText);
    size->addWidget(m_height);
    size->addStretch();
    grid->addLayout(size, 1, 1);
    WatchPick(boxes, m_width, m_height);

    m_types[1] = new QRadioButton(QStringLiteral("Fade Fill:"), group);
    auto* fade = new QHBoxLayout;
    m_start = new ColourPick(Prompt(), QStringLiteral("Fade Fill: start colour"), group);
    auto* arrow = new QLabel(QStringLiteral("->"), group);
    m_endColour = new ColourPick(Prompt(), QStringLiteral("Fade Fill: end colour"), group);
    fade->addWidget(m_start);
    fade->addWidget(arrow);
    fade->addWidget(m_endColour);
    fade->addStretch();
    grid->addWidget(m_types[1], 2, 0);
    grid->addLayout(fade, 2, 1);

    m_types[2] = new QRadioButton(QStringLiteral("Solid:"), group);
    m_solid = new ColourPick(Prompt(), QStringLiteral("Solid:"), group);
    grid->addWidget(m_types[2], 3, 0);
    grid->addWidget(m_solid, 3, 1);

    m_types[3] = new QRadioButton(QStringLiteral("Pen Colour"), group);
    grid->addWidget(m_types[3], 4, 0);

    auto* alphaRow = new QHBoxLayout;
    auto* alphaText = new QLabel(QStringLiteral("Alpha blend value:"), group);
    m_alpha = NewNumberBox(group, -1, 255, QStringLiteral("Alpha blend value:"));
    alphaText->setBuddy(m_alpha);
    alphaRow->addWidget(alphaText);
    alphaRow->addWidget(m_alpha);
    alphaRow->addStretch();
    grid->addLayout(alphaRow, 5, 0, 1, 2);

    auto* hidden = new QVBoxLayout;
    AddHiddenAlphaSource(hidden, group, QStringLiteral("Alpha blend source:"), m_strip.sourcealpha);
    grid->addLayout(hidden, 6, 0, 1, 2);

    for (QRadioButton* radio : m_types)
        Watch(radio, &QRadioButton::clicked);
    for (ColourPick* pick : {m_solid, m_start, m_endColour})
        Watch(pick, &ColourPick::Picked);
    for (IntegerBox* box : {m_sourceX, m_sourceY, m_width, m_height, m_alpha})
        WatchNumber(box);
}

void QStripDlg::BuildRange(bool vertical) {
    QGridLayout* grid = AddGroupBox(this, QStringLiteral(" Range "), MainLayout());
    QWidget* group = grid->parentWidget();
    m_range = grid;
    AddPixelOffsetHeading(grid, 0, 0);
    m_left = new PlacementPair(group, QStringLiteral("Left:"), vertical, true);
    m_top = new PlacementPair(group, QStringLiteral("Top:"), vertical, true);
    m_end = new PlacementPair(group, vertical ? QStringLiteral("Bottom:") : QStringLiteral("Right:"),
                              vertical, true);
    int row = 1;
    for (PlacementPair* pair : {m_left, m_top, m_end}) {
        pair->AddToGrid(grid, row++, 0);
        WatchPair(pair);
    }
    grid->setColumnStretch(5, 1);
}

void QStripDlg::ApplyStrip() {
    for (int type = 0; type < 4; ++type) {
        if (m_types[type]->isChecked())
            m_strip.striptype = type;
    }
    m_strip.solidcol = m_solid->GetColour();
    m_strip.startcol = m_start->GetColour();
    m_strip.endcol = m_endColour->GetColour();
    m_strip.alpha = m_alpha->Value();
    m_strip.source = {m_sourceX->Value(), m_sourceY->Value()};
}

QItemHStripDlg::QItemHStripDlg(EditContext& context, HStripRecord& strip, QWidget* parent)
    : QStripDlg(context, strip, false, parent), m_record(strip) {
    m_width->SetValue(strip.width);
    m_height->SetValue(strip.extent.height);
    AddPlacementAids(ElementKind::HStrip, {m_left, m_top, m_end}, m_range, 0, 0);
    ShowPlacements(strip);
    FinishDialog();
}

SkinElement::Record QItemHStripDlg::CurrentRecord() const {
    return m_record;
}

void QItemHStripDlg::ShowPlacements(const SkinElement::Record& record) {
    const HStripRecord& strip = std::get<HStripRecord>(record);
    m_left->Show(strip.place.x);
    m_top->Show(strip.place.y);
    m_end->Show(strip.extent.right);
}

void QItemHStripDlg::ApplyKind() {
    ApplyStrip();
    m_record.width = m_width->Value();
    m_record.extent.height = m_height->Value();
    m_record.place = {m_left->Read(), m_top->Read()};
    m_record.extent.right = m_end->Read();
}

QItemVStripDlg::QItemVStripDlg(EditContext& context, VStripRecord& strip, QWidget* parent)
    : QStripDlg(context, strip, true, parent), m_record(strip) {
    m_width->SetValue(strip.extent.width);
    m_height->SetValue(strip.height);
    AddPlacementAids(ElementKind::VStrip, {m_left, m_top, m_end}, m_range, 0, 0);
    ShowPlacements(strip);
    FinishDialog();
}

SkinElement::Record QItemVStripDlg::CurrentRecord() const {
    return m_record;
}

void QItemVStripDlg::ShowPlacements(const SkinElement::Record& record) {
    const VStripRecord& strip = std::get<VStripRecord>(record);
    m_left->Show(strip.place.x);
    m_top->Show(strip.place.y);
    m_end->Show(strip.extent.bottom);
}

void QItemVStripDlg::ApplyKind() {
    ApplyStrip();
    m_record.extent.width = m_width->Value();
    m_record.height = m_height->Value();
    m_record.place = {m_left->Read(), m_top->Read()};
    m_record.extent.bottom = m_end->Read();
}
