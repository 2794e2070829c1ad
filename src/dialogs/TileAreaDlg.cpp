#include "dialogs/TileAreaDlg.h"

#include "dialogs/ColourPick.h"
#include "dialogs/PlacementPair.h"
#include "document/ElementRecords.h"
#include "widgets/IntegerBox.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

QItemTileAreaDlg::QItemTileAreaDlg(EditContext& context, TileAreaRecord& area, QWidget* parent)
    : QElementDlg(context, area, QStringLiteral("TileArea"), parent), m_record(area) {
    auto* fill = new QGroupBox(this);
    MainLayout()->addWidget(fill);
    auto* fillGrid = new QGridLayout(fill);
    m_types[0] = new QRadioButton(QStringLiteral("Solid:"), fill);
    m_solid = new ColourPick(Prompt(), QStringLiteral("Solid:"), fill);
    fillGrid->addWidget(m_types[0], 0, 0);
    fillGrid->addWidget(m_solid, 0, 1);

    m_types[1] = new QRadioButton(QStringLiteral("Bitmap:"), fill);
    fillGrid->addWidget(m_types[1], 1, 0);
    auto* sourceRow = new QHBoxLayout;
    const QString sourceText = QStringLiteral("Source of bitmap to tile:");
    sourceRow->addWidget(new QLabel(sourceText, fill));
    m_source = AddSourceBoxes(sourceRow, fill, QStringLiteral("x:"), sourceText, true);
    sourceRow->addStretch();
    fillGrid->addLayout(sourceRow, 1, 1);
    auto* sizeRow = new QGridLayout;
    fillGrid->addLayout(sizeRow, 2, 1); // first, so that the boxes are made inside the group
    m_width = AddNumberRow(sizeRow, 0, 0, QStringLiteral("Width:"), 0, 9999);
    m_height = AddNumberRow(sizeRow, 0, 2, QStringLiteral("Height:"), 0, 9999);
    sizeRow->setColumnStretch(4, 1);
    WatchPick(m_source, m_width, m_height);

    m_types[2] = new QRadioButton(QStringLiteral("Pen Colour"), fill);
    fillGrid->addWidget(m_types[2], 3, 0);
    auto* hidden = new QVBoxLayout;
    AddHiddenAlphaSource(hidden, fill, QStringLiteral("Source of alpha blend definition:"), area.sourcealpha);
    fillGrid->addLayout(hidden, 4, 0, 1, 2);

    auto* corners = new QGroupBox(this);
    MainLayout()->addWidget(corners);
    auto* cornerGrid = new QGridLayout(corners);
    m_left = new PlacementPair(corners, QStringLiteral("Left:"), false, false);
    m_top = new PlacementPair(corners, QStringLiteral("Top:"), false, false);
    m_right = new PlacementPair(corners, QStringLiteral("Right:"), false, false);
    m_bottom = new PlacementPair(corners, QStringLiteral("Bottom:"), false, false);
    int row = 0;
    for (PlacementPair* pair : {m_left, m_top, m_right, m_bottom})
        pair->AddToGrid(cornerGrid, row++, 0);
    AddPlacementAids(ElementKind::TileArea, {m_left, m_top, m_right, m_bottom}, cornerGrid, 0, 4);
    cornerGrid->setColumnStretch(7, 1);

    for (QRadioButton* radio : m_types)
        Watch(radio, &QRadioButton::clicked);
    Watch(m_solid, &ColourPick::Picked);
    for (IntegerBox* box : {m_source.x, m_source.y, m_width, m_height})
        WatchNumber(box);
    for (PlacementPair* pair : {m_left, m_top, m_right, m_bottom})
        WatchPair(pair);

    for (int type = 0; type < int(m_types.size()); ++type)
        m_types[type]->setChecked(area.tiletype == type);
    m_solid->SetColour(area.solidcol);
    m_source.Show(area.source);
    m_width->SetValue(area.size.w);
    m_height->SetValue(area.size.h);
    ShowPlacements(area);
    FinishDialog();
}

SkinElement::Record QItemTileAreaDlg::CurrentRecord() const {
    return m_record;
}

void QItemTileAreaDlg::ShowPlacements(const SkinElement::Record& record) {
    const TileAreaRecord& area = std::get<TileAreaRecord>(record);
    m_left->Show(area.topleft.x);
    m_top->Show(area.topleft.y);
    m_right->Show(area.bottomright.x);
    m_bottom->Show(area.bottomright.y);
}

void QItemTileAreaDlg::ApplyKind() {
    for (int type = 0; type < int(m_types.size()); ++type) {
        if (m_types[type]->isChecked())
            m_record.tiletype = type;
    }
    m_record.solidcol = m_solid->GetColour();
    m_record.source = m_source.Read();
    m_record.size = {m_width->Value(), m_height->Value()};
    m_record.topleft = {m_left->Read(), m_top->Read()};
    m_record.bottomright = {m_right->Read(), m_bottom->Read()};
}
