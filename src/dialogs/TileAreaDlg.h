#pragma once

#include "dialogs/DialogControls.h"
#include "dialogs/ElementDlg.h"

#include <array>

struct TileAreaRecord;
class ColourPick;
class PlacementPair;
class QRadioButton;

// "TileArea": a rectangle between two corners filled with a solid colour, a tiled picture or the pen
// colour.
class QItemTileAreaDlg : public QElementDlg {
    Q_OBJECT
public:
    QItemTileAreaDlg(EditContext& context, TileAreaRecord& area, QWidget* parent);

    QRadioButton* TypeRadio(int type) const { return m_types[type]; }

private:
    void ApplyKind() override;
    SkinElement::Record CurrentRecord() const override;
    void ShowPlacements(const SkinElement::Record& record) override;

    TileAreaRecord& m_record;
    std::array<QRadioButton*, 3> m_types;
    ColourPick* m_solid;
    SourceBoxes m_source;
    IntegerBox* m_width;
    IntegerBox* m_height;
    PlacementPair* m_left;
    PlacementPair* m_top;
    PlacementPair* m_right;
    PlacementPair* m_bottom;
};
