#include "dialogs/PlacementPair.h"

#include "dialogs/DialogControls.h"
#include "document/PlacementModeRows.h"
#include "widgets/IntegerBox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

PlacementPair::PlacementPair(QWidget* parent, const QString& label, bool sixModes, bool withOffset)
    : QObject(parent), m_sixModes(sixModes) {
    m_label = new QLabel(label, parent);
    m_value = NewNumberBox(parent, -9999, 9999, label);
    m_label->setBuddy(m_value);
    m_mode = new QComboBox(parent);
    m_mode->addItems(PlacementModeTexts(sixModes));
    m_mode->setAccessibleName(label + QStringLiteral(" mode"));
    connect(m_value, &IntegerBox::Changed, this, &PlacementPair::Changed);
    connect(m_mode, &QComboBox::currentIndexChanged, this, &PlacementPair::Changed);
    if (withOffset) {
        m_plus = new QLabel(QStringLiteral("+"), parent);
        m_offset = NewNumberBox(parent, -9999, 9999, label + QStringLiteral(" pixel offset"));
        connect(m_offset, &IntegerBox::Changed, this, &PlacementPair::Changed);
    }
    m_pixel = new QLabel(parent);
    m_pixel->setAccessibleName(label + QStringLiteral(" pixel"));
    // Room for most numbers, so that the rows do not shift as the readouts change.
    m_pixel->setMinimumWidth(m_pixel->fontMetrics().horizontalAdvance(QStringLiteral("= -00000")));
}

void PlacementPair::AddToGrid(QGridLayout* grid, int row, int column) const {
    grid->addWidget(m_label, row, column);
    grid->addWidget(m_value, row, column + 1);
    grid->addWidget(m_mode, row, column + 2);
    if (m_offset) {
        grid->addWidget(m_plus, row, column + 3);
        grid->addWidget(m_offset, row, column + 4);
    }
    grid->addWidget(m_pixel, row, column + (m_offset ? 5 : 3));
}

void PlacementPair::Show(const Placement& placement) {
    m_value->SetValue(placement.value);
    m_mode->setCurrentIndex(PlacementModeRow(placement.mode, m_sixModes));
    m_shownOffset = placement.offset;
    if (m_offset)
        m_offset->SetValue(placement.offset);
}

Placement PlacementPair::Read() const {
    Placement placement;
    placement.value = m_value->Value();
    placement.mode = PlacementModeOfRow(m_mode->currentIndex());
    placement.offset = m_offset ? m_offset->Value() : m_shownOffset;
    return placement;
}

void PlacementPair::SetEnabled(bool enabled) {
    m_label->setEnabled(enabled);
    m_value->setEnabled(enabled);
    m_mode->setEnabled(enabled);
    if (m_offset) {
        m_plus->setEnabled(enabled);
        m_offset->setEnabled(enabled);
    }
}

void PlacementPair::ShowPixel(std::optional<int> pixel) {
    m_pixel->setText(pixel ? QStringLiteral("= %1").arg(*pixel) : QString());
}

void AddPixelOffsetHeading(QGridLayout* grid, int row, int column) {
    auto* heading = new QLabel(QStringLiteral("Pixel offset"));
    grid->addWidget(heading, row, column + 4);
}
