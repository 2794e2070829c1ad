#include "designer/PreviewEditor.h"

#include "designer/DrapierDlg.h"
#include "designer/PreviewView.h"
#include "document/NoteState.h"
#include "picture/ClampToInt.h"
#include "render/PreviewPointer.h"
#include "widgets/NudgeKeys.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

namespace {

// The run key of nudges on the preview: a run of arrow presses on one element is one undo step.
constexpr int kNudgeRun = 0x50560000;

bool Contains(const NoteRect& r, int x, int y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

bool Paints(const NoteRect& r) {
    return r.right > r.left && r.bottom > r.top;
}

Qt::CursorShape CursorFor(DragHandle handle) {
    switch (handle) {
    case DragHandle::Right:
        return Qt::SizeHorCursor;
    case DragHandle::Bottom:
        return Qt::SizeVerCursor;
    case DragHandle::BottomRight:
        return Qt::SizeFDiagCursor;
    case DragHandle::Move:
        break;
    }
    return Qt::SizeAllCursor;
}

} // namespace

PreviewEditor::PreviewEditor(CDrapierDlg& window, PreviewView& view)
    : QObject(&view), m_window(window), m_view(view) {
    setObjectName(QStringLiteral("previewEditor"));
    m_view.installEventFilter(this);
    m_view.SetOverlaySource([this] { return Overlay(); });
}

NoteState PreviewEditor::State() const {
    return m_window.PreviewNoteState();
}

SkinElement* PreviewEditor::Entry(int entry) const {
    std::vector<SkinElement>& elements = m_window.Document().elements;
    return entry >= 0 && entry < static_cast<int>(elements.size()) ? &elements[static_cast<size_t>(entry)]
                                                                   : nullptr;
}

bool PreviewEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &m_view)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        Press(static_cast<QMouseEvent*>(event));
        break;
    case QEvent::MouseMove:
        Move(static_cast<QMouseEvent*>(event));
        break;
    case QEvent::MouseButtonRelease:
        Release(static_cast<QMouseEvent*>(event));
        break;
    case QEvent::MouseButtonDblClick:
        DoubleClick(static_cast<QMouseEvent*>(event));
        return true;
    case QEvent::KeyPress:
        return Key(static_cast<QKeyEvent*>(event));
    case QEvent::KeyRelease:
        // Letting go of Alt mid-drag turns snapping back on where the pointer is.
        if (IsDragging() && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Alt)
            StepTo(m_view.mapFromGlobal(QCursor::pos()), static_cast<QKeyEvent*>(event)->modifiers());
        break;
    case QEvent::ContextMenu:
        ShowContextMenu(static_cast<QContextMenuEvent*>(event));
        return true;
    case QEvent::Leave:
        if (!m_drag && ClearPointerOver(m_window.Document()))
            m_window.RebuildPreviewPicture();
        break;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        m_view.update();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

std::optional<std::pair<int, DragHandle>> PreviewEditor::TargetAt(const QPoint& point) const {
    const NoteState state = State();
    const int x = point.x() - state.originx;
    const int y = point.y() - state.originy;
    const int selected = m_window.SelectedEntry();
    if (const std::optional<NoteRect> painted = DrawnExtent(m_window.Document(), selected, state);
        painted && Paints(*painted)) {
        if (const std::optional<DragHandle> handle = HandleAt(*painted, x, y, kReach))
            return std::pair(selected, *handle);
        // The selected element keeps the press even where another is drawn over it.
        if (Contains(*painted, x, y))
            return std::pair(selected, DragHandle::Move);
    }
    const int entry = ElementAtNotePoint(m_window.Document(), state, x, y);
    if (entry < 0)
        return std::nullopt;
    return std::pair(entry, DragHandle::Move);
}

void PreviewEditor::Press(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    // A drag whose release never came (the pointer taken away mid-drag) ends here, as it stood.
    if (m_drag)
        EndDrag();
    const std::optional<std::pair<int, DragHandle>> target = TargetAt(event->position().toPoint());
    if (!target)
        return;
    const auto [entry, handle] = *target;
    if (entry != m_window.SelectedEntry())
        m_window.SelectEntry(entry);
    Drag drag;
    drag.entry = entry;
    drag.handle = handle;
    drag.press = event->position().toPoint();
    drag.start = *Entry(entry);
    m_drag = std::move(drag);
}

void PreviewEditor::Move(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (m_drag && (event->buttons() & Qt::LeftButton)) {
        StepTo(point, event->modifiers());
        return;
    }
    UpdateCursor(point);
    // The pointer-over flags only change the picture; they are no edit of the skin.
    const NoteState state = State();
    if (UpdatePointerOver(m_window.Document(), state, point.x() - state.originx, point.y() - state.originy))
        m_window.RebuildPreviewPicture();
}

void PreviewEditor::Release(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_drag)
        EndDrag();
}

void PreviewEditor::DoubleClick(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    if (m_drag)
        EndDrag();
    const std::optional<std::pair<int, DragHandle>> target = TargetAt(event->position().toPoint());
    if (!target)
        return;
    m_window.SelectEntry(target->first);
    m_window.EditEntry(target->first);
}

void PreviewEditor::StepTo(const QPoint& point, Qt::KeyboardModifiers modifiers) {
    Drag& drag = *m_drag;
    if (!drag.moving) {
        if ((point - drag.press).manhattanLength() < QApplication::startDragDistance())
            return;
        // The lines to snap to do not change while the element moves: found once.
        const NoteState state = State();
        drag.frame = NoteFrameOf(m_window.Document(), state);
        drag.lines = FindSnapLines(m_window.Document(), state, drag.entry);
        drag.origin = QPoint(state.originx, state.originy);
        drag.moving = true;
        m_window.BeginEdit();
    }
    SkinElement* element = Entry(drag.entry);
    if (!element || element->Kind() != drag.start.Kind()) {
        CancelDrag();
        return;
    }
    const bool snapping = !(modifiers & Qt::AltModifier);
    const DragStep step =
        StepDrag(drag.start, drag.handle, point.x() - drag.press.x(), point.y() - drag.press.y(), drag.frame,
                 snapping ? &drag.lines : nullptr, kReach);
    const SkinElement before = *element;
    *element = step.change.element;
    drag.guides = step.guides;
    // Only the picture follows each step, and only where the element was and is; the tree, the lint
    // and the source view follow at the end.
    if (const std::optional<NoteRect> changed = ChangedArea(before, *element, drag.frame)) {
        const auto x = [&](long long v) { return ClampToInt(v + drag.origin.x()); };
        const auto y = [&](long long v) { return ClampToInt(v + drag.origin.y()); };
        m_window.RebuildPreviewPart(
            {x(changed->left), y(changed->top), x(changed->right), y(changed->bottom)});
    }
    ShowChange(step.change, drag.handle, drag.frame);
}

void PreviewEditor::EndDrag() {
    const Drag drag = std::move(*m_drag);
    m_drag.reset();
    if (drag.moving) {
        const SkinElement* element = Entry(drag.entry);
        const QString name = element ? element->Name() : drag.start.Name();
        m_window.RedrawPreview();
        m_window.RefreshSourceView();
        m_window.CommitEdit(
            (drag.handle == DragHandle::Move ? QStringLiteral("Move ") : QStringLiteral("Resize ")) + name,
            drag.entry);
    }
    m_view.update();
}

void PreviewEditor::CancelDrag() {
    const Drag drag = std::move(*m_drag);
    m_drag.reset();
    if (drag.moving) {
        SkinElement* element = Entry(drag.entry);
        if (element && element->Kind() == drag.start.Kind())
            *element = drag.start;
        m_window.AbandonEdit();
        m_window.RebuildPreviewPicture();
        m_window.ShowStatus(drag.start.Name() + QStringLiteral(" is back where it was"));
    }
    m_view.update();
}

bool PreviewEditor::Key(QKeyEvent* event) {
    if (m_drag) {
        if (event->key() == Qt::Key_Escape) {
            CancelDrag();
            return true;
        }
        if (event->key() == Qt::Key_Alt && IsDragging())
            StepTo(m_view.mapFromGlobal(QCursor::pos()), event->modifiers());
        // Keys that edit wait for the drag to end.
        return NudgeForKey(event->key(), event->modifiers()).has_value();
    }
    const int selected = m_window.SelectedEntry();
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && Entry(selected)) {
        m_window.EditEntry(selected);
        return true;
    }
    if (const std::optional<Nudge> nudge = NudgeForKey(event->key(), event->modifiers())) {
        NudgeSelected(*nudge);
        return true;
    }
    return false;
}

void PreviewEditor::NudgeSelected(const Nudge& nudge) {
    const int selected = m_window.SelectedEntry();
    SkinElement* element = Entry(selected);
    if (!element || !element->IsDrawable())
        return;
    const NoteState state = State();
    if (!DrawnExtent(m_window.Document(), selected, state)) {
        m_window.ShowStatus(element->Name() + QStringLiteral(" is not drawn in this state"));
        return;
    }
    const NoteFrame frame = NoteFrameOf(m_window.Document(), state);
    const DragHandle handle = nudge.resize ? DragHandle::BottomRight : DragHandle::Move;
    const PlacementChange change = nudge.resize ? ResizeElement(*element, handle, nudge.dx, nudge.dy, frame)
                                                : MoveElement(*element, nudge.dx, nudge.dy, frame);
    if (change.element != *element) {
        m_window.BeginEdit();
        *element = change.element;
        m_window.RedrawPreview();
        if (nudge.resize)
            m_window.RefreshSourceView();
        m_window.CommitEdit(QStringLiteral("Nudge ") + element->Name(), selected, kNudgeRun + selected);
    }
    ShowChange(change, handle, frame);
}

void PreviewEditor::ShowChange(const PlacementChange& change, DragHandle handle, const NoteFrame& frame,
                               const QString& suffix) {
    const std::optional<NoteRect> painted = PaintedExtent(change.element, frame);
    if (!painted)
        return;
    QString text = ExtentText(change.element.Name(), *painted) + suffix;
    if (ResizesSource(change.element.Kind(), handle))
        text += QStringLiteral("; the source rectangle changes with it");
    if (change.held)
        text += QStringLiteral("; held where a value would change the edge it counts from");
    if (change.saturated)
        text += QStringLiteral("; stopped at the largest value a number can hold");
    m_window.ShowStatus(text);
}

QMenu* PreviewEditor::AnchorMenu() {
    if (!m_menu) {
        m_menu = new QMenu(&m_view);
        m_menu->setObjectName(QStringLiteral("previewAnchorMenu"));
    }
    return m_menu;
}

void PreviewEditor::ShowContextMenu(QContextMenuEvent* event) {
    if (m_drag)
        return;
    int entry = m_window.SelectedEntry();
    QPoint at = event->pos();
    const NoteState state = State();
    if (event->reason() == QContextMenuEvent::Mouse) {
        const std::optional<std::pair<int, DragHandle>> target = TargetAt(at);
        if (!target)
            return;
        entry = target->first;
        m_window.SelectEntry(entry);
    } else if (const std::optional<NoteRect> painted = DrawnExtent(m_window.Document(), entry, state)) {
        // From the keyboard the menu opens at the selected element.
        at = QPoint(painted->left + state.originx, painted->top + state.originy);
    }
    const SkinElement* element = Entry(entry);
    if (!element || !element->IsDrawable())
        return;
    QMenu* menu = AnchorMenu();
    menu->clear();
    menu->addSection(QStringLiteral("Anchor"));
    const std::optional<AnchorPreset> now = AnchorOf(*element, NoteFrameOf(m_window.Document(), state));
    for (const AnchorPreset preset : AnchorPresetsOf(element->Kind())) {
        QAction* item = menu->addAction(AnchorPresetText(preset));
        item->setCheckable(true);
        item->setChecked(now == preset);
        connect(item, &QAction::triggered, this, [this, entry, preset] { Anchor(entry, preset); });
    }
    menu->popup(m_view.mapToGlobal(at));
}

bool PreviewEditor::Anchor(int entry, AnchorPreset preset) {
    SkinElement* element = Entry(entry);
    if (!element || m_drag)
        return false;
    const NoteFrame frame = NoteFrameOf(m_window.Document(), State());
    const std::optional<SkinElement> anchored = WithAnchor(*element, preset, frame);
    if (!anchored) {
        m_window.ShowStatus(element->Name() +
                            QStringLiteral(" cannot follow that: an edge lies beyond the side it "
                                           "would follow"));
        return false;
    }
    if (*anchored == *element)
        return false;
    m_window.BeginEdit();
    *element = *anchored;
    m_window.RedrawPreview();
    m_window.CommitEdit(QStringLiteral("Anchor ") + element->Name(), entry);
    ShowChange({*element}, DragHandle::Move, frame,
               QStringLiteral("; anchored ") + AnchorPresetText(preset).toLower());
    return true;
}

void PreviewEditor::UpdateCursor(const QPoint& point) {
    const std::optional<std::pair<int, DragHandle>> target = TargetAt(point);
    if (target && target->first == m_window.SelectedEntry())
        m_view.setCursor(CursorFor(target->second));
    else
        m_view.unsetCursor();
}

PreviewOverlay PreviewEditor::Overlay() const {
    PreviewOverlay overlay;
    const QRect view = m_view.rect();
    // Mid-drag the element is known to be drawn, on a note of the same size: nothing need be looked up.
    NoteState state;
    std::optional<NoteRect> painted;
    if (IsDragging()) {
        state.originx = m_drag->origin.x();
        state.originy = m_drag->origin.y();
        if (const SkinElement* element = Entry(m_drag->entry))
            painted = PaintedExtent(*element, m_drag->frame);
    } else {
        state = State();
        painted = DrawnExtent(m_window.Document(), m_window.SelectedEntry(), state);
    }
    if (painted && Paints(*painted)) {
        // Held to just beyond the view, so that an absurd rectangle still makes a QRect.
        const auto x = [&](long long v) {
            return static_cast<int>(std::clamp(v + state.originx, -2LL, view.right() + 2LL));
        };
        const auto y = [&](long long v) {
            return static_cast<int>(std::clamp(v + state.originy, -2LL, view.bottom() + 2LL));
        };
        overlay.outline = QRect(QPoint(x(painted->left), y(painted->top)),
                                QPoint(x(static_cast<long long>(painted->right) - 1),
                                       y(static_cast<long long>(painted->bottom) - 1)));
        for (const DragHandle handle : {DragHandle::Right, DragHandle::Bottom, DragHandle::BottomRight}) {
            const NotePoint c = HandleCentre(*painted, handle);
            const long long cx = c.x + state.originx;
            const long long cy = c.y + state.originy;
            // Only handles the preview shows can be taken hold of.
            if (cx >= 0 && cx <= view.right() && cy >= 0 && cy <= view.bottom())
                overlay.handles.push_back(QRect(static_cast<int>(cx) - 3, static_cast<int>(cy) - 3, 7, 7));
        }
    }
    if (IsDragging()) {
        for (const SnapGuide& guide : m_drag->guides) {
            const bool column = guide.axis == Axis::X;
            const long long at =
                static_cast<long long>(guide.position) + (column ? state.originx : state.originy);
            if (at < 0 || at > (column ? view.right() : view.bottom()))
                continue;
            const int line = static_cast<int>(at);
            overlay.guides.push_back(column ? QLine(line, 0, line, view.bottom())
                                            : QLine(0, line, view.right(), line));
        }
    }
    return overlay;
}
