#pragma once

#include "document/SkinElement.h"
#include "render/AnchorPresets.h"

#include <QObject>
#include <functional>
#include <optional>
#include <vector>

class PlacementPair;
class QComboBox;
class QGridLayout;
class QLabel;
class QWidget;

// What an element dialog shows beside its placement rows: the pixel each one lands on at the preview's
// present note size (the far edges' last pixel painted), and an "Anchor" drop-down of the presets the
// kind offers, showing the one the placements follow now (blank for none). Choosing one asks the dialog
// to rewrite its placements.
class PlacementAids : public QObject {
    Q_OBJECT
public:
    // The rows in the order of PlacementReadouts; frame may be empty (no readouts, no anchors).
    PlacementAids(QWidget* parent, ElementKind kind, std::vector<PlacementPair*> rows,
                  std::function<NoteFrame()> frame);

    // "Anchor:" at column, the drop-down over the next two columns.
    void AddToGrid(QGridLayout* grid, int row, int column) const;
    // The readouts and the drop-down for the element as it stands.
    void Follow(const SkinElement& element);
    std::optional<NoteFrame> Frame() const;
    QComboBox* AnchorBox() const { return m_anchor; }

signals:
    void AnchorChosen(AnchorPreset preset);

private:
    std::vector<PlacementPair*> m_rows;
    std::function<NoteFrame()> m_frame;
    std::vector<AnchorPreset> m_presets;
    QLabel* m_label;
    QComboBox* m_anchor;
};
