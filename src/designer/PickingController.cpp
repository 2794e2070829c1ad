#include "designer/PickingController.h"

#include "designer/DrapierDlg.h"
#include "designer/SourceGroup.h"
#include "dialogs/SheetPickerDlg.h"
#include "document/SkinCheck.h"
#include "render/SheetPieces.h"
#include "widgets/SheetCanvas.h"

#include <QCheckBox>
#include <QLabel>
#include <QStatusBar>

namespace {

// Run keys of the steps that merge: arrow-key runs, and each click gesture's own, which the snap of a
// double click continues.
constexpr int kMoveSourceRun = 0x24000001;
constexpr int kSizeSourceRun = 0x24000002;
constexpr int kFirstGestureRun = 0x24100000;
constexpr int kGestureRuns = 0x100000;

QString SizeText(int width, int height) {
    return QStringLiteral("%1 x %2").arg(width).arg(height);
}

} // namespace

PickingController::PickingController(CDrapierDlg& window, SourceGroup& group, QStatusBar* statusLine)
    : QObject(&window), m_window(window), m_pointReadout(new QLabel(statusLine)),
      m_sizeReadout(new QLabel(statusLine)) {
    m_pointReadout->setObjectName(QStringLiteral("pointReadout"));
    m_sizeReadout->setObjectName(QStringLiteral("sizeReadout"));
    statusLine->addPermanentWidget(m_sizeReadout);
    statusLine->addPermanentWidget(m_pointReadout);
    Attach(group.Canvas());
    connect(group.ShowPieces(), &QCheckBox::toggled, this, &PickingController::ShowPieces);
}

void PickingController::Attach(SheetCanvas* canvas) {
    m_canvases.emplace_back(canvas);
    canvas->SetPicture(&m_window.SourceImage(), m_window.Document().settings.region);
    connect(canvas, &SheetCanvas::Picked, this,
            [this, canvas](PickButton button, bool second, QPoint point, bool starting) {
                Picked(canvas, button, second, point, starting);
            });
    connect(canvas, &SheetCanvas::RectangleDrawn, this,
            [this](const CanvasRect& area, bool second, bool) { Drawn(area, second); });
    connect(canvas, &SheetCanvas::PieceChosen, this, &PickingController::Snapped);
    connect(canvas, &SheetCanvas::Nudged, this, [this, canvas](Nudge nudge) { Nudged(canvas, nudge); });
    connect(canvas, &SheetCanvas::GestureEnded, this, &PickingController::GestureEnded);
    connect(canvas, &SheetCanvas::PointerMoved, this, &PickingController::PointerMoved);
}

void PickingController::Refresh(bool newPicture) {
    const int entry = m_window.SelectedEntry();
    const SkinDocument& document = m_window.Document();
    const SkinElement* element = entry >= 0 && entry < static_cast<int>(document.elements.size())
                                     ? &document.elements[entry]
                                     : nullptr;
    std::vector<SourceArea> tints = element ? SourceAreas(*element) : std::vector<SourceArea>();
    const bool scroll = entry != m_shownEntry && !tints.empty() && !tints.front().second;
    m_shownEntry = entry;
    for (SheetCanvas* canvas : m_canvases) {
        if (!canvas)
            continue;
        canvas->SetPicture(&m_window.SourceImage(), document.settings.region);
        if (newPicture)
            canvas->PictureChanged();
        canvas->SetTints(tints);
        if (canvas->ShowsPieces())
            canvas->SetUsedAreas(UsedAreas());
        if (scroll) {
            const SourceArea& first = tints.front();
            canvas->ScrollToShow(CanvasRect::FromSize(first.x, first.y, first.width, first.height));
        }
    }
}

std::vector<CanvasRect> PickingController::UsedAreas() const {
    std::vector<CanvasRect> used;
    for (const SkinElement& e : m_window.Document().elements)
        for (const SourceArea& a : SourceAreas(e))
            used.push_back(CanvasRect::FromSize(a.x, a.y, a.width, a.height));
    return used;
}

SkinElement* PickingController::Target() {
    const int entry = m_window.SelectedEntry();
    SkinDocument& document = m_window.Document();
    if (entry < 0 || entry >= static_cast<int>(document.elements.size())) {
        m_window.ShowStatus(QStringLiteral("Select an element in the tree to pick its source."));
        return nullptr;
    }
    SkinElement& element = document.elements[static_cast<size_t>(entry)];
    const ElementKind kind = element.Kind();
    if (kind == ElementKind::Text || kind == ElementKind::Group || kind == ElementKind::Layout ||
        kind == ElementKind::Blank) {
        m_window.ShowStatus(QStringLiteral("A %1 takes nothing from the picture; select a button, strip, "
                                           "indicator or tile area to pick its source.")
                                .arg(CheckKindLabel(kind)));
        return nullptr;
    }
    return &element;
}

void PickingController::Open(const QString& what) {
    if (m_open)
        return;
    m_window.BeginEdit();
    m_open = true;
    m_what = what;
    m_runKey = kFirstGestureRun + (m_serial++ % kGestureRuns);
}

void PickingController::Changed(const SkinElement& element, bool second) {
    m_window.RedrawPreview();
    Refresh();
    for (const SourceArea& area : SourceAreas(element)) {
        if (area.second == second) {
            m_sizeReadout->setText(SizeText(area.width, area.height));
            return;
        }
    }
}

void PickingController::Picked(SheetCanvas*, PickButton button, bool second, QPoint point, bool starting) {
    // A drag goes on only from a press that picked.
    if (!starting && !m_open)
        return;
    SkinElement* element = Target();
    if (!element)
        return;
    Open(button == PickButton::Left ? QStringLiteral("Pick Source") : QStringLiteral("Pick Size"));
    PickSource(*element, button, second, point.x(), point.y());
    Changed(*element, second);
}

void PickingController::Drawn(const CanvasRect& area, bool second) {
    SkinElement* element = Target();
    if (!element)
        return;
    Open(QStringLiteral("Draw Source"));
    PickRectangle(*element, second, area);
    Changed(*element, second);
}

void PickingController::Snapped(const CanvasRect& area, bool second) {
    SkinElement* element = Target();
    if (!element)
        return;
    // The double click's first press made a step of its own; the snap joins it.
    const bool open = m_open;
    m_window.BeginEdit();
    PickRectangle(*element, second, area);
    Changed(*element, second);
    m_window.CommitEdit(QStringLiteral("Snap to Piece"), m_window.SelectedEntry(), open ? 0 : m_runKey);
}

void PickingController::Nudged(SheetCanvas* canvas, Nudge nudge) {
    SkinElement* element = Target();
    if (!element)
        return;
    m_window.BeginEdit();
    if (!NudgeSource(*element, nudge.dx, nudge.dy, nudge.resize)) {
        m_window.AbandonEdit();
        m_window.ShowStatus(QStringLiteral("The source is not set; click on the picture to set it."));
        return;
    }
    Changed(*element, false);
    m_window.CommitEdit(nudge.resize ? QStringLiteral("Size Source") : QStringLiteral("Move Source"),
                        m_window.SelectedEntry(), nudge.resize ? kSizeSourceRun : kMoveSourceRun);
    const std::vector<SourceArea> areas = SourceAreas(*element);
    if (!areas.empty())
        canvas->ScrollToShow(CanvasRect::FromSize(areas[0].x, areas[0].y, areas[0].width, areas[0].height));
}

void PickingController::GestureEnded() {
    m_sizeReadout->clear();
    if (!m_open)
        return;
    m_open = false;
    m_window.CommitEdit(m_what, m_window.SelectedEntry(), m_runKey);
}

void PickingController::PointerMoved(std::optional<QPoint> point) {
    m_pointReadout->setText(point ? QStringLiteral("x %1, y %2").arg(point->x()).arg(point->y()) : QString());
}

void PickingController::ShowPieces(bool show) {
    for (SheetCanvas* canvas : m_canvases) {
        if (canvas)
            canvas->SetShowPieces(show);
    }
    Refresh();
    if (!show || m_canvases.empty() || !m_canvases.front())
        return;
    const std::vector<CanvasRect>& pieces = m_canvases.front()->Pieces();
    const std::vector<bool> touched = PiecesTouched(pieces, UsedAreas());
    const auto unused = std::count(touched.begin(), touched.end(), false);
    QString text = QStringLiteral("%1 pieces on the picture, %2 of them used by no element")
                       .arg(pieces.size())
                       .arg(unused);
    if (pieces.size() > static_cast<size_t>(SheetCanvas::kMaxOutlinedPieces))
        text += QStringLiteral("; the first %1 are outlined").arg(SheetCanvas::kMaxOutlinedPieces);
    m_window.ShowStatus(text + QStringLiteral("."));
}

std::optional<CanvasRect> PickingController::PickInDialog(QWidget* parent, const CanvasRect& current) {
    QSheetPickerDlg picker(m_window.SourceImage(), m_window.Document().settings.region, current, parent);
    if (picker.exec() != QDialog::Accepted)
        return std::nullopt;
    return picker.Chosen();
}
