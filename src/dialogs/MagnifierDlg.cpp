#include "dialogs/MagnifierDlg.h"

#include "widgets/SheetCanvas.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

namespace {

constexpr int kLargeKeyStep = 10;

Colour ColourOf(const QColor& colour) {
    return MakeColour(colour.red(), colour.green(), colour.blue());
}

} // namespace

QMagnifierDlg::QMagnifierDlg(Mode mode, PictureSource picture, QWidget* owner)
    : QDialog(owner), m_mode(mode), m_picture(std::move(picture)),
      m_zoom(mode == Mode::Preview ? kPreviewMagnifierZoom : kSourceMagnifierZoom) {
    setWindowTitle(mode == Mode::Preview ? QStringLiteral("Skin Preview Magnifier")
                                         : QStringLiteral("Source PNG Magnifier"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    if (mode == Mode::Source) {
        m_sheet = new SheetCanvas(this);
        m_sheet->setObjectName(QStringLiteral("sourceMagnifierCanvas"));
        std::vector<int> zooms;
        for (int zoom = kMagnifierMinZoom; zoom <= kMagnifierMaxZoom; ++zoom)
            zooms.push_back(zoom);
        m_sheet->SetZoomSteps(zooms);
        m_sheet->SetZoom(m_zoom);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(m_sheet);
        connect(m_sheet, &SheetCanvas::MenuRequested, this, &QMagnifierDlg::ShowZoomMenu);
        setFocusProxy(m_sheet);
    }
    UpdateCursor();
    SizeWindow();
}

int QMagnifierDlg::Zoom() const {
    return m_sheet ? m_sheet->Zoom() : m_zoom;
}

void QMagnifierDlg::SetZoom(int zoom) {
    m_zoom = ClampZoom(zoom);
    if (m_sheet)
        m_sheet->SetZoom(m_zoom);
    update();
}

void QMagnifierDlg::SizeWindow() {
    const QSize picture = m_sheet ? m_sheet->PictureSize() : QSize(m_picture().Width(), m_picture().Height());
    const MagnifierSize size = MagnifierClientSize(Zoom(), picture.width(), picture.height());
    QSize client(size.width, size.height);
    // A window larger than the screen would hide its own frame.
    if (const QScreen* s = screen())
        client = client.boundedTo(s->availableGeometry().size());
    resize(client);
}

QMenu* QMagnifierDlg::BuildZoomMenu() {
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("zoomMenu"));
    for (int zoom = kMagnifierMinZoom; zoom <= kMagnifierMaxZoom; ++zoom) {
        QAction* action = menu->addAction(QStringLiteral("x %1").arg(zoom));
        action->setData(kFirstZoomCommand + zoom - kMagnifierMinZoom);
        action->setCheckable(true);
        action->setChecked(zoom == Zoom());
    }
    return menu;
}

void QMagnifierDlg::ShowZoomMenu(const QPoint& globalPos) {
    QMenu* menu = BuildZoomMenu();
    // Dismissing the menu changes nothing; choosing the present zoom again only repaints.
    if (const QAction* chosen = menu->exec(globalPos))
        SetZoom(chosen->data().toInt() - kFirstZoomCommand + kMagnifierMinZoom);
    menu->deleteLater();
}

void QMagnifierDlg::ScrollTo(MagnifierScroll scroll) {
    if (scroll == m_scroll)
        return;
    m_scroll = scroll;
    update();
}

void QMagnifierDlg::UpdateCursor() {
    if (!IsPreviewMode())
        return;
    setCursor(m_dragging ? Qt::ClosedHandCursor : Qt::OpenHandCursor);
}

void QMagnifierDlg::paintEvent(QPaintEvent*) {
    if (m_sheet)
        return; // the canvas covers the whole client area
    const Colour face = ColourOf(palette().color(QPalette::Window));
    if (m_client.Width() != width() || m_client.Height() != height())
        m_client.Create(width(), height(), face);
    QPainter painter(this);
    if (!m_client.IsValid()) {
        painter.fillRect(rect(), palette().color(QPalette::Window));
        return;
    }
    PaintMagnified(m_client, m_picture(), m_zoom, IsPreviewMode() ? m_scroll : MagnifierScroll{}, face);
    painter.drawImage(0, 0, m_client.ImageView());
}

void QMagnifierDlg::mousePressEvent(QMouseEvent* event) {
    if (IsPreviewMode() && event->button() == Qt::LeftButton) {
        // The widget holds the pointer from here until the button is released.
        m_dragging = true;
        m_lastPoint = event->position().toPoint();
        UpdateCursor();
        return;
    }
    QDialog::mousePressEvent(event);
}

void QMagnifierDlg::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging) {
        QDialog::mouseMoveEvent(event);
        return;
    }
    const QPoint point = event->position().toPoint();
    ScrollTo(PanStep(m_scroll, point.x() - m_lastPoint.x(), point.y() - m_lastPoint.y(), m_zoom));
    // Remembered even when the step was too short to pan, so a slow drag does not pan at all.
    m_lastPoint = point;
}

void QMagnifierDlg::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_dragging) {
        m_dragging = false;
        UpdateCursor();
        return;
    }
    if (event->button() == Qt::RightButton && IsPreviewMode()) {
        ShowZoomMenu(event->globalPosition().toPoint());
        return;
    }
    QDialog::mouseReleaseEvent(event);
}

void QMagnifierDlg::contextMenuEvent(QContextMenuEvent* event) {
    // The mouse opens the menu on the button's release; only the menu key comes through here.
    if (event->reason() == QContextMenuEvent::Keyboard)
        ShowZoomMenu(mapToGlobal(QPoint(0, 0)));
}

void QMagnifierDlg::keyPressEvent(QKeyEvent* event) {
    const int step = event->modifiers().testFlag(Qt::ShiftModifier) ? kLargeKeyStep : 1;
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        SetZoom(Zoom() + 1);
        return;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
        SetZoom(Zoom() - 1);
        return;
    default:
        break;
    }
    if (IsPreviewMode()) {
        switch (event->key()) {
        case Qt::Key_Left:
            ScrollTo(ScrollBy(m_scroll, -step, 0));
            return;
        case Qt::Key_Right:
            ScrollTo(ScrollBy(m_scroll, step, 0));
            return;
        case Qt::Key_Up:
            ScrollTo(ScrollBy(m_scroll, 0, -step));
            return;
        case Qt::Key_Down:
            ScrollTo(ScrollBy(m_scroll, 0, step));
            return;
        case Qt::Key_Home:
            ScrollTo({});
            return;
        default:
            break;
        }
    }
    QDialog::keyPressEvent(event);
}
