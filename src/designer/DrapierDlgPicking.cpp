// The main window's source view (picking on it is the PickingController's) and the state the preview is
// drawn in.
#include "designer/DrapierDlg.h"

#include "designer/PickingController.h"
#include "designer/PreviewView.h"
#include "render/PlacementGeometry.h"
#include "render/SampleNoteState.h"

void CDrapierDlg::RefreshSourceView(bool newPicture) {
    if (m_picking)
        m_picking->Refresh(newPicture);
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
