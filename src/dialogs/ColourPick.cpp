#include "dialogs/ColourPick.h"

#include "dialogs/DialogControls.h"
#include "widgets/ColourSwatch.h"
#include "widgets/Prompter.h"

#include <QHBoxLayout>
#include <QPushButton>

ColourPick::ColourPick(Prompter& prompter, const QString& name, QWidget* parent)
    : QWidget(parent), m_prompter(prompter) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    m_swatch = new ColourSwatch(this);
    m_swatch->setAccessibleName(name);
    m_pick = NewButton(this, QStringLiteral("Pick"), name + QStringLiteral(" Pick"));
    row->addWidget(m_swatch);
    row->addWidget(m_pick);
    row->addStretch();
    connect(m_pick, &QPushButton::clicked, this, &ColourPick::Pick);
}

void ColourPick::SetColour(Colour colour) {
    m_swatch->SetColour(colour);
}

Colour ColourPick::GetColour() const {
    return m_swatch->GetColour();
}

void ColourPick::Pick() {
    if (const auto colour = m_prompter.ChooseColour(window(), m_swatch->GetColour())) {
        m_swatch->SetColour(*colour);
        emit Picked(*colour);
    }
}
