#pragma once

#include "dialogs/ElementDlg.h"

struct HStripRecord;
struct StripCommon;
struct VStripRecord;
class ColourPick;
class IntegerBox;
class PlacementPair;
class QGridLayout;
class QRadioButton;

// What the two strip dialogs share: the " Type " group (bitmap, fade fill, solid or pen colour, with
// the source, the colours and the alpha value) and the " Range " group of three placements.
class QStripDlg : public QElementDlg {
    Q_OBJECT
public:
    IntegerBox* WidthBox() const { return m_width; }
    IntegerBox* HeightBox() const { return m_height; }
    QRadioButton* TypeRadio(int type) const { return m_types[type]; }
    ColourPick* SolidColour() const { return m_solid; }

protected:
    // Horizontal strips take three placement modes, vertical ones six.
    QStripDlg(EditContext& context, StripCommon& strip, bool vertical, QWidget* parent);
    void ApplyStrip();

    PlacementPair* m_left;
    PlacementPair* m_top;
    PlacementPair* m_end; // "Right:" of a horizontal strip, "Bottom:" of a vertical one
    QGridLayout* m_range = nullptr;
    IntegerBox* m_width;
    IntegerBox* m_height;

private:
    void BuildType();
    void BuildRange(bool vertical);

    StripCommon& m_strip;
    QRadioButton* m_types[4];
    ColourPick* m_solid;
    ColourPick* m_start;
    ColourPick* m_endColour;
    IntegerBox* m_alpha;
    IntegerBox* m_sourceX;
    IntegerBox* m_sourceY;
};

// "HStrip": a band of fixed height between a left and a right position.
class QItemHStripDlg : public QStripDlg {
    Q_OBJECT
public:
    QItemHStripDlg(EditContext& context, HStripRecord& strip, QWidget* parent);

private:
    void ApplyKind() override;
    SkinElement::Record CurrentRecord() const override;
    void ShowPlacements(const SkinElement::Record& record) override;
    HStripRecord& m_record;
};

// "VStrip": a column of fixed width between a top and a bottom position.
class QItemVStripDlg : public QStripDlg {
    Q_OBJECT
public:
    QItemVStripDlg(EditContext& context, VStripRecord& strip, QWidget* parent);

private:
    void ApplyKind() override;
    SkinElement::Record CurrentRecord() const override;
    void ShowPlacements(const SkinElement::Record& record) override;
    VStripRecord& m_record;
};
