#include "widgets/TreeCtrlEx.h"

#include <QHeaderView>

CTreeCtrlEx::CTreeCtrlEx(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(true);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void CTreeCtrlEx::SetItemColour(QTreeWidgetItem* item, std::optional<QColor> colour,
                                std::optional<QFont> font) {
    if (colour)
        item->setForeground(0, *colour);
    else
        item->setData(0, Qt::ForegroundRole, QVariant());
    if (font)
        item->setFont(0, *font);
    else
        item->setData(0, Qt::FontRole, QVariant());
}

QColor CTreeCtrlEx::ItemColour(const QTreeWidgetItem* item) const {
    const QVariant colour = item->data(0, Qt::ForegroundRole);
    if (colour.isValid())
        return colour.value<QBrush>().color();
    return palette().color(QPalette::Text);
}
