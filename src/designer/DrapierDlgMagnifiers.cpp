// The main window's magnifiers and its time converter.
#include "designer/DrapierDlg.h"

#include "designer/CommandIds.h"
#include "designer/SourceView.h"
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
    m_sourceMagnifier = new QMagnifierDlg(
        QMagnifierDlg::Mode::Source, [this]() -> const Canvas& { return SourceMagnifierPicture(); }, this);
    m_sourceMagnifier->setObjectName(QStringLiteral("sourceMagnifier"));
    m_sourceMagnifier->SetClosedHandler([this] { m_sourceMagnifierShown = false; });
    // The preview buffer is rendered at the preview area's size with the backdrop at its own size,
    // exactly the picture this magnifier enlarges, so it is shown as it stands.
    m_previewMagnifier = new QMagnifierDlg(
        QMagnifierDlg::Mode::Preview, [this]() -> const Canvas& { return PreviewBuffer(); }, this);
    m_previewMagnifier->setObjectName(QStringLiteral("previewMagnifier"));
    m_previewMagnifier->SetClosedHandler([this] { m_previewMagnifierShown = false; });

    connect(m_sourceZoom, &QPushButton::clicked, this,
            [this] { ToggleMagnifier(m_sourceMagnifier, m_sourceMagnifierShown); });
    connect(m_previewZoom, &QPushButton::clicked, this,
            [this] { ToggleMagnifier(m_previewMagnifier, m_previewMagnifierShown); });
    SetCommandHandler(Command::TimeConverter, [this] {
        QCTimeConverterDlg converter(this);
        converter.exec();
    });
}

void CDrapierDlg::ToggleMagnifier(QMagnifierDlg* magnifier, bool& shown) {
    if (shown) {
        magnifier->hide();
        shown = false;
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
    shown = true;
}

void CDrapierDlg::RepaintSourceMagnifier() {
    if (m_sourceMagnifier && m_sourceMagnifierShown)
        m_sourceMagnifier->update();
}

void CDrapierDlg::RefreshSourceMagnifier() {
    if (m_sourceMagnifier && m_sourceMagnifierShown) {
        m_sourceMagnifier->SizeWindow();
        m_sourceMagnifier->update();
    }
}

void CDrapierDlg::RepaintPreviewMagnifier() {
    if (m_previewMagnifier && m_previewMagnifierShown)
        m_previewMagnifier->update();
}
