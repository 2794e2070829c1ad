#include "dialogs/PlacementAids.h"

#include "dialogs/PlacementPair.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>

PlacementAids::PlacementAids(QWidget* parent, ElementKind kind, std::vector<PlacementPair*> rows,
                             std::function<NoteFrame()> frame)
    : QObject(parent), m_rows(std::move(rows)), m_frame(std::move(frame)), m_presets(AnchorPresetsOf(kind)) {
    m_label = new QLabel(QStringLiteral("Anchor:"), parent);
    m_anchor = new QComboBox(parent);
    m_anchor->setObjectName(QStringLiteral("anchor"));
    m_anchor->setAccessibleName(QStringLiteral("Anchor:"));
    m_label->setBuddy(m_anchor);
    for (const AnchorPreset preset : m_presets)
        m_anchor->addItem(AnchorPresetText(preset));
    m_anchor->setCurrentIndex(-1);
    m_anchor->setEnabled(static_cast<bool>(m_frame));
    // Only a choice of the user's rewrites anything; showing the present preset does not.
    connect(m_anchor, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && index < static_cast<int>(m_presets.size()))
            emit AnchorChosen(m_presets[static_cast<size_t>(index)]);
    });
}

void PlacementAids::AddToGrid(QGridLayout* grid, int row, int column) const {
    grid->addWidget(m_label, row, column);
    grid->addWidget(m_anchor, row, column + 1, 1, 2);
}

std::optional<NoteFrame> PlacementAids::Frame() const {
    if (!m_frame)
        return std::nullopt;
    return m_frame();
}

void PlacementAids::Follow(const SkinElement& element) {
    const std::optional<NoteFrame> frame = Frame();
    const std::vector<int> pixels = frame ? PlacementReadouts(element, *frame) : std::vector<int>();
    for (size_t i = 0; i < m_rows.size(); ++i)
        m_rows[i]->ShowPixel(i < pixels.size() ? std::optional<int>(pixels[i]) : std::nullopt);
    int index = -1;
    if (frame) {
        if (const std::optional<AnchorPreset> now = AnchorOf(element, *frame)) {
            const auto at = std::find(m_presets.begin(), m_presets.end(), *now);
            index = static_cast<int>(at - m_presets.begin());
        }
    }
    const QSignalBlocker quiet(m_anchor);
    m_anchor->setCurrentIndex(index);
}
