// The main window's state sheet: View "State Sheet…" and keeping the sheet in step with the document.
#include "designer/DrapierDlg.h"

#include "dialogs/StateSheetDlg.h"
#include "package/FilePaths.h"
#include "render/PlaceholderText.h"

#include <QDateTime>
#include <QLocale>

namespace {

// Beside the skin file, named after it.
QString SheetExportName(const QString& skinPath) {
    const QString skinName = LocalFileName(skinPath);
    const QString stem = skinName.contains(u'.') ? skinName.left(skinName.lastIndexOf(u'.')) : skinName;
    return LocalFolder(skinPath) +
           (stem.isEmpty() ? QStringLiteral("states") : stem + QStringLiteral("-states")) +
           QStringLiteral(".png");
}

} // namespace

void CDrapierDlg::ShowStateSheet() {
    const bool made = !m_stateSheet;
    if (made) {
        // The designer's start values in the skin's own mode; the creation text is the time the sheet
        // was first asked for, as the note settings take the time the designer started.
        const QString created = SampleDateText(QDateTime::currentDateTime(), QLocale());
        m_stateSheet = new QStateSheetDlg(
            m_document,
            [this, created] {
                NoteSettings start;
                start.stackmode = m_document.settings.mode == 1;
                start.source = DefaultNoteSource(start.stackmode);
                start.created = created;
                return start;
            },
            m_prompter, this);
        // Asked for at the export: the skin may have been saved under another name since.
        m_stateSheet->SetExportName([this] { return SheetExportName(m_skinPath); });
    }
    StateSheetFollowDocument();
    // Drawn before it is first shown, so that it opens at the sheet's size.
    if (made)
        m_stateSheet->DrawNow();
    m_stateSheet->show();
    m_stateSheet->raise();
    m_stateSheet->activateWindow();
}

void CDrapierDlg::StateSheetFollowDocument() {
    if (m_stateSheet)
        m_stateSheet->DocumentChanged();
}
