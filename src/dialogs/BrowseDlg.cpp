#include "dialogs/BrowseDlg.h"

#include "catalogue/CatalogueFiles.h"
#include "catalogue/CatalogueWriter.h"
#include "catalogue/GalleryPage.h"
#include "dialogs/CatalogueProgressDlg.h"
#include "widgets/Prompter.h"

#include <QCheckBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

// A message box stays readable however many packages failed.
constexpr int kMessagesShown = 15;

QPushButton* MakeButton(const QString& text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    // Enter while walking the list must not press anything.
    button->setAutoDefault(false);
    return button;
}

QString RunSummary(const CatalogueResult& result) {
    return QStringLiteral("%1 packages, %2 thumbnails written, %3 skipped, %4 failed")
        .arg(result.packages)
        .arg(result.thumbnails)
        .arg(result.skipped)
        .arg(result.failed);
}

} // namespace

QBrowseDlg::QBrowseDlg(const QString& folder, Prompter& prompter, QWidget* parent)
    : CResizingDialog(parent), m_folder(folder), m_prompter(prompter) {
    setObjectName(QStringLiteral("browseSkins"));
    setWindowTitle(QStringLiteral("Browse skins"));
    while (m_folder.size() > 1 && m_folder.endsWith(u'/'))
        m_folder.chop(1);

    m_folderLabel = new QLabel(QDir::toNativeSeparators(m_folder), this);
    m_folderLabel->setObjectName(QStringLiteral("folder"));
    m_folderLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("skins"));
    m_list->setMinimumSize(260, 300);
    m_close = MakeButton(QStringLiteral("Close"), "close", this);
    m_refresh = MakeButton(QStringLiteral("&Refresh"), "refresh", this);
    m_write = MakeButton(QStringLiteral("&Write DB/pngs"), "writeCatalogue", this);
    // Unchecked on every opening: the page is written only when asked for each time.
    m_writePage = new QCheckBox(QStringLiteral("Also write a gallery page (index.html)"), this);
    m_writePage->setObjectName(QStringLiteral("writeGallery"));

    // Selection, not the current row: the list makes its first row current on taking the focus, and that
    // must not load anything.
    connect(m_list, &QListWidget::itemSelectionChanged, this, &QBrowseDlg::ShowSelected);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_refresh, &QPushButton::clicked, this, &QBrowseDlg::Refresh);
    connect(m_write, &QPushButton::clicked, this, &QBrowseDlg::WriteCatalogue);
    auto* writeKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
    connect(writeKey, &QShortcut::activated, this, &QBrowseDlg::WriteCatalogue);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_refresh);
    buttons->addWidget(m_write);
    buttons->addWidget(m_writePage);
    buttons->addStretch(1);
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_folderLabel);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);

    Refresh();
    InitResizing();
}

void QBrowseDlg::Refresh() {
    // Filling the list selects nothing and so loads nothing.
    const QSignalBlocker quiet(m_list);
    m_list->clear();
    m_list->addItems(SkinFolderListing(m_folder));
    m_list->setCurrentRow(-1);
}

void QBrowseDlg::ShowSelected() {
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    if (!selected.isEmpty())
        emit EntrySelected(m_folder + u'/' + selected.front()->text());
}

void QBrowseDlg::WriteCatalogue() {
    if (m_writing)
        return;
    m_writing = true;
    QStringList names;
    for (int i = 0; i < m_list->count(); ++i)
        names << m_list->item(i)->text();
    int total = 0;
    for (const QString& name : names)
        total += name.endsWith(u".qsk", Qt::CaseInsensitive) ? 1 : 0;

    const bool withPage = m_writePage->isChecked();
    CatalogueProgressDlg progress(total, withPage, this);
    connect(&progress, &CatalogueProgressDlg::Reported, this, &QBrowseDlg::CatalogueProgressed);
    progress.show();
    CatalogueRun run;
    run.jobs = m_jobs;
    run.progress = [&progress](const CatalogueProgress& p) { return progress.Report(p); };
    run.idle = [&progress] { return progress.KeepAnswering(); };
    CatalogueResult result = ::WriteCatalogue(m_folder, names, run);
    if (withPage && !result.cancelled) {
        progress.ReportPageStarted();
        AddGalleryPage(m_folder, result);
        progress.ReportPageDone();
    }
    progress.hide();
    m_writing = false;

    emit CatalogueRunEnded(result);
    ReportRun(result);
}

void QBrowseDlg::ReportRun(const CatalogueResult& result) {
    if (!result.cancelled && result.messages.isEmpty())
        return;
    QString text;
    if (result.cancelled)
        text = QStringLiteral("Writing the catalogue was cancelled; ") +
               QDir::toNativeSeparators(result.cataloguePath) + QStringLiteral(" was not written.");
    else
        text = RunSummary(result) + u'.';
    const QStringList& messages = result.messages;
    if (!messages.isEmpty()) {
        text += QStringLiteral("\n\n") + messages.mid(0, kMessagesShown).join(u'\n');
        if (messages.size() > kMessagesShown)
            text += QStringLiteral("\n... and %1 more").arg(messages.size() - kMessagesShown);
    }
    m_prompter.Inform(this, text);
}

void QBrowseDlg::done(int result) {
    // The writer finishes (or is cancelled) before the browser goes.
    if (m_writing)
        return;
    CResizingDialog::done(result);
}
