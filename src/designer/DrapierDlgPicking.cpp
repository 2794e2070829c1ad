// The main window's source view and picking on it, and the state the preview is drawn in.
#include "designer/DrapierDlg.h"

#include "designer/PreviewView.h"
#include "designer/SourceView.h"
#include "document/SourcePicking.h"
#include "render/PlacementGeometry.h"
#include "render/SampleNoteState.h"
#include "render/SourceViewPicture.h"
#include "widgets/TreeCtrlEx.h"

#include <QGuiApplication>

const SkinElement* CDrapierDlg::SelectedElement() const {
    const int entry = SelectedEntry();
    return entry >= 0 && entry < static_cast<int>(m_document.elements.size()) ? &m_document.elements[entry]
                                                                              : nullptr;
}

Colour CDrapierDlg::FaceColour() const {
    const QColor face = m_sourceView->palette().color(QPalette::Window);
    return MakeColour(face.red(), face.green(), face.blue());
}

void CDrapierDlg::RefreshSourceView() {
    m_sourceView->SetPictureSize(
        m_sourceImage.IsValid() ? QSize(m_sourceImage.Width(), m_sourceImage.Height()) : QSize());
    DrawSourceView(m_sourceImage, SelectedElement(), m_sourceView->width(), m_sourceView->height(),
                   FaceColour(), m_sourceView->Composed());
    m_sourceView->update();
    RepaintSourceMagnifier();
}

const Canvas& CDrapierDlg::SourceMagnifierPicture() {
    // The source view's picture at the picture's own size, whatever part of it the view shows.
    if (!DrawSourceView(m_sourceImage, SelectedElement(), m_sourceImage.Width(), m_sourceImage.Height(),
                        FaceColour(), m_sourceMagnifierPicture))
        m_sourceMagnifierPicture.Clear();
    return m_sourceMagnifierPicture;
}

int CDrapierDlg::PickableEntry() const {
    // An element inside a group keeps its source: only the direct children of "Elements" are picked.
    const QTreeWidgetItem* item = m_tree->currentItem();
    if (!item || item->parent() != m_elementsItem)
        return -1;
    return SelectedEntry();
}

void CDrapierDlg::PickAt(const QPoint& point, Qt::MouseButton button) {
    if (button != Qt::LeftButton && button != Qt::RightButton)
        return;
    if (!m_sourceView->PictureRect().contains(point))
        return;
    const int entry = PickableEntry();
    if (entry < 0)
        return;
    // Shift as it is held now, not as it was when the event was queued.
    const bool shift = QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier;
    const PickButton pick = button == Qt::LeftButton ? PickButton::Left : PickButton::Right;
    const bool starting = !m_picking;
    if (starting)
        BeginEdit();
    if (!PickSource(m_document.elements[static_cast<size_t>(entry)], pick, shift, point.x(), point.y())) {
        if (starting)
            AbandonEdit();
        return;
    }
    if (starting) {
        m_picking = true;
        m_pickWhat = pick == PickButton::Left ? QStringLiteral("Pick Source") : QStringLiteral("Pick Size");
    }
    RedrawPreview();
    RefreshSourceView();
}

void CDrapierDlg::EndPick(Qt::MouseButtons held) {
    // Button down to the last button up is one step, however long the drag.
    if (!m_picking || (held & (Qt::LeftButton | Qt::RightButton)))
        return;
    m_picking = false;
    CommitEdit(m_pickWhat, SelectedEntry());
}

NoteState CDrapierDlg::PreviewNoteState() const {
    const NoteSettings settings = CurrentNoteSettings();
    NoteState state = SampleNoteState(settings, m_document);
    const QSize area = m_preview->BufferSize();
    const NoteOrigin origin = NoteOriginInArea(area.width(), area.height(), state.width, settings.height);
    state.originx = origin.x;
    state.originy = origin.y;
    return state;
}
