#include "designer/FrameFromPicture.h"

#include "designer/CommandIds.h"
#include "designer/DrapierDlg.h"
#include "dialogs/FrameFromPictureDlg.h"

#include <QMenu>
#include <QMenuBar>

const char kFrameFromPictureText[] = "Frame from Picture\u2026";

namespace {

void AddMenuItem(CDrapierDlg& window, QMenu* menu) {
    menu->addSeparator();
    QAction* action = menu->addAction(QString::fromUtf8(kFrameFromPictureText));
    action->setData(Command::FrameFromPicture);
    QObject::connect(action, &QAction::triggered, &window,
                     [&window] { window.RunCommand(Command::FrameFromPicture); });
}

QMenu* EditMenu(const CDrapierDlg& window) {
    for (QAction* action : window.MenuBar()->actions()) {
        if (action->menu() && action->text() == QLatin1String("&Edit"))
            return action->menu();
    }
    return nullptr;
}

void RunFrameFromPicture(CDrapierDlg& window) {
    const int selected = window.SelectedEntry();
    const int insertAt = selected < 0 ? 0 : selected;
    QFrameFromPictureDlg dialog(window.Document(), insertAt, window.CurrentNoteSettings(), &window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    window.BeginEdit();
    const int first =
        AddFrame(window.Document(), dialog.Rect(), dialog.Margins(), dialog.Options(), insertAt);
    if (first < 0) {
        window.AbandonEdit();
        return;
    }
    window.RebuildTree(first);
    window.RedrawPreview();
    window.CommitEdit(QStringLiteral("Frame from Picture"), first);
}

} // namespace

void InstallFrameFromPicture(CDrapierDlg& window) {
    window.SetCommandHandler(Command::FrameFromPicture, [&window] { RunFrameFromPicture(window); });
    AddMenuItem(window, window.ElementMenu());
    if (QMenu* edit = EditMenu(window))
        AddMenuItem(window, edit);
}
