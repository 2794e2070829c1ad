// The main window's magnifiers and its time converter.
#include "designer/DrapierDlg.h"

#include "designer/CommandIds.h"
#include "designer/PickingController.h"
#include "designer/SourceGroup.h"
#include "dialogs/CTimeConverterDlg.h"
#include "dialogs/MagnifierDlg.h"

#include <QPushButton>
#include <QScreen>
#include <algorithm>

namespace {

constexpr int kGap = 8;

// The preview magnifier opens beside the owner's right edge, level with its top; the source magnifier
// under the owner's bottom-right corner, where the source box is. Either is moved back onto the screen
// where the owner leaves no room.
QPoint PlaceBeside(const QRect& owner, QSize frame, bool preview, const QRect& screen) {
    QPoint place = preview ? QPoint(owner.right() + 1 + kGap, owner.top())
                           : QPoint(owner.right() + 1 - frame.width(), owner.bottom() + 1 + kGap);
    if (!screen.isEmpty()) {
        place.setX(std::max(screen.left(), std::min(place.x(), screen.right() + 1 - frame.width())));
        place.setY(std::max(screen.top(), std::min(place.y(), screen.bottom() + 1 - frame.height())));
    }
    return place;
}

} // namespace

void CDrapierDlg::BuildMagnifiers() {
    // The source magnifier is a sheet canvas of its own, picking as the source view does.
    m_sourceMagnifier = new QMagnifierDlg(QMagnifierDlg::Mode::Source, {}, this);
    m_sourceMagnifier->setObjectName(QStringLiteral("sourceMagnifier"));
    m_picking = new PickingController(*this, *m_sourceGroup, m_statusLine);
    m_picking->Attach(m_sourceMagnifier->Sheet());
    // The preview buffer is rendered at the preview area's size with the backdrop at its own size,
    // exactly the picture this magnifier enlarges, so it is shown as it stands.
    m_previewMagnifier = new QMagnifierDlg(
        QMagnifierDlg::Mode::Preview, [this]() -> const Canvas& { return PreviewBuffer(); }, this);
    m_previewMagnifier->setObjectName(QStringLiteral("previewMagnifier"));

    connect(m_sourceGroup->Zoom(), &QPushButton::clicked, this,
            [this] { ToggleMagnifier(m_sourceMagnifier); });
    connect(m_previewZoom, &QPushButton::clicked, this, [this] { ToggleMagnifier(m_previewMagnifier); });
    SetCommandHandler(Command::TimeConverter, [this] {
        QCTimeConverterDlg converter(this);
        converter.exec();
    });
}

bool CDrapierDlg::IsSourceMagnifierShown() const {
    return m_sourceMagnifier && m_sourceMagnifier->isVisible();
}

bool CDrapierDlg::IsPreviewMagnifierShown() const {
    return m_previewMagnifier && m_previewMagnifier->isVisible();
}

void CDrapierDlg::ToggleMagnifier(QMagnifierDlg* magnifier) {
    // Closed by its own close box or Escape, it is hidden as well, so one click shows it again.
    if (magnifier->isVisible()) {
        magnifier->hide();
        return;
    }
    // Placed beside this window when first shown; after that where the user leaves it.
    const bool firstTime = !magnifier->testAttribute(Qt::WA_Moved);
    // The source magnifier follows the picture's size each time; the preview magnifier is fitted once,
    // when the preview picture first has its size, and keeps whatever size it is given after that.
    if (!magnifier->IsPreviewMode() || firstTime)
        magnifier->SizeWindow();
    const auto place = [this, magnifier] {
        const QScreen* s = screen();
        magnifier->move(PlaceBeside(frameGeometry(), magnifier->frameGeometry().size(),
                                    magnifier->IsPreviewMode(), s ? s->availableGeometry() : QRect()));
    };
    // Placed before showing so that it does not open centred, and again once its frame is known.
    if (firstTime)
        place();
    magnifier->update();
    magnifier->show();
    if (firstTime)
        place();
}

void CDrapierDlg::RefreshSourceMagnifier() {
    if (IsSourceMagnifierShown()) {
        m_sourceMagnifier->SizeWindow();
        m_sourceMagnifier->update();
    }
}

void CDrapierDlg::RepaintPreviewMagnifier() {
    if (IsPreviewMagnifierShown())
        m_previewMagnifier->update();
}
