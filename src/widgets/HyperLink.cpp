#include "widgets/HyperLink.h"

#include <QDesktopServices>
#include <QEnterEvent>
#include <QMessageBox>
#include <QMouseEvent>

namespace {

const QColor kLinkColour(0, 0, 238);
const QColor kVisitedColour(85, 26, 139);

int OpenWithDesktop(const QUrl& link) {
    // The desktop only says whether it worked; a link it cannot open has nothing associated with it.
    return QDesktopServices::openUrl(link) ? CHyperLink::kLinkOpened : ShellError::NoAssociation;
}

} // namespace

QString HyperlinkErrorText(int code) {
    QString reason;
    switch (code) {
    case ShellError::OutOfMemory:
        reason = QStringLiteral("The operating system is out\nof memory or resources.");
        break;
    case ShellError::PathNotFound:
        reason = QStringLiteral("The specified path was not found.");
        break;
    case ShellError::FileNotFound:
        reason = QStringLiteral("The specified file was not found.");
        break;
    case ShellError::BadFormat:
        reason = QStringLiteral("The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).");
        break;
    case ShellError::AccessDenied:
        reason = QStringLiteral("The operating system denied\naccess to the specified file.");
        break;
    case ShellError::AssociationIncomplete:
        reason = QStringLiteral("The filename association is\nincomplete or invalid.");
        break;
    case ShellError::DdeBusy:
        reason = QStringLiteral("The DDE transaction could not\nbe completed because other DDE transactions\n"
                                "were being processed.");
        break;
    case ShellError::DdeFail:
        reason = QStringLiteral("The DDE transaction failed.");
        break;
    case ShellError::DdeTimeout:
        reason = QStringLiteral("The DDE transaction could not\nbe completed because the request timed out.");
        break;
    case ShellError::DllNotFound:
        reason = QStringLiteral("The specified dynamic-link library was not found.");
        break;
    case ShellError::NoAssociation:
        reason = QStringLiteral("There is no application associated\nwith the given filename extension.");
        break;
    case ShellError::NotEnoughMemory:
        reason = QStringLiteral("There was not enough memory to complete the operation.");
        break;
    case ShellError::Share:
        reason = QStringLiteral("A sharing violation occurred. ");
        break;
    default:
        reason = QStringLiteral("Unknown Error (%1) occurred.").arg(code);
        break;
    }
    return QStringLiteral("Unable to open hyperlink:\n\n") + reason;
}

CHyperLink::CHyperLink(const QString& text, QWidget* parent)
    : QLabel(text, parent), m_opener(OpenWithDesktop), m_reporter([this](const QString& error) {
          QMessageBox::warning(this, QString(), error, QMessageBox::Ok);
      }) {
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    UpdateLook();
}

void CHyperLink::SetLink(const QUrl& link) {
    m_link = link;
    setToolTip(link.toString());
}

QColor CHyperLink::TextColour() const {
    if (m_hovered)
        return palette().color(QPalette::Highlight);
    return m_visited ? kVisitedColour : kLinkColour;
}

void CHyperLink::UpdateLook() {
    QPalette look = palette();
    look.setColor(QPalette::WindowText, TextColour());
    setPalette(look);
}

void CHyperLink::Open() {
    const int result = m_opener(m_link);
    if (result == kLinkOpened) {
        m_visited = true;
        UpdateLook();
        return;
    }
    m_reporter(HyperlinkErrorText(result));
}

void CHyperLink::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Open();
    QLabel::mouseReleaseEvent(event);
}

void CHyperLink::enterEvent(QEnterEvent* event) {
    m_hovered = true;
    UpdateLook();
    QLabel::enterEvent(event);
}

void CHyperLink::leaveEvent(QEvent* event) {
    m_hovered = false;
    UpdateLook();
    QLabel::leaveEvent(event);
}
