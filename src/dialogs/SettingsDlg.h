#pragma once

#include "dialogs/ItemDlg.h"

struct SkinLayout;
class IntegerBox;
class PlacementPair;
class QBoxLayout;
class QCheckBox;
class SizeLimitRow;

// "Layout": the borders, sizes, title bar and scroll bar of the note, for the default layout or a
// Layout element. The name is taken on OK only; the default layout's name box reads "Default layout".
class QSettingsDlg : public QItemDlg {
    Q_OBJECT
public:
    QSettingsDlg(EditContext& context, SkinLayout& layout, bool defaultLayout, QWidget* parent);

    IntegerBox* RolledHeight() const { return m_rolledHeight; }
    QCheckBox* EnableScrollbar() const { return m_useScrollbar; }
    SizeLimitRow* ScrollWidthLimit() const { return m_widthLimit; }
    SizeLimitRow* ScrollHeightLimit() const { return m_heightLimit; }

private:
    void BuildTitleBar(QWidget* parent, QBoxLayout* into);
    void BuildBorders(QWidget* parent, QBoxLayout* into);
    void BuildSizes();
    void BuildScrollbars();
    void Show();
    // The pixel each placement lands on at the preview's note size.
    void ShowReadouts();
    void DisableForStack();
    void Apply() override;
    void Commit() override;

    SkinLayout& m_layout;
    PlacementPair* m_titleLeft;
    PlacementPair* m_titleTop;
    PlacementPair* m_titleRight;
    IntegerBox* m_titleHeight;
    IntegerBox* m_top;
    IntegerBox* m_left;
    IntegerBox* m_right;
    IntegerBox* m_bottom;
    IntegerBox* m_minWidth;
    IntegerBox* m_minHeight;
    IntegerBox* m_rolledHeight;
    QCheckBox* m_useScrollbar;
    IntegerBox* m_thumbHeight;
    PlacementPair* m_scrollLeft;
    PlacementPair* m_scrollTop;
    PlacementPair* m_scrollBottom;
    IntegerBox* m_scrollWidth;
    SizeLimitRow* m_widthLimit;
    SizeLimitRow* m_heightLimit;
};
