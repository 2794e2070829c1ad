#pragma once

#include "document/SourcePicking.h"
#include "picture/Canvas.h"
#include "widgets/NudgeKeys.h"

#include <QObject>
#include <QPointer>
#include <optional>
#include <vector>

class CDrapierDlg;
class QLabel;
class QStatusBar;
class SheetCanvas;
class SourceGroup;
struct SkinElement;

// Picking on the source picture: binds the sheet canvases that show it (the main window's source view
// and the source magnifier) to the selected element's source fields. Each gesture is one undo step: a
// click or drag from the first press to the last release, a drawn rectangle, a double click's first
// press together with its snap, a run of arrow keys. The status line gives the picture point under the
// pointer, the size being drawn or picked, and why a pick cannot apply.
class PickingController : public QObject {
    Q_OBJECT
public:
    PickingController(CDrapierDlg& window, SourceGroup& group, QStatusBar* statusLine);

    // One more canvas showing the source picture and picking on it.
    void Attach(SheetCanvas* canvas);
    // The selection, its sources or the region colour changed: the tints follow, and a newly selected
    // element's first source is scrolled into view. newPicture: the source picture itself was replaced.
    void Refresh(bool newPicture = false);
    // A gesture's step is open (between its first press and its last release).
    bool IsPicking() const { return m_open; }

    // The modal picker of the dialogs' "Pick…" buttons, on the source picture: the rectangle chosen, or
    // nothing on Cancel.
    std::optional<CanvasRect> PickInDialog(QWidget* parent, const CanvasRect& current);

private:
    void Picked(SheetCanvas* canvas, PickButton button, bool second, QPoint point, bool starting);
    void Drawn(const CanvasRect& area, bool second);
    void Snapped(const CanvasRect& area, bool second);
    void Nudged(SheetCanvas* canvas, Nudge nudge);
    void GestureEnded();
    void PointerMoved(std::optional<QPoint> point);
    void ShowPieces(bool show);
    // The selected element, or null with the reason on the status line.
    SkinElement* Target();
    // Opens the gesture's step when it is not open yet.
    void Open(const QString& what);
    // After a change of the fields: the preview, the tints and the size readout.
    void Changed(const SkinElement& element, bool second);
    std::vector<CanvasRect> UsedAreas() const;

    CDrapierDlg& m_window;
    std::vector<QPointer<SheetCanvas>> m_canvases;
    QLabel* m_pointReadout;
    QLabel* m_sizeReadout;
    bool m_open = false;
    QString m_what;
    int m_runKey = 0;      // the open or last gesture's run key, which a snap continues
    int m_serial = 0;      // makes each gesture's run key its own
    int m_shownEntry = -2; // the entry whose source was last scrolled into view
};
