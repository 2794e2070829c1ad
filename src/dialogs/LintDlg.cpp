#include "dialogs/LintDlg.h"

#include "document/SkinDocument.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QHideEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// Long enough to take a burst of keystrokes as one change, short enough to feel live.
constexpr int kRefreshDelayMs = 200;

} // namespace

QLintDlg::QLintDlg(const SkinDocument& document, QWidget* parent)
    : CResizingDialog(parent), m_document(document) {
    setObjectName(QStringLiteral("lintWindow"));
    setWindowTitle(QStringLiteral("Check Sprite Sheet"));
    setModal(false);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("findings"));
    m_list->setHeaderLabels({QStringLiteral("Finding"), QStringLiteral("Message")});
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setMinimumSize(480, 160);
    m_list->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    // Selection, not the current item: the list makes its first item current on taking the focus, which
    // must not choose anything.
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &QLintDlg::Choose);

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("summary"));
    m_summary->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // The list, not the button, answers Enter.
    buttons->button(QDialogButtonBox::Close)->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_summary);
    layout->addWidget(buttons);
    UpdateSummary();
    InitResizing();
    resize(760, 320);

    m_refresh.setSingleShot(true);
    m_refresh.setInterval(kRefreshDelayMs);
    connect(&m_refresh, &QTimer::timeout, this, &QLintDlg::Refresh);
}

void QLintDlg::DocumentChanged() {
    // Not restarted by each change, so a long burst of typing still sees the findings follow.
    if (isVisible() && !m_refresh.isActive())
        m_refresh.start();
}

void QLintDlg::Refresh() {
    m_refresh.stop();
    LintReport report = LintSkin(m_document);
    const bool same =
        report.findings == m_report.findings && report.pictureMissing == m_report.pictureMissing;
    if (same && m_list->topLevelItemCount() == static_cast<int>(m_report.findings.size()))
        return;
    const int chosen = ChosenFinding();
    const std::optional<LintFinding> before =
        chosen >= 0 ? std::optional<LintFinding>(m_report.findings[static_cast<size_t>(chosen)])
                    : std::nullopt;
    m_report = std::move(report);
    Fill();
    if (!before)
        return;
    // The same finding again, or failing that one of the same kind on the same element (its message may
    // have changed with the edit).
    int again = -1;
    for (int i = 0; i < static_cast<int>(m_report.findings.size()) && again < 0; ++i) {
        if (m_report.findings[static_cast<size_t>(i)] == *before)
            again = i;
    }
    for (int i = 0; i < static_cast<int>(m_report.findings.size()) && again < 0; ++i) {
        const LintFinding& f = m_report.findings[static_cast<size_t>(i)];
        if (before->element >= 0 && f.kind == before->kind && f.element == before->element)
            again = i;
    }
    if (again >= 0)
        m_list->setCurrentItem(m_list->topLevelItem(again));
    else if (m_choose)
        m_choose(nullptr);
}

void QLintDlg::Fill() {
    const QSignalBlocker blocker(m_list);
    m_list->clear();
    QList<QTreeWidgetItem*> items;
    for (const LintFinding& f : m_report.findings) {
        auto* item = new QTreeWidgetItem({LintKindName(f.kind), f.message});
        item->setToolTip(1, f.message);
        items << item;
    }
    m_list->addTopLevelItems(items);
    // Long messages scroll sideways rather than end in an ellipsis.
    m_list->resizeColumnToContents(1);
    UpdateSummary();
}

void QLintDlg::UpdateSummary() {
    const int count = static_cast<int>(m_report.findings.size());
    QString text = count == 0   ? QStringLiteral("No findings.")
                   : count == 1 ? QStringLiteral("1 finding.")
                                : QStringLiteral("%1 findings.").arg(count);
    if (m_report.pictureMissing)
        text +=
            QStringLiteral(" The skin has no picture, so its source rectangles and areas are not checked.");
    m_summary->setText(text);
}

int QLintDlg::ChosenFinding() const {
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? -1 : m_list->indexOfTopLevelItem(selected.first());
}

void QLintDlg::Choose() {
    if (!m_choose)
        return;
    const int chosen = ChosenFinding();
    m_choose(chosen >= 0 ? &m_report.findings[static_cast<size_t>(chosen)] : nullptr);
}

void QLintDlg::showEvent(QShowEvent* event) {
    CResizingDialog::showEvent(event);
    Refresh();
}

void QLintDlg::hideEvent(QHideEvent* event) {
    // Hidden with a minimised main window, the window comes back as it was.
    if (!event->spontaneous()) {
        m_refresh.stop();
        {
            const QSignalBlocker blocker(m_list);
            m_list->setCurrentItem(nullptr);
            m_list->clearSelection();
        }
        if (m_choose)
            m_choose(nullptr);
    }
    CResizingDialog::hideEvent(event);
}
