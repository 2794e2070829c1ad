// The main window's preview, tree, skin modes, colours and keys.
#include "designer/DrapierDlg.h"

#include "designer/CommandIds.h"
#include "designer/ElementTreeLayout.h"
#include "designer/FocusUse.h"
#include "designer/HelpText.h"
#include "designer/NoteSettingsBox.h"
#include "designer/Pictures.h"
#include "designer/PreviewView.h"
#include "designer/SourceView.h"
#include "designer/WindowTitle.h"
#include "dialogs/AboutDlg.h"
#include "document/StyleString.h"
#include "render/DrawConditions.h"
#include "render/RenderPreview.h"
#include "render/SampleNoteState.h"
#include "widgets/ColourSwatch.h"
#include "widgets/Prompter.h"
#include "widgets/TreeCtrlEx.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMimeData>

namespace {
const QColor kGreyedItem(128, 128, 128);
constexpr int kEntryRole = Qt::UserRole;
} // namespace

NoteSettings CDrapierDlg::CurrentNoteSettings() const {
    NoteSettings settings = m_noteBox->Settings();
    settings.stackmode = m_stackMode;
    return settings;
}

PreviewOptions CDrapierDlg::CurrentPreviewOptions() const {
    PreviewOptions options;
    options.highlightareas = m_highlightAreas->isChecked();
    options.highlightselected = m_highlightSelected->isChecked();
    options.selectedelement = SelectedEntry();
    options.stackmode = m_stackMode;
    return options;
}

const Canvas& CDrapierDlg::PreviewBuffer() const {
    return m_preview->Buffer();
}

void CDrapierDlg::RebuildPreviewPicture() {
    Canvas& buffer = m_preview->Buffer();
    const QSize size = m_preview->BufferSize();
    if (buffer.Width() != size.width() || buffer.Height() != size.height())
        buffer.Create(size.width(), size.height());
    if (!buffer.IsValid())
        return;
    RenderPreview(m_document, CurrentNoteSettings(), CurrentPreviewOptions(), buffer);
}

void CDrapierDlg::RedrawPreview() {
    if (m_preview) {
        RebuildPreviewPicture();
        m_preview->update();
    }
    if (m_treeReady)
        GreyTree();
    StateSheetFollowDocument();
}

void CDrapierDlg::MarkDirty() {
    m_dirty = true;
    UpdateTitle();
}

void CDrapierDlg::MarkClean() {
    m_dirty = false;
    UpdateTitle();
}

void CDrapierDlg::UpdateTitle() {
    setWindowTitle(WindowTitle(m_skinPath, m_dirty));
}

void CDrapierDlg::SwitchSkinMode(bool stackMode) {
    m_stackMode = stackMode;
    m_document.settings.mode = stackMode ? 1 : 0;
    m_noteBox->ApplyMode(stackMode);
    m_highlightAreas->setText(stackMode ? QStringLiteral("Title/Border Areas")
                                        : QStringLiteral("Title/Text/Scroll Areas"));
    RedrawPreview();
}

int CDrapierDlg::SelectedEntry() const {
    const QTreeWidgetItem* item = m_tree->currentItem();
    if (!item || item == m_defaultLayoutItem || item == m_elementsItem)
        return -1;
    return item->data(0, kEntryRole).toInt();
}

void CDrapierDlg::RebuildTree(int selectEntry) {
    const bool wasReady = m_treeReady;
    m_treeReady = false;
    qDeleteAll(m_elementsItem->takeChildren());
    m_treeReady = wasReady;

    std::map<int, QTreeWidgetItem*> groupItems;
    QTreeWidgetItem* selected = nullptr;
    for (const TreePlace& place : PlaceElementsInTree(m_document)) {
        const SkinElement& entry = m_document.elements[place.entry];
        QTreeWidgetItem* parent = place.parent < 0 ? m_elementsItem : groupItems[place.parent];
        auto* item = new QTreeWidgetItem(parent, {entry.Name()});
        item->setData(0, kEntryRole, place.entry);
        const int picture = TreePictureOf(entry);
        if (picture >= 0)
            item->setIcon(0, PictureStrip()[picture]);
        if (entry.Kind() == ElementKind::Group) {
            groupItems[place.entry] = item;
            item->setExpanded(true);
        }
        if (place.entry == selectEntry)
            selected = item;
    }
    m_elementsItem->setExpanded(true);
    if (selected)
        m_tree->setCurrentItem(selected);
}

void CDrapierDlg::GreyTree() {
    const NoteState state = SampleNoteState(CurrentNoteSettings(), m_document);
    m_tree->SetItemColour(m_defaultLayoutItem, IsDefaultLayoutShown(m_document, state)
                                                   ? std::nullopt
                                                   : std::optional<QColor>(kGreyedItem));
    for (QTreeWidgetItemIterator it(m_elementsItem); *it; ++it) {
        QTreeWidgetItem* item = *it;
        if (item == m_elementsItem)
            continue;
        const int entry = item->data(0, kEntryRole).toInt();
        const bool shown = IsEntryShown(m_document, entry, state);
        m_tree->SetItemColour(item, shown ? std::nullopt : std::optional<QColor>(kGreyedItem));
    }
}

void CDrapierDlg::UpdateRegionSwatch() {
    m_regionSwatch->SetColour(m_document.settings.region);
}

void CDrapierDlg::PickStickyColour() {
    if (const auto colour = m_prompter.ChooseColour(this, m_noteBox->StickyColour())) {
        m_noteBox->SetStickyColour(*colour);
        RedrawPreview();
    }
}

void CDrapierDlg::PickPenColour() {
    if (const auto colour = m_prompter.ChooseColour(this, m_noteBox->PenColour())) {
        m_noteBox->SetPenColour(*colour);
        // Pen-coloured strips and tiles would otherwise show the old colour until the next change.
        RedrawPreview();
    }
}

void CDrapierDlg::PickRegionColour() {
    const Colour region = m_document.settings.region;
    if (const auto colour =
            m_prompter.ChooseColour(this, region == kNoColour ? MakeColour(0, 0, 0) : region)) {
        m_document.settings.region = *colour;
        UpdateRegionSwatch();
        RedrawPreview();
        MarkDirty();
    }
}

void CDrapierDlg::ClearRegionColour() {
    m_document.settings.region = kNoColour;
    UpdateRegionSwatch();
    RedrawPreview();
    MarkDirty();
}

void CDrapierDlg::PickStackDefaultColour() {
    const QString style = m_document.settings.defaultstyle;
    if (const auto colour = m_prompter.ChooseColour(this, StyleNoteColour(style))) {
        m_document.settings.defaultstyle = StyleWithNoteColour(style, *colour);
        MarkDirty();
    }
}

void CDrapierDlg::ShowHelp() {
    m_prompter.Inform(this, HelpText());
}

void CDrapierDlg::ShowAbout() {
    QAboutDlg about(windowIcon(), this);
    about.exec();
}

void CDrapierDlg::CheckFocusUse() {
    if (SkinUsesFocus(m_document))
        m_prompter.Inform(this, QStringLiteral("yes"));
}

void CDrapierDlg::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        // Neither closes the designer.
        event->accept();
        return;
    default:
        CResizingDialog::keyPressEvent(event);
    }
}

void CDrapierDlg::reject() {
    // Only the close box and Exit end the designer, and they pass through the save prompt first.
    if (m_closing)
        CResizingDialog::reject();
}

void CDrapierDlg::closeEvent(QCloseEvent* event) {
    if (!SavePromptAllowsGoingOn()) {
        event->ignore();
        return;
    }
    m_closing = true;
    CResizingDialog::closeEvent(event);
    m_closing = false;
}

void CDrapierDlg::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CDrapierDlg::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        paths << url.toLocalFile();
    if (OpenDroppedFiles(paths))
        event->acceptProposedAction();
}
