#pragma once

#include "document/SkinElement.h"
#include "render/AnchorPresets.h"
#include "render/ElementDrag.h"

#include <QObject>
#include <QPoint>
#include <optional>

class CDrapierDlg;
class PreviewView;
class QContextMenuEvent;
class QKeyEvent;
class QMenu;
class QMouseEvent;
struct Nudge;
struct NoteState;
struct PreviewOverlay;

// Editing on the preview: a click selects the element under the pointer; a left drag moves the selected
// element, or resizes it by a handle, snapping its edges to the note and to other elements (Alt: no
// snapping) with a guide line for each; Escape during a drag puts it back. The arrow keys nudge it (the
// sheet canvas's scheme), a double click or Enter opens its dialog, and the context menu pins it with an
// anchor preset. Every gesture is one undo step; a run of nudges is one. The arithmetic is the core's
// (ElementDrag, SnapLines, AnchorPresets); this binds it to the pointer, the keys and the window.
class PreviewEditor : public QObject {
    Q_OBJECT
public:
    PreviewEditor(CDrapierDlg& window, PreviewView& view);

    bool IsDragging() const { return m_drag && m_drag->moving; }
    // The guide lines the drag under way shows, in note pixels.
    std::vector<SnapGuide> Guides() const { return IsDragging() ? m_drag->guides : std::vector<SnapGuide>(); }
    // The context menu, made on first use (object name "previewAnchorMenu").
    QMenu* AnchorMenu();
    // The anchor preset applied to an entry, as its context-menu item does; false when nothing changed.
    bool Anchor(int entry, AnchorPreset preset);

    // How near a handle or a snap line the pointer must come, in the preview's pixels.
    static constexpr int kReach = 4;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Drag {
        int entry = -1;
        DragHandle handle = DragHandle::Move;
        QPoint press;
        QPoint origin; // of the note in the preview
        SkinElement start;
        bool moving = false; // past the drag distance: the edit has begun
        NoteFrame frame;
        SnapLines lines;
        std::vector<SnapGuide> guides;
    };

    void Press(QMouseEvent* event);
    void Move(QMouseEvent* event);
    void Release(QMouseEvent* event);
    void DoubleClick(QMouseEvent* event);
    bool Key(QKeyEvent* event);
    void ShowContextMenu(QContextMenuEvent* event);

    // The entry a press at the point takes hold of, and with what: the selected element wherever it shows
    // (its handles first), otherwise the element drawn there.
    std::optional<std::pair<int, DragHandle>> TargetAt(const QPoint& point) const;
    void StepTo(const QPoint& point, Qt::KeyboardModifiers modifiers);
    void EndDrag();
    void CancelDrag();
    void NudgeSelected(const Nudge& nudge);
    void ShowChange(const PlacementChange& change, DragHandle handle, const NoteFrame& frame,
                    const QString& suffix = {});
    PreviewOverlay Overlay() const;
    void UpdateCursor(const QPoint& point);
    NoteState State() const;
    SkinElement* Entry(int entry) const;

    CDrapierDlg& m_window;
    PreviewView& m_view;
    std::optional<Drag> m_drag;
    QMenu* m_menu = nullptr;
};
