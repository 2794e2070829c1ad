// The main window's editing commands (New, Copy, Delete, Move Up, Move Down, the group menu, the entry
// dialogs) and the undo history every change of the skin goes through.
#include "designer/DrapierDlg.h"

#include "designer/CommandIds.h"
#include "designer/ElementMenu.h"
#include "designer/NoteSettingsBox.h"
#include "designer/PreviewEditor.h"
#include "designer/PreviewView.h"
#include "designer/UndoSteps.h"
#include "document/ElementEditing.h"
#include "document/ElementTree.h"
#include "widgets/FooButton.h"
#include "widgets/KeyPressFilter.h"
#include "widgets/Prompter.h"
#include "widgets/TreeCtrlEx.h"

#include <QMenu>
#include <QUndoStack>
#include <algorithm>

namespace {

const QString kChildNotElement =
    QStringLiteral("Should never be here as children have to be a real element not a group");

// Menu texts show "&" as a mnemonic; element names may hold one.
QString MenuText(QString text) {
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

void CDrapierDlg::BuildEditing() {
    m_history = new DocumentHistory(
        m_document, m_pngPath,
        [this](const DocumentSnapshot& snapshot, int selectEntry) { RestoreSnapshot(snapshot, selectEntry); },
        this);
    QUndoStack* stack = m_history->Stack();
    // The changed mark follows the history: back at the saved state the document is unchanged again.
    connect(stack, &QUndoStack::cleanChanged, this, [this](bool clean) {
        m_dirty = !clean;
        UpdateTitle();
    });
    connect(stack, &QUndoStack::indexChanged, this, &CDrapierDlg::UpdateUndoItems);
    connect(stack, &QUndoStack::cleanChanged, this, &CDrapierDlg::UpdateUndoItems);
    SetCommandHandler(Command::EditUndo, [this] { RunUndo(true); });
    SetCommandHandler(Command::EditRedo, [this] { RunUndo(false); });

    for (const ElementMenuRow& row : ElementMenuRows())
        SetCommandHandler(row.command, [this, kind = row.kind] { CreateElement(kind); });
    SetCommandHandler(Command::StickyMode, [this] { SwitchSkinModeCommand(false); });
    SetCommandHandler(Command::StackMode, [this] { SwitchSkinModeCommand(true); });

    // The chosen item of the element menu runs its command itself.
    connect(m_newButton, &QPushButton::clicked, this, [this] { m_newButton->ShowAttachedMenu(); });
    connect(m_copyButton, &QPushButton::clicked, this, &CDrapierDlg::CopySelected);
    connect(m_deleteButton, &QPushButton::clicked, this, &CDrapierDlg::DeleteSelected);
    connect(m_moveUpButton, &QPushButton::clicked, this, [this] { MoveSelected(true); });
    connect(m_moveDownButton, &QPushButton::clicked, this, [this] { MoveSelected(false); });

    // Every row shows a 16-pixel picture and one line of text; the tree need not measure each of thousands.
    m_tree->setUniformRowHeights(true);
    m_tree->setExpandsOnDoubleClick(false);
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { EditTreeItem(item); });
    connect(m_tree, &QWidget::customContextMenuRequested, this, &CDrapierDlg::ShowGroupMenu);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this] {
        if (m_treeReady)
            RefreshSourceView();
    });
    m_tree->installEventFilter(new KeyPressFilter(
        {Qt::Key_Delete}, [this] { DeleteSelected(); }, m_tree));
    m_tree->installEventFilter(new KeyPressFilter(
        {Qt::Key_Return, Qt::Key_Enter}, [this] { EditTreeItem(m_tree->currentItem()); }, m_tree));

    // Selecting, moving, resizing, nudging and anchoring on the preview.
    new PreviewEditor(*this, *m_preview);
}

void CDrapierDlg::AddUndoItems(QMenu* edit) {
    m_undoAction = edit->addAction(QStringLiteral("&Undo"));
    m_undoAction->setData(Command::EditUndo);
    m_undoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_redoAction = edit->addAction(QStringLiteral("&Redo"));
    m_redoAction->setData(Command::EditRedo);
    m_redoAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edit->addSeparator();
    connect(m_undoAction, &QAction::triggered, this, [this] { RunCommand(Command::EditUndo); });
    connect(m_redoAction, &QAction::triggered, this, [this] { RunCommand(Command::EditRedo); });
    UpdateUndoItems();
}

void CDrapierDlg::UpdateUndoItems() {
    if (!m_undoAction || !m_history)
        return;
    const QUndoStack* stack = m_history->Stack();
    const QString undo = stack->undoText();
    const QString redo = stack->redoText();
    m_undoAction->setText(undo.isEmpty() ? QStringLiteral("&Undo")
                                         : QStringLiteral("&Undo ") + MenuText(undo));
    m_redoAction->setText(redo.isEmpty() ? QStringLiteral("&Redo")
                                         : QStringLiteral("&Redo ") + MenuText(redo));
    m_undoAction->setEnabled(stack->canUndo());
    m_redoAction->setEnabled(stack->canRedo());
}

void CDrapierDlg::RunUndo(bool undo) {
    // Halfway through a pick or an open dialog the document is between two states.
    if (m_history->InEdit())
        return;
    if (undo)
        m_history->Stack()->undo();
    else
        m_history->Stack()->redo();
}

void CDrapierDlg::BeginEdit() {
    m_history->Begin(SelectedEntry());
}

bool CDrapierDlg::CommitEdit(const QString& what, int selectEntry, int runKey) {
    return m_history->Commit(what, selectEntry, runKey);
}

void CDrapierDlg::AbandonEdit() {
    m_history->Abandon();
}

QUndoStack* CDrapierDlg::UndoStack() const {
    return m_history->Stack();
}

void CDrapierDlg::ClearUndo() {
    m_history->Clear();
}

void CDrapierDlg::RestoreSnapshot(const DocumentSnapshot& snapshot, int selectEntry) {
    const bool newPicture = snapshot.pngPath != m_pngPath;
    ::RestoreSnapshot(snapshot, m_document);
    if (newPicture) {
        ReloadSourcePicture(snapshot.pngPath);
        m_document.pngsource = snapshot.pngsource;
    }
    UpdateRegionSwatch();
    const int mode = m_document.settings.mode;
    if ((mode == 0 || mode == 1) && (mode == 1) != m_stackMode)
        SwitchSkinMode(mode == 1);
    RebuildTree(selectEntry);
    RedrawPreview();
    RefreshSourceView();
}

void CDrapierDlg::SwitchSkinModeCommand(bool stackMode) {
    BeginEdit();
    SwitchSkinMode(stackMode);
    CommitEdit(stackMode ? QStringLiteral("Stack Skin Mode") : QStringLiteral("Sticky Skin Mode"),
               SelectedEntry());
}

void CDrapierDlg::SetEntryEditor(EntryEditor editor) {
    m_entryEditor = std::move(editor);
}

void CDrapierDlg::EditEntry(int entry) {
    const int count = static_cast<int>(m_document.elements.size());
    if (!m_entryEditor || entry < -1 || entry >= count)
        return;
    const bool group =
        entry >= 0 && m_document.elements[static_cast<size_t>(entry)].Kind() == ElementKind::Group;
    const QString oldName = entry >= 0 ? m_document.elements[static_cast<size_t>(entry)].Name() : QString();
    BeginEdit();
    const bool ok = m_entryEditor(entry);
    if (ok && group && entry < static_cast<int>(m_document.elements.size())) {
        // The dialog left the typed name; the group takes its final name and its members follow.
        SkinElement& record = m_document.elements[static_cast<size_t>(entry)];
        const QString typed = record.Name();
        record.SetName(oldName);
        RenameGroup(m_document, entry, GroupNameAfterEdit(m_document, entry, typed));
    }
    if (ok)
        RebuildTree(entry);
    RedrawPreview();
    RefreshSourceView();
    // After Cancel the editor has put the entry back, so normally nothing is recorded; whatever still
    // differs is kept as a step rather than lost.
    const QString name =
        entry < 0 ? QStringLiteral("Default Layout") : m_document.elements[static_cast<size_t>(entry)].Name();
    CommitEdit(QStringLiteral("Edit ") + name, entry);
}

void CDrapierDlg::CreateElement(ElementKind kind) {
    BeginEdit();
    m_document.Append(NewElement(m_document, kind, m_noteBox->IsRolled()));
    const int entry = static_cast<int>(m_document.elements.size()) - 1;
    RebuildTree(entry);
    RedrawPreview();
    // The new element and its first edit are one step; after Cancel the new element alone is.
    EditEntry(entry);
    CommitEdit(QStringLiteral("New ") + DefaultElementName(kind), entry);
}

void CDrapierDlg::CopySelected() {
    const int entry = SelectedEntry();
    if (entry < 0)
        return;
    const QString name = m_document.elements[static_cast<size_t>(entry)].Name();
    BeginEdit();
    int skipped = 0;
    const int copy = CopyEntry(m_document, entry, &skipped);
    for (int i = 0; i < skipped; ++i)
        m_prompter.Inform(this, kChildNotElement);
    RebuildTree(copy);
    RedrawPreview();
    CommitEdit(QStringLiteral("Copy ") + name, copy);
}

void CDrapierDlg::DeleteSelected() {
    const int entry = SelectedEntry();
    if (entry < 0)
        return;
    // The item that takes the deleted one's place is selected: the next sibling, else the one before,
    // else the group it stood in.
    const ElementTreeShape shape = TreeShapeOf(m_document);
    const std::vector<int>& siblings = shape.SiblingsOf(entry);
    const auto at = std::find(siblings.begin(), siblings.end(), entry);
    int neighbour = shape.parent[static_cast<size_t>(entry)];
    if (at + 1 != siblings.end())
        neighbour = *(at + 1);
    else if (at != siblings.begin())
        neighbour = *(at - 1);

    const QString name = m_document.elements[static_cast<size_t>(entry)].Name();
    BeginEdit();
    const std::vector<int> removed = DeleteEntry(m_document, entry);
    const int select = neighbour < 0 ? -1 : IndexAfterRemoval(removed, neighbour);
    RebuildTree(select);
    RedrawPreview();
    RefreshSourceView();
    CommitEdit(QStringLiteral("Delete ") + name, select);
}

void CDrapierDlg::MoveSelected(bool up) {
    const int entry = SelectedEntry();
    if (entry < 0)
        return;
    BeginEdit();
    const int moved = MoveEntry(m_document, entry, up ? MoveDirection::Up : MoveDirection::Down);
    if (moved < 0) {
        AbandonEdit();
        return;
    }
    RebuildTree(moved);
    RedrawPreview();
    CommitEdit(up ? QStringLiteral("Move Up") : QStringLiteral("Move Down"), moved);
}

void CDrapierDlg::SetSelectedGroup(const QString& group) {
    const int entry = SelectedEntry();
    if (!OffersGroupMenu(m_document, entry))
        return;
    BeginEdit();
    SetEntryGroup(m_document, entry, group);
    RebuildTree(entry);
    RedrawPreview();
    RefreshSourceView();
    CommitEdit(group.isEmpty() ? QStringLiteral("No Group") : QStringLiteral("Group ") + group, entry);
}
