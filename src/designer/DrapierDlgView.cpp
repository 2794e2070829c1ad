// The main window's preview, skin modes, colours and keys.
#include "designer/DrapierDlg.h"

#include "designer/CommandIds.h"
#include "designer/HelpText.h"
#include "designer/NoteSettingsBox.h"
#include "designer/PreviewView.h"
#include "designer/UndoSteps.h"
#include "designer/WindowTitle.h"
#include "dialogs/AboutDlg.h"
#include "document/FocusUse.h"
#include "document/StyleString.h"
#include "render/RenderPreview.h"
#include "widgets/ColourSwatch.h"
#include "widgets/Prompter.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMimeData>
#include <QUndoStack>

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
    const Canvas& buffer = m_preview->Buffer();
    const QSize size = m_preview->BufferSize();
    if (buffer.Width() != size.width() || buffer.Height() != size.height())
        m_preview->Picture().Resize(size.width(), size.height());
    if (buffer.IsValid())
        m_preview->Picture().Rebuild(m_document, CurrentNoteSettings(), CurrentPreviewOptions());
    // The preview magnifier shows this same buffer.
    m_preview->update();
    RepaintPreviewMagnifier();
}

void CDrapierDlg::RebuildPreviewPart(const CanvasRect& part) {
    const Canvas& buffer = m_preview->Buffer();
    if (!buffer.IsValid() || QSize(buffer.Width(), buffer.Height()) != m_preview->BufferSize())
        return RebuildPreviewPicture();
    m_preview->Picture().RebuildPart(m_document, CurrentNoteSettings(), CurrentPreviewOptions(), part);
    m_preview->update();
    RepaintPreviewMagnifier();
}

void CDrapierDlg::RedrawPreviewOnly() {
    if (m_treeReady && m_preview)
        RebuildPreviewPicture();
    if (m_treeReady)
        GreyTree();
}

void CDrapierDlg::RedrawPreview() {
    RedrawPreviewOnly();
    LintDocumentChanged();
    StateSheetFollowDocument();
}

void CDrapierDlg::MarkDirty() {
    // A change that no undo step records: no state in the history is the saved one any more.
    m_history->Stack()->resetClean();
    m_dirty = true;
    UpdateTitle();
    LintDocumentChanged();
}

void CDrapierDlg::MarkClean() {
    m_history->Stack()->setClean();
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

void CDrapierDlg::UpdateRegionSwatch() {
    m_regionSwatch->SetColour(m_document.settings.region);
    // On a picture without alpha the region colour is what counts as empty.
    RefreshSourceView();
}

void CDrapierDlg::PickStickyColour() {
    if (const auto colour = m_prompter.ChooseColour(this, m_noteBox->StickyColour())) {
        m_noteBox->SetStickyColour(*colour);
        RedrawPreviewOnly();
    }
}

void CDrapierDlg::PickPenColour() {
    if (const auto colour = m_prompter.ChooseColour(this, m_noteBox->PenColour())) {
        m_noteBox->SetPenColour(*colour);
        // Pen-coloured strips and tiles would otherwise show the old colour until the next change.
        RedrawPreviewOnly();
    }
}

void CDrapierDlg::PickRegionColour() {
    const Colour region = m_document.settings.region;
    if (const auto colour =
            m_prompter.ChooseColour(this, region == kNoColour ? MakeColour(0, 0, 0) : region)) {
        BeginEdit();
        m_document.settings.region = *colour;
        UpdateRegionSwatch();
        RedrawPreview();
        CommitEdit(QStringLiteral("Region Colour"), SelectedEntry());
    }
}

void CDrapierDlg::ClearRegionColour() {
    BeginEdit();
    m_document.settings.region = kNoColour;
    UpdateRegionSwatch();
    RedrawPreview();
    CommitEdit(QStringLiteral("Clear Region Colour"), SelectedEntry());
}

void CDrapierDlg::PickStackDefaultColour() {
    const QString style = m_document.settings.defaultstyle;
    if (const auto colour = m_prompter.ChooseColour(this, StyleNoteColour(style))) {
        BeginEdit();
        m_document.settings.defaultstyle = StyleWithNoteColour(style, *colour);
        CommitEdit(QStringLiteral("Stack Skin Default Colour"), SelectedEntry());
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
