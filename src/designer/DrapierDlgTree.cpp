// The main window's element tree: rebuilding it from the document, greying it for the simulated note,
// the selection, and the group menu of a right click.
#include "designer/DrapierDlg.h"

#include "designer/CommandIds.h"
#include "designer/ElementTreeLayout.h"
#include "designer/Pictures.h"
#include "document/ElementEditing.h"
#include "render/DrawConditions.h"
#include "render/SampleNoteState.h"
#include "widgets/BitmapMenu.h"
#include "widgets/Prompter.h"
#include "widgets/TreeCtrlEx.h"

#include <QMenu>

namespace {
const QColor kGreyedItem(128, 128, 128);
constexpr int kEntryRole = Qt::UserRole;

int EntryOf(const QTreeWidgetItem* item) {
    return item->data(0, kEntryRole).toInt();
}
} // namespace

int CDrapierDlg::SelectedEntry() const {
    const QTreeWidgetItem* item = m_tree->currentItem();
    if (!item || item == m_defaultLayoutItem || item == m_elementsItem)
        return -1;
    return EntryOf(item);
}

void CDrapierDlg::RebuildTree(int selectEntry) {
    const bool wasReady = m_treeReady;
    m_treeReady = false;
    qDeleteAll(m_elementsItem->takeChildren());

    // The items are put together off the tree and inserted at once: one insertion instead of thousands.
    const int count = static_cast<int>(m_document.elements.size());
    std::vector<QTreeWidgetItem*> items(static_cast<size_t>(count), nullptr);
    QList<QTreeWidgetItem*> top;
    const QList<QIcon>& pictures = PictureStrip();
    for (const TreePlace& place : PlaceElementsInTree(m_document)) {
        const SkinElement& entry = m_document.elements[static_cast<size_t>(place.entry)];
        auto* item = new QTreeWidgetItem(QStringList{entry.Name()});
        item->setData(0, kEntryRole, place.entry);
        const int picture = TreePictureOf(entry);
        if (picture >= 0)
            item->setIcon(0, pictures[picture]);
        items[static_cast<size_t>(place.entry)] = item;
        if (place.parent < 0)
            top.append(item);
        else
            items[static_cast<size_t>(place.parent)]->addChild(item);
    }
    m_elementsItem->addChildren(top);
    m_elementsItem->setExpanded(true);
    for (int i = 0; i < count; ++i) {
        if (m_document.elements[static_cast<size_t>(i)].Kind() == ElementKind::Group)
            items[static_cast<size_t>(i)]->setExpanded(true);
    }
    m_treeReady = wasReady;
    if (selectEntry >= 0 && selectEntry < count) {
        m_tree->setCurrentItem(items[static_cast<size_t>(selectEntry)]);
        m_tree->scrollToItem(items[static_cast<size_t>(selectEntry)]);
    }
}

void CDrapierDlg::GreyTree() {
    const NoteState state = SampleNoteState(CurrentNoteSettings(), m_document);
    m_tree->SetItemColour(m_defaultLayoutItem, IsDefaultLayoutShown(m_document, state)
                                                   ? std::nullopt
                                                   : std::optional<QColor>(kGreyedItem));
    const std::vector<bool> shownEntries = EntriesShown(m_document, state);
    for (QTreeWidgetItemIterator it(m_elementsItem); *it; ++it) {
        QTreeWidgetItem* item = *it;
        if (item == m_elementsItem)
            continue;
        const int entry = EntryOf(item);
        if (entry < 0 || entry >= static_cast<int>(shownEntries.size()))
            continue;
        const ElementKind kind = m_document.elements[static_cast<size_t>(entry)].Kind();
        if (kind < ElementKind::Button || kind > ElementKind::Layout)
            m_prompter.Inform(this, QStringLiteral("Should never be here"));
        const bool shown = shownEntries[static_cast<size_t>(entry)];
        m_tree->SetItemColour(item, shown ? std::nullopt : std::optional<QColor>(kGreyedItem));
    }
}

QTreeWidgetItem* CDrapierDlg::TreeItemOf(int entry) const {
    for (QTreeWidgetItemIterator it(m_elementsItem); *it; ++it) {
        if (*it != m_elementsItem && EntryOf(*it) == entry)
            return *it;
    }
    return nullptr;
}

void CDrapierDlg::SelectEntry(int entry) {
    if (QTreeWidgetItem* item = TreeItemOf(entry)) {
        m_tree->setCurrentItem(item);
        m_tree->scrollToItem(item);
    }
}

void CDrapierDlg::RefreshTreeItem(int entry) {
    if (QTreeWidgetItem* item = RefreshTreePicture(entry))
        item->setText(0, m_document.elements[static_cast<size_t>(entry)].Name());
}

QTreeWidgetItem* CDrapierDlg::RefreshTreePicture(int entry) {
    QTreeWidgetItem* item = TreeItemOf(entry);
    if (!item || entry >= static_cast<int>(m_document.elements.size()))
        return nullptr;
    const int picture = TreePictureOf(m_document.elements[static_cast<size_t>(entry)]);
    item->setIcon(0, picture >= 0 ? PictureStrip()[picture] : QIcon());
    return item;
}

void CDrapierDlg::EditTreeItem(QTreeWidgetItem* item) {
    if (!item || item == m_elementsItem)
        return;
    EditEntry(item == m_defaultLayoutItem ? -1 : EntryOf(item));
}

void CDrapierDlg::ShowGroupMenu(const QPoint& position) {
    QTreeWidgetItem* item = m_tree->itemAt(position);
    if (!item)
        return;
    m_tree->setCurrentItem(item);
    const int entry = SelectedEntry();
    if (!OffersGroupMenu(m_document, entry))
        return;
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("groupMenu"));
    const std::vector<int> groups = GroupEntries(m_document);
    for (size_t i = 0; i < groups.size(); ++i) {
        QString name = m_document.elements[static_cast<size_t>(groups[i])].Name();
        menu.addAction(name.replace(QLatin1Char('&'), QStringLiteral("&&")))
            ->setData(Command::GroupMenuFirst + static_cast<int>(i));
    }
    menu.addSeparator();
    menu.addAction(QStringLiteral("-- No group --"))->setData(Command::NoGroup);
    const int chosen = CommandOf(menu.exec(m_tree->viewport()->mapToGlobal(position)));
    if (chosen == Command::NoGroup) {
        SetSelectedGroup(QString());
    } else if (chosen >= Command::GroupMenuFirst &&
               chosen < Command::GroupMenuFirst + static_cast<int>(groups.size())) {
        // The menu was modal; the document is as it was when it opened.
        const int group = groups[static_cast<size_t>(chosen - Command::GroupMenuFirst)];
        SetSelectedGroup(m_document.elements[static_cast<size_t>(group)].Name());
    }
}
