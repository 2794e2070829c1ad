#include "dialogs/SheetPickerDlg.h"

#include "dialogs/DialogControls.h"
#include "picture/ClampToInt.h"
#include "picture/ImageSurface.h"
#include "widgets/SheetCanvas.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

QSheetPickerDlg::QSheetPickerDlg(const ImageSurface& picture, Colour region, const CanvasRect& current,
                                 QWidget* parent)
    : CResizingDialog(parent), m_corner{current.left, current.top}, m_width(current.Width()),
      m_height(current.Height()) {
    setWindowTitle(QStringLiteral("Pick Source"));
    m_canvas = new SheetCanvas(this);
    m_canvas->setObjectName(QStringLiteral("pickerCanvas"));
    m_canvas->SetPicture(&picture, region);
    m_readout = new QLabel(this);
    m_readout->setObjectName(QStringLiteral("pickerReadout"));
    auto* pieces = new QCheckBox(QStringLiteral("Show pieces"), this);
    auto* row = new QHBoxLayout;
    row->addWidget(m_readout, 1);
    row->addWidget(pieces);
    AddOkCancelButtons(this, row);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_canvas, 1);
    layout->addLayout(row);

    connect(pieces, &QCheckBox::toggled, m_canvas, &SheetCanvas::SetShowPieces);
    connect(m_canvas, &SheetCanvas::Picked, this, [this](PickButton button, bool, QPoint point, bool) {
        PickCornerOrSize(m_corner, m_width, m_height, button, point.x(), point.y());
        Show();
    });
    const auto take = [this](const CanvasRect& area) {
        m_corner = {area.left, area.top};
        m_width = area.Width();
        m_height = area.Height();
        Show();
    };
    connect(m_canvas, &SheetCanvas::RectangleDrawn, this,
            [take](const CanvasRect& area, bool, bool) { take(area); });
    connect(m_canvas, &SheetCanvas::PieceChosen, this, [take](const CanvasRect& area, bool) { take(area); });
    connect(m_canvas, &SheetCanvas::Nudged, this, [this](Nudge nudge) {
        if (m_corner.x == -1)
            return;
        const auto plus = [](int value, int delta) {
            return ClampToInt(static_cast<long long>(value) + delta);
        };
        if (nudge.resize) {
            m_width = plus(m_width, nudge.dx);
            m_height = plus(m_height, nudge.dy);
        } else {
            m_corner = {plus(m_corner.x, nudge.dx), plus(m_corner.y, nudge.dy)};
        }
        Show();
    });

    // As large as the picture where the screen allows, and at least as large as the dialog's controls.
    QSize size = QSize(picture.Width(), picture.Height()) + QSize(40, 80);
    if (const QScreen* s = screen())
        size = size.boundedTo(s->availableGeometry().size() * 3 / 4);
    resize(size.expandedTo(QSize(360, 240)));
    InitResizing();
    Show();
    if (m_corner.x != -1)
        m_canvas->ScrollToShow(Chosen());
    m_canvas->setFocus();
}

CanvasRect QSheetPickerDlg::Chosen() const {
    return CanvasRect::FromSize(m_corner.x, m_corner.y, m_width, m_height);
}

void QSheetPickerDlg::Show() {
    m_canvas->SetTints(m_corner.x == -1
                           ? std::vector<SourceArea>()
                           : std::vector<SourceArea>{{m_corner.x, m_corner.y, m_width, m_height, false}});
    m_readout->setText(
        m_corner.x == -1
            ? QStringLiteral("No source set")
            : QStringLiteral("%1,%2  %3 x %4").arg(m_corner.x).arg(m_corner.y).arg(m_width).arg(m_height));
}
