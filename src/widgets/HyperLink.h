#pragma once

#include <QLabel>
#include <QUrl>
#include <functional>

// A text that opens a link when clicked: underlined, blue until the link has been opened and purple
// afterwards, the highlight colour while the pointer is over it, with a hand cursor and the link as tooltip.
class CHyperLink : public QLabel {
    Q_OBJECT
public:
    // Opens a link; returns kLinkOpened on success, otherwise the shell's error code.
    using Opener = std::function<int(const QUrl&)>;
    using Reporter = std::function<void(const QString&)>;
    static constexpr int kLinkOpened = -1;

    explicit CHyperLink(const QString& text, QWidget* parent = nullptr);

    void SetLink(const QUrl& link);
    QUrl Link() const { return m_link; }
    bool IsVisited() const { return m_visited; }
    bool IsHovered() const { return m_hovered; }
    QColor TextColour() const;

    void SetOpener(Opener opener) { m_opener = std::move(opener); }
    // Shows a failure; a message box unless replaced.
    void SetReporter(Reporter reporter) { m_reporter = std::move(reporter); }
    // Opens the link; a failure is reported with the shell's reason.
    void Open();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void UpdateLook();

    QUrl m_link;
    bool m_visited = false;
    bool m_hovered = false;
    Opener m_opener;
    Reporter m_reporter;
};

// Error codes the shell reports when it cannot open a link.
namespace ShellError {
constexpr int OutOfMemory = 0;
constexpr int FileNotFound = 2;
constexpr int PathNotFound = 3;
constexpr int AccessDenied = 5;
constexpr int NotEnoughMemory = 8;
constexpr int BadFormat = 11;
constexpr int Share = 26;
constexpr int AssociationIncomplete = 27;
constexpr int DdeTimeout = 28;
constexpr int DdeFail = 29;
constexpr int DdeBusy = 30;
constexpr int NoAssociation = 31;
constexpr int DllNotFound = 32;
} // namespace ShellError

// "Unable to open hyperlink:\n\n" followed by the reason for the code.
QString HyperlinkErrorText(int code);
