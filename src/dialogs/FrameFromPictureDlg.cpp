#include "dialogs/FrameFromPictureDlg.h"

#include "dialogs/FrameGuideOverlay.h"
#include "dialogs/FramePreviewTiles.h"
#include "render/SheetGeometry.h"
#include "widgets/IntegerBox.h"
#include "widgets/SheetCanvas.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// The largest zoom at which the whole sheet fits the room; 1 when none does.
int FittingZoom(const ImageSurface& sheet, QSize room) {
    int zoom = 1;
    for (const int step : kSheetZooms) {
        if (static_cast<long long>(sheet.Width()) * step <= room.width() &&
            static_cast<long long>(sheet.Height()) * step <= room.height())
            zoom = step;
    }
    return zoom;
}

IntegerBox* NumberBox(const char* name, int maximum, QWidget* parent) {
    auto* box = new IntegerBox(parent);
    box->setObjectName(QLatin1String(name));
    box->SetArrowRange(0, maximum);
    return box;
}

// Boxes in a grid of two columns, each with its label.
QGroupBox* BoxGroup(const QString& title, const char* const labels[4], IntegerBox* const boxes[4],
                    QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    auto* grid = new QGridLayout(group);
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(QString::fromUtf8(labels[i]), group);
        label->setBuddy(boxes[i]);
        grid->addWidget(label, i / 2, (i % 2) * 2);
        grid->addWidget(boxes[i], i / 2, (i % 2) * 2 + 1);
    }
    return group;
}

} // namespace

QFrameFromPictureDlg::QFrameFromPictureDlg(const SkinDocument& document, int insertAt,
                                           const NoteSettings& settings, QWidget* parent)
    : CResizingDialog(parent), m_sheet(FrameSheet(document)),
      m_preview(std::make_unique<FramePreview>(document, insertAt, settings)),
      m_overlay(std::make_unique<FrameGuideOverlay>([this](const FrameMargins& margins) {
          m_margins = margins;
          ShowFrame();
          Update();
      })) {
    setWindowTitle(QStringLiteral("Frame from Picture"));
    setObjectName(QStringLiteral("frameFromPicture"));

    m_canvas = new SheetCanvas(this);
    m_canvas->setObjectName(QStringLiteral("frameCanvas"));
    m_canvas->SetDrawWithoutCtrl(true);
    m_canvas->SetPicture(&m_sheet, document.settings.region);
    m_canvas->AddOverlay(m_overlay.get());
    m_canvas->setToolTip(QStringLiteral("Drag a rectangle around the frame, or double-click a piece of the "
                                        "picture; drag the dashed guides to set the borders"));
    connect(m_canvas, &SheetCanvas::RectangleDrawn, this,
            [this](const CanvasRect& area, bool, bool) { SetRect(area); });
    connect(m_canvas, &SheetCanvas::PieceChosen, this,
            [this](const CanvasRect& area, bool) { SetRect(area); });

    // Made in reading order, which Tab follows: the sheet, the boxes beside it, the buttons below.
    QWidget* controls = BuildControls();
    m_tiles = new FramePreviewTiles(this);
    m_tiles->setObjectName(QStringLiteral("framePreview"));
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("frameMessage"));
    m_message->setWordWrap(true);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->setObjectName(QStringLiteral("frameButtons"));
    connect(m_buttons, &QDialogButtonBox::accepted, this, [this] {
        if (m_problem == FrameProblem::None)
            accept();
    });
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* top = new QHBoxLayout;
    top->addWidget(m_canvas, 1);
    top->addWidget(controls);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 3);
    layout->addWidget(new QLabel(QStringLiteral("The note with the frame, at the layout's minimum size, the "
                                                "preview's size and twice that:"),
                                 this));
    layout->addWidget(m_tiles, 2);
    layout->addWidget(m_message);
    layout->addWidget(m_buttons);

    ShowFrame();
    Update();
    InitResizing();
    resize(qMax(width(), 980), qMax(height(), 720));
}

QFrameFromPictureDlg::~QFrameFromPictureDlg() {
    m_canvas->RemoveOverlay(m_overlay.get());
}

void QFrameFromPictureDlg::showEvent(QShowEvent* event) {
    CResizingDialog::showEvent(event);
    // Once laid out, the sheet is shown as large as the canvas holds it whole.
    if (!m_zoomFitted) {
        m_zoomFitted = true;
        m_canvas->SetZoom(FittingZoom(m_sheet, m_canvas->viewport()->size()));
    }
}

QWidget* QFrameFromPictureDlg::BuildControls() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    static const char* const kRectNames[4] = {"frameX", "frameY", "frameWidth", "frameHeight"};
    static const char* const kRectLabels[4] = {"&X:", "&Y:", "&Width:", "&Height:"};
    static const char* const kMarginNames[4] = {"frameLeft", "frameTop", "frameRight", "frameBottom"};
    static const char* const kMarginLabels[4] = {"&Left:", "&Top:", "&Right:", "&Bottom:"};
    // The rectangle's boxes first, then the margins': Tab follows the order they are made in.
    for (int i = 0; i < 4; ++i) {
        m_rectBoxes[i] = NumberBox(kRectNames[i], i < 2 ? std::max(0, m_sheet.Width() - 1) : 9999, column);
        connect(m_rectBoxes[i], &IntegerBox::Changed, this, &QFrameFromPictureDlg::RectTyped);
    }
    for (int i = 0; i < 4; ++i) {
        m_marginBoxes[i] = NumberBox(kMarginNames[i], 9999, column);
        connect(m_marginBoxes[i], &IntegerBox::Changed, this, &QFrameFromPictureDlg::MarginsTyped);
    }
    // X and Y reach to the sheet's last column and row; the height box to its height.
    m_rectBoxes[1]->SetArrowRange(0, std::max(0, m_sheet.Height() - 1));
    layout->addWidget(BoxGroup(QStringLiteral("Rectangle on the picture"), kRectLabels, m_rectBoxes, column));
    layout->addWidget(BoxGroup(QStringLiteral("Borders"), kMarginLabels, m_marginBoxes, column));

    auto* find = new QHBoxLayout;
    m_tolerance = new QSpinBox(column);
    m_tolerance->setObjectName(QStringLiteral("frameTolerance"));
    m_tolerance->setRange(0, 255);
    m_tolerance->setToolTip(QStringLiteral("How far a colour or alpha value may differ and still count as "
                                           "equal when the borders are found"));
    auto* toleranceLabel = new QLabel(QStringLiteral("Toleranc&e:"), column);
    toleranceLabel->setBuddy(m_tolerance);
    m_find = new QPushButton(QStringLiteral("&Find borders"), column);
    m_find->setObjectName(QStringLiteral("frameFindBorders"));
    m_find->setAutoDefault(false);
    connect(m_find, &QPushButton::clicked, this, &QFrameFromPictureDlg::FindBorders);
    find->addWidget(toleranceLabel);
    find->addWidget(m_tolerance);
    find->addWidget(m_find);
    layout->addLayout(find);

    auto* form = new QFormLayout;
    m_body = new QComboBox(column);
    m_body->setObjectName(QStringLiteral("frameBody"));
    m_body->addItem(QStringLiteral("Tiled from the middle"));
    m_body->addItem(QStringLiteral("None: the note colour shows"));
    connect(m_body, &QComboBox::currentIndexChanged, this, &QFrameFromPictureDlg::Update);
    form->addRow(QStringLiteral("Bo&dy:"), m_body);
    m_group = new QLineEdit(column);
    m_group->setObjectName(QStringLiteral("frameGroup"));
    m_group->setPlaceholderText(QStringLiteral("no group"));
    m_group->setToolTip(QStringLiteral("A new group for the frame's elements; empty for none"));
    connect(m_group, &QLineEdit::textChanged, this, &QFrameFromPictureDlg::Update);
    form->addRow(QStringLiteral("New &group:"), m_group);
    layout->addLayout(form);
    m_setLayout = new QCheckBox(QStringLiteral("Set the default layout from the &margins"), column);
    m_setLayout->setObjectName(QStringLiteral("frameSetLayout"));
    m_setLayout->setToolTip(QStringLiteral("Borders, top gap, title bar and rolled height from the margins; "
                                           "the minimum size raised to hold them"));
    connect(m_setLayout, &QCheckBox::toggled, this, &QFrameFromPictureDlg::Update);
    layout->addWidget(m_setLayout);
    layout->addStretch(1);
    return column;
}

FrameOptions QFrameFromPictureDlg::Options() const {
    FrameOptions options;
    options.tileBody = m_body->currentIndex() == 0;
    options.group = m_group->text().trimmed();
    options.setLayout = m_setLayout->isChecked();
    return options;
}

void QFrameFromPictureDlg::SetRect(const CanvasRect& rect) {
    m_rect = ClipFrameRect(rect, m_sheet.Width(), m_sheet.Height());
    FindBorders();
}

void QFrameFromPictureDlg::SetMargins(const FrameMargins& margins) {
    m_margins = margins;
    ShowFrame();
    Update();
}

void QFrameFromPictureDlg::FindBorders() {
    m_margins = FindFrameMargins(m_sheet, m_rect, m_tolerance->value());
    ShowFrame();
    Update();
}

void QFrameFromPictureDlg::RectTyped() {
    if (m_showing)
        return;
    const CanvasRect typed = CanvasRect::FromSize(m_rectBoxes[0]->Value(), m_rectBoxes[1]->Value(),
                                                  m_rectBoxes[2]->Value(), m_rectBoxes[3]->Value());
    m_rect = ClipFrameRect(typed, m_sheet.Width(), m_sheet.Height());
    Update();
}

void QFrameFromPictureDlg::MarginsTyped() {
    if (m_showing)
        return;
    m_margins = {m_marginBoxes[0]->Value(), m_marginBoxes[1]->Value(), m_marginBoxes[2]->Value(),
                 m_marginBoxes[3]->Value()};
    Update();
}

void QFrameFromPictureDlg::ShowFrame() {
    m_showing = true;
    const int rect[4] = {m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height()};
    const int margins[4] = {m_margins.left, m_margins.top, m_margins.right, m_margins.bottom};
    for (int i = 0; i < 4; ++i) {
        m_rectBoxes[i]->SetValue(rect[i]);
        m_marginBoxes[i]->SetValue(margins[i]);
    }
    m_showing = false;
}

void QFrameFromPictureDlg::Update() {
    m_problem = m_preview->SetFrame(m_rect, m_margins, Options());
    if (m_rect.IsEmpty() && m_problem == FrameProblem::TooSmall)
        m_message->setText(
            QStringLiteral("Drag a rectangle around the frame on the picture, or double-click a "
                           "piece of it."));
    else
        m_message->setText(FrameProblemText(m_problem));
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(m_problem == FrameProblem::None);

    const std::vector<SheetSize> sizes = m_preview->Sizes();
    m_previews.resize(sizes.size());
    std::vector<FramePreviewTiles::Tile> tiles;
    for (size_t i = 0; i < sizes.size(); ++i) {
        m_preview->Render(sizes[i], m_previews[i]);
        tiles.push_back({m_previews[i].ImageView().copy(), SheetSizeLabel(sizes[i])});
    }
    m_tiles->SetTiles(std::move(tiles));
    m_overlay->SetFrame(m_rect, m_margins);
    m_canvas->viewport()->update();
    emit PreviewUpdated();
}
