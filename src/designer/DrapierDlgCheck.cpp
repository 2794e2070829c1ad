// The main window's skin check ("Check for Errors") and its sprite-sheet lint window.
#include "designer/DrapierDlg.h"

#include "designer/CommandIds.h"
#include "dialogs/LintDlg.h"
#include "document/SkinCheck.h"
#include "render/SampleNoteState.h"
#include "widgets/Prompter.h"
#include "widgets/SheetCanvas.h"

#include <QPointer>
#include <QScreen>

namespace {

// Beside the main window, where it leaves the source view in sight: to its right, else below it, else
// wherever the window system puts it.
void PlaceBeside(QWidget* window, const QWidget* main) {
    const QScreen* screen = main->screen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    const QRect frame = main->frameGeometry();
    const QSize size = window->frameGeometry().size();
    const QPoint right(frame.right() + 1, frame.top());
    const QPoint below(frame.left(), frame.bottom() + 1);
    for (const QPoint& place : {right, below}) {
        if (room.contains(QRect(place, size))) {
            window->move(place);
            return;
        }
    }
}

} // namespace

void CDrapierDlg::BuildCheckCommands() {
    SetCommandHandler(Command::FileCheck, [this] { CheckForErrors(); });
    SetCommandHandler(Command::FileLint, [this] { ShowLintWindow(); });
}

void CDrapierDlg::CheckForErrors() {
    const NoteState state = SampleNoteState(CurrentNoteSettings(), m_document);
    const QString report = SkinCheck(m_document, state, m_stackMode);
    m_prompter.Inform(this, report.isEmpty() ? QStringLiteral("No errors found") : report);
}

void CDrapierDlg::ShowLintWindow() {
    if (!m_lintDlg) {
        m_lintDlg = new QLintDlg(m_document, this);
        // The window may outlive the source view while the main window is taken down.
        QPointer<SheetCanvas> view(m_sourceView);
        m_lintDlg->SetChooseHandler([this, view](const LintFinding* finding) {
            if (finding && finding->element >= 0 && SelectedEntry() != finding->element)
                RebuildTree(finding->element);
            if (!view)
                return;
            if (finding && finding->rect) {
                const CanvasRect& r = *finding->rect;
                view->SetExtraTint(QRect(r.left, r.top, r.Width(), r.Height()));
                view->ScrollToShow(r);
            } else {
                view->SetExtraTint(QRect());
            }
        });
        PlaceBeside(m_lintDlg, this);
    }
    m_lintDlg->show();
    m_lintDlg->raise();
    m_lintDlg->activateWindow();
}

void CDrapierDlg::LintDocumentChanged() {
    if (m_lintDlg)
        m_lintDlg->DocumentChanged();
}
