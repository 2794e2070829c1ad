#pragma once

#include "render/SkinLint.h"
#include "widgets/ResizingDialog.h"

#include <QTimer>
#include <functional>

class QLabel;
class QTreeWidget;
struct SkinDocument;

// "Check Sprite Sheet": the lint's findings of the skin being edited, in a window of its own beside the
// main window. While it is shown it lints again after changes of the document; changes that come close
// together are taken as one, so typing in a dialog is not slowed down. Choosing a finding hands it to
// the main window, which selects the element and tints the rectangle.
class QLintDlg : public CResizingDialog {
    Q_OBJECT
public:
    // The document stays the main window's; this window only reads it.
    explicit QLintDlg(const SkinDocument& document, QWidget* parent = nullptr);

    // Called with the chosen finding, and with null when none is chosen any more (the list changed under
    // it, or the window was closed).
    void SetChooseHandler(std::function<void(const LintFinding*)> handler) { m_choose = std::move(handler); }

    // The document changed: lint again shortly, when shown.
    void DocumentChanged();
    // Lints now and shows the findings, keeping the chosen one when it is still there.
    void Refresh();

    const LintReport& Report() const { return m_report; }
    QTreeWidget* List() const { return m_list; }
    bool RefreshPending() const { return m_refresh.isActive(); }
    // The chosen finding's place in the report; -1 for none.
    int ChosenFinding() const;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Fill();
    void Choose();
    void UpdateSummary();

    const SkinDocument& m_document;
    LintReport m_report;
    QTreeWidget* m_list = nullptr;
    QLabel* m_summary = nullptr;
    QTimer m_refresh;
    std::function<void(const LintFinding*)> m_choose;
};
