#include "dialogs/SettingsDlg.h"

#include "dialogs/DialogControls.h"
#include "dialogs/EditContext.h"
#include "dialogs/PlacementPair.h"
#include "dialogs/SizeLimitRow.h"
#include "document/SkinLayout.h"
#include "widgets/IntegerBox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

const QString kDefaultLayoutName = QStringLiteral("Default layout");

} // namespace

QSettingsDlg::QSettingsDlg(EditContext& context, SkinLayout& layout, bool defaultLayout, QWidget* parent)
    : QItemDlg(context, QStringLiteral("Layout"), parent), m_layout(layout) {
    QLineEdit* name = AddNameRow();
    name->setText(defaultLayout ? kDefaultLayoutName : layout.name);
    name->setEnabled(!defaultLayout);

    auto* top = new QHBoxLayout;
    MainLayout()->addLayout(top);
    BuildTitleBar(this, top);
    BuildBorders(this, top);
    BuildSizes();
    BuildScrollbars();
    AddOkCancel();
    Show();
    if (StackMode())
        DisableForStack();
    SetReady();
}

void QSettingsDlg::BuildTitleBar(QWidget* parent, QBoxLayout* into) {
    QGridLayout* grid = AddGroupBox(parent, QStringLiteral(" Title bar "), into);
    QWidget* group = grid->parentWidget();
    m_titleLeft = new PlacementPair(group, QStringLiteral("Left:"), false, false);
    m_titleTop = new PlacementPair(group, QStringLiteral("Top:"), false, false);
    m_titleRight = new PlacementPair(group, QStringLiteral("Right:"), false, false);
    int row = 0;
    for (PlacementPair* pair : {m_titleLeft, m_titleTop, m_titleRight}) {
        pair->AddToGrid(grid, row++, 0);
        WatchPair(pair);
    }
    m_titleHeight = AddNumberRow(grid, row, 0, QStringLiteral("Height:"), 0, 9999);
    WatchNumber(m_titleHeight);
    grid->setRowStretch(row + 1, 1);
    grid->setColumnStretch(3, 1);
}

void QSettingsDlg::BuildBorders(QWidget* parent, QBoxLayout* into) {
    QGridLayout* grid = AddGroupBox(parent, QStringLiteral(" Borders "), into);
    m_top = AddNumberRow(grid, 0, 0, QStringLiteral("Top Border:"), 0, 9999);
    m_left = AddNumberRow(grid, 1, 0, QStringLiteral("Left Border:"), 0, 9999);
    m_right = AddNumberRow(grid, 2, 0, QStringLiteral("Right Border:"), 0, 9999);
    m_bottom = AddNumberRow(grid, 3, 0, QStringLiteral("Bottom Border:"), 0, 9999);
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(2, 1);
    for (IntegerBox* box : {m_top, m_left, m_right, m_bottom})
        WatchNumber(box);
}

void QSettingsDlg::BuildSizes() {
    QGridLayout* grid = AddGroupBox(this, QStringLiteral(" Sizes "), MainLayout());
    m_minWidth = AddNumberRow(grid, 0, 0, QStringLiteral("Min Width:"), 0, 9999);
    m_minHeight = AddNumberRow(grid, 0, 2, QStringLiteral("Min Height:"), 0, 9999);
    m_rolledHeight = AddNumberRow(grid, 0, 4, QStringLiteral("Rolled Height:"), 0, 9999);
    grid->setColumnStretch(6, 1);
    for (IntegerBox* box : {m_minWidth, m_minHeight, m_rolledHeight})
        WatchNumber(box);
}

void QSettingsDlg::BuildScrollbars() {
    QGridLayout* outer = AddGroupBox(this, QStringLiteral(" Scrollbars "), MainLayout());
    QWidget* group = outer->parentWidget();
    m_useScrollbar = new QCheckBox(QStringLiteral("Enable Scrollbar"), group);
    outer->addWidget(m_useScrollbar, 0, 0);
    auto* thumbRow = new QGridLayout;
    outer->addLayout(thumbRow, 0, 1);
    m_thumbHeight = AddNumberRow(thumbRow, 0, 0, QStringLiteral("Minimum thumbtrack height:"), 0, 9999);
    thumbRow->setColumnStretch(2, 1);
    Watch(m_useScrollbar, &QCheckBox::clicked);
    WatchNumber(m_thumbHeight);

    auto* inner = new QHBoxLayout;
    outer->addLayout(inner, 1, 0, 1, 2);
    QGridLayout* range = AddGroupBox(group, QStringLiteral(" Range "), inner);
    QWidget* rangeGroup = range->parentWidget();
    m_scrollLeft = new PlacementPair(rangeGroup, QStringLiteral("Left:"), false, false);
    m_scrollTop = new PlacementPair(rangeGroup, QStringLiteral("Top:"), false, false);
    m_scrollBottom = new PlacementPair(rangeGroup, QStringLiteral("Bottom:"), false, false);
    int row = 0;
    for (PlacementPair* pair : {m_scrollLeft, m_scrollTop, m_scrollBottom}) {
        pair->AddToGrid(range, row++, 0);
        WatchPair(pair);
    }
    m_scrollWidth = AddNumberRow(range, row, 0, QStringLiteral("Width:"), 0, 9999);
    WatchNumber(m_scrollWidth);
    range->setColumnStretch(3, 1);

    QGridLayout* conditions = AddGroupBox(group, QStringLiteral(" Conditions "), inner);
    QWidget* conditionGroup = conditions->parentWidget();
    m_widthLimit = new SizeLimitRow(conditionGroup, QStringLiteral("No scrollbar when width is"));
    m_heightLimit = new SizeLimitRow(conditionGroup, QStringLiteral("No scrollbar when height is"));
    m_widthLimit->AddToGrid(conditions, 0, 0);
    m_heightLimit->AddToGrid(conditions, 1, 0);
    conditions->setRowStretch(2, 1);
    for (SizeLimitRow* limit : {m_widthLimit, m_heightLimit}) {
        Watch(limit, &SizeLimitRow::Changed);
        Integers().Require(limit->NumberBox(), [limit] { return limit->IsChecked(); });
    }
}

void QSettingsDlg::Show() {
    m_titleLeft->Show(m_layout.titlebar.left);
    m_titleTop->Show(m_layout.titlebar.top);
    m_titleRight->Show(m_layout.titlebar.right);
    m_titleHeight->SetValue(m_layout.titlebar.height);
    m_top->SetValue(m_layout.top);
    m_left->SetValue(m_layout.left);
    m_right->SetValue(m_layout.right);
    m_bottom->SetValue(m_layout.bottom);
    m_minWidth->SetValue(m_layout.minimumwidth);
    m_minHeight->SetValue(m_layout.minimumheight);
    m_rolledHeight->SetValue(m_layout.rolledheight);
    m_useScrollbar->setChecked(m_layout.usescrollbar);
    m_thumbHeight->SetValue(m_layout.minimumthumbtrackheight);
    m_scrollLeft->Show(m_layout.scrollbar.left);
    m_scrollTop->Show(m_layout.scrollbar.top);
    m_scrollBottom->Show(m_layout.scrollbar.bottom);
    m_scrollWidth->SetValue(m_layout.scrollbar.width);
    m_widthLimit->Show(m_layout.scrollbardrawwidthminimum, m_layout.scrollbardrawwidthmaximum);
    m_heightLimit->Show(m_layout.scrollbardrawheightminimum, m_layout.scrollbardrawheightmaximum);
    ShowReadouts();
}

void QSettingsDlg::ShowReadouts() {
    PlacementPair* const rows[] = {m_titleLeft,  m_titleTop,  m_titleRight,
                                   m_scrollLeft, m_scrollTop, m_scrollBottom};
    std::vector<int> pixels;
    if (Context().noteFrame) {
        const NoteFrame frame = Context().noteFrame();
        pixels = LayoutReadouts(m_layout, frame.width, frame.height);
    }
    for (size_t i = 0; i < std::size(rows); ++i)
        rows[i]->ShowPixel(i < pixels.size() ? std::optional<int>(pixels[i]) : std::nullopt);
}

void QSettingsDlg::DisableForStack() {
    // A stack is never rolled up and never scrolls.
    m_rolledHeight->setEnabled(false);
    m_useScrollbar->setEnabled(false);
    m_thumbHeight->setEnabled(false);
    for (PlacementPair* pair : {m_scrollLeft, m_scrollTop, m_scrollBottom})
        pair->SetEnabled(false);
    m_scrollWidth->setEnabled(false);
    m_widthLimit->SetEnabled(false);
    m_heightLimit->SetEnabled(false);
}

void QSettingsDlg::Apply() {
    m_layout.titlebar = {m_titleLeft->Read(), m_titleTop->Read(), m_titleRight->Read(),
                         m_titleHeight->Value()};
    m_layout.top = m_top->Value();
    m_layout.left = m_left->Value();
    m_layout.right = m_right->Value();
    m_layout.bottom = m_bottom->Value();
    m_layout.minimumwidth = m_minWidth->Value();
    m_layout.minimumheight = m_minHeight->Value();
    m_layout.rolledheight = m_rolledHeight->Value();
    m_layout.usescrollbar = m_useScrollbar->isChecked();
    m_layout.minimumthumbtrackheight = m_thumbHeight->Value();
    m_layout.scrollbar = {m_scrollLeft->Read(), m_scrollTop->Read(), m_scrollBottom->Read(),
                          m_scrollWidth->Value()};
    m_widthLimit->Store(&m_layout.scrollbardrawwidthminimum, &m_layout.scrollbardrawwidthmaximum);
    m_heightLimit->Store(&m_layout.scrollbardrawheightminimum, &m_layout.scrollbardrawheightmaximum);
    ShowReadouts();
}

void QSettingsDlg::Commit() {
    Apply();
    m_layout.name = NameBox()->text();
}
