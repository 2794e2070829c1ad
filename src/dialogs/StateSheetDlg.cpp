#include "dialogs/StateSheetDlg.h"

#include "widgets/SaveTarget.h"

#include "document/SkinDocument.h"
#include "picture/ImageSurface.h"
#include "render/StateSheet.h"
#include "widgets/Prompter.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QString kPngFilter = QStringLiteral("PNG files (*.png)|*.png|All files (*.*)|*.*||");

} // namespace

QStateSheetDlg::QStateSheetDlg(const SkinDocument& document, std::function<NoteSettings()> baseSettings,
                               Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_document(document), m_baseSettings(std::move(baseSettings)), m_prompter(prompter) {
    setObjectName(QStringLiteral("stateSheet"));
    setWindowTitle(QStringLiteral("State Sheet"));
    setSizeGripEnabled(true);

    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("sheetPicture"));
    m_picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_scroll = new QScrollArea(this);
    m_scroll->setWidget(m_picture);
    m_scroll->setWidgetResizable(true);
    m_failure = new QLabel(this);
    m_failure->setObjectName(QStringLiteral("sheetFailure"));
    m_failure->hide();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_export = buttons->addButton(QStringLiteral("&Export PNG\u2026"), QDialogButtonBox::ActionRole);
    m_export->setObjectName(QStringLiteral("exportSheet"));
    connect(m_export, &QPushButton::clicked, this, [this] { ExportPng(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_scroll, 1);
    layout->addWidget(m_failure);
    layout->addWidget(buttons);

    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &QStateSheetDlg::DrawNow);
}

void QStateSheetDlg::DocumentChanged() {
    m_stale = true;
    if (!isVisible() || m_timer.isActive())
        return;
    // A timer even when the last drawing is long past: the sheet never holds up the edit that changed
    // the document, nor the main preview drawn for it.
    const qint64 since = m_sinceRedraw.isValid() ? m_sinceRedraw.elapsed() : kRedrawInterval;
    m_timer.start(static_cast<int>(std::max<qint64>(0, kRedrawInterval - since)));
}

void QStateSheetDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_stale)
        DocumentChanged();
}

void QStateSheetDlg::DrawNow() {
    m_stale = false;
    const NoteSettings base = m_baseSettings();
    std::vector<SheetRow> rows;
    for (const QString& name : StateSheetStates(m_document, base))
        rows.push_back(*StateSheetRow(name, base));
    const std::vector<SheetSize> sizes = DefaultStateSheetSizes(m_document, base);
    const bool drawn = DrawStateSheet(m_document, rows, sizes, m_sheet);
    if (drawn) {
        // The canvas memory is copied: the label keeps its picture while the canvas is drawn again.
        m_picture->setPixmap(QPixmap::fromImage(m_sheet.ImageView().copy()));
        m_failure->hide();
        if (!m_sized)
            FitToSheet();
    } else {
        m_picture->clear();
        m_failure->setText(QStringLiteral("The sheet is too large to draw."));
        m_failure->show();
    }
    m_export->setEnabled(drawn);
    // The interval counts from the end of a drawing, so a slow drawing still leaves the user the time
    // between two drawings.
    m_sinceRedraw.start();
    emit Redrawn();
}

void QStateSheetDlg::FitToSheet() {
    m_sized = true;
    // The whole sheet when the screen has room for it, else as much as most of the screen shows.
    // The room around the viewport, scroll bars included, as the layout places it at the present size.
    layout()->activate();
    const QSize frame = size() - m_scroll->viewport()->size();
    QSize wanted = QSize(m_sheet.Width(), m_sheet.Height()) + frame;
    if (const QScreen* screen = this->screen())
        wanted = wanted.boundedTo(screen->availableGeometry().size() * 9 / 10);
    resize(wanted.expandedTo(minimumSizeHint()));
}

bool QStateSheetDlg::ExportPng() {
    if (m_stale)
        DrawNow();
    if (!m_sheet.IsValid())
        return false;
    const QString path = ChooseSaveTarget(m_prompter, this, kPngFilter,
                                          m_exportName ? m_exportName() : QString(), QStringLiteral(".png"));
    if (path.isEmpty())
        return false;
    ImageSurface picture;
    if (!picture.MakeFromCanvas(m_sheet) || !picture.SavePng(path)) {
        m_prompter.Inform(this, QStringLiteral("Error saving ") + path + QStringLiteral(": ") +
                                    picture.LastError());
        return false;
    }
    return true;
}
