// The main window's watch on its skin file and source PNG: what other programs change there is loaded
// again, and what they delete or spoil is reported on the status line.
#include "designer/DrapierDlg.h"

#include "designer/PickingController.h"
#include "designer/SkinPaths.h"
#include "designer/UndoSteps.h"
#include "package/FilePaths.h"
#include "widgets/Prompter.h"
#include "widgets/TreeCtrlEx.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <utility>

namespace {

using File = SkinFileWatcher::File;
using Change = SkinFileWatcher::Change;

// How soon a change that came in the middle of an edit is looked at again.
constexpr int kRetryTime = 100;

const QString kReloadQuestion =
    QStringLiteral("The skin file has changed on disk. Reload it and lose your changes?");

bool CanRead(const QString& path) {
    QFile file(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly);
}

} // namespace

void CDrapierDlg::BuildLiveReload() {
    m_fileWatcher = new SkinFileWatcher(this);
    m_fileWatcher->setObjectName(QStringLiteral("fileWatcher"));
    connect(m_fileWatcher, &SkinFileWatcher::FileChanged, this, &CDrapierDlg::FileChangedOnDisk);
    m_fileChangeRetry = new QTimer(this);
    m_fileChangeRetry->setSingleShot(true);
    m_fileChangeRetry->setInterval(kRetryTime);
    connect(m_fileChangeRetry, &QTimer::timeout, this, &CDrapierDlg::TakePendingFileChanges);
}

void CDrapierDlg::WatchDocumentFiles(bool afresh) {
    if (!m_fileWatcher)
        return;
    // A package draws from its own picture, not from the folder's file of that name.
    const QString picture = IsPackagePath(m_skinPath) ? QString() : m_pngPath;
    if (!afresh && m_fileWatcher->PathOf(File::Skin) == m_skinPath &&
        m_fileWatcher->PathOf(File::Picture) == picture)
        return;
    // What the files hold now is what was just loaded (the sheet's digest taken as it was read); changes
    // told before that are stale.
    const bool digestIsPicture = !picture.isEmpty() && picture == m_document.picturePath;
    m_fileWatcher->Watch(m_skinPath, picture, digestIsPicture ? m_document.pictureDigest : QByteArray());
    m_pendingFileChanges = {};
}

void CDrapierDlg::OwnFileWritten(const QString& path) {
    if (m_fileWatcher)
        m_fileWatcher->AcceptOwnWrite(path);
}

void CDrapierDlg::FileChangedOnDisk(SkinFileWatcher::File file, SkinFileWatcher::Change change) {
    m_pendingFileChanges[file == File::Skin ? 0 : 1] = change;
    TakePendingFileChanges();
}

bool CDrapierDlg::IsMidEdit() const {
    // An open dialog may be editing a record the reload would take away, and a pick or an edit in
    // progress would be recorded against the wrong document.
    if (m_history->InEdit() || m_picking->IsPicking())
        return true;
    const QWidget* modal = QApplication::activeModalWidget();
    return modal && modal != this;
}

void CDrapierDlg::TakePendingFileChanges() {
    if (IsMidEdit()) {
        m_fileChangeRetry->start();
        return;
    }
    if (const auto change = std::exchange(m_pendingFileChanges[1], std::nullopt))
        PictureChangedOnDisk(*change);
    if (const auto change = std::exchange(m_pendingFileChanges[0], std::nullopt))
        SkinChangedOnDisk(*change);
}

void CDrapierDlg::PictureChangedOnDisk(SkinFileWatcher::Change change) {
    const QString name = LocalFileName(m_pngPath);
    switch (change) {
    case Change::Gone:
        ShowStatus(name + QStringLiteral(" was deleted or moved away; the last picture loaded is kept."));
        return;
    case Change::Unreadable:
        ShowStatus(name + QStringLiteral(" can no longer be read; the last picture loaded is kept."));
        return;
    case Change::Changed:
        break;
    }
    ImageSurface fresh;
    if (!fresh.Load(m_pngPath, kImagePng)) {
        ShowStatus(name + QStringLiteral(" no longer loads as a picture; the last picture loaded is kept."));
        return;
    }
    // Not an edit: the undo steps name the PNG, not its pixels, and the skin file is unchanged.
    m_sourceImage = std::move(fresh);
    m_document.image = m_sourceImage;
    RefreshSourceView(true);
    RefreshSourceMagnifier();
    RedrawPreview();
    ShowStatus(name + QStringLiteral(" changed on disk and was loaded again."));
}

void CDrapierDlg::SkinChangedOnDisk(SkinFileWatcher::Change change) {
    const QString name = LocalFileName(m_skinPath);
    const QString unreadable = name + QStringLiteral(" can no longer be read; the skin is kept as it is.");
    switch (change) {
    case Change::Gone:
        // Nothing on disk holds the skin now, so no state of the history is the saved one.
        MarkDirty();
        ShowStatus(name + QStringLiteral(" was deleted or moved away; Save writes it again."));
        return;
    case Change::Unreadable:
        ShowStatus(unreadable);
        return;
    case Change::Changed:
        break;
    }
    if (!CanRead(m_skinPath)) {
        ShowStatus(unreadable);
        return;
    }
    if (m_dirty && !m_prompter.AskYesNo(this, kReloadQuestion, false)) {
        // The file holds neither the saved state nor this one any more.
        MarkDirty();
        ShowStatus(name + QStringLiteral(" changed on disk; your changes are kept."));
        return;
    }
    ReloadSkinFromDisk();
    ShowStatus(name + QStringLiteral(" changed on disk and was loaded again."));
}

void CDrapierDlg::ReloadSkinFromDisk() {
    const bool onDefaultLayout = m_tree->currentItem() == m_defaultLayoutItem;
    const int entry = SelectedEntry();
    // What was replaced stays one undo step away: it may be the only copy of a version another program
    // overwrote.
    DocumentSnapshot before = m_history->Current();
    LoadSkinFrom(m_skinPath);
    if (entry >= 0 && entry < static_cast<int>(m_document.elements.size()))
        SelectEntry(entry);
    else if (onDefaultLayout)
        m_tree->setCurrentItem(m_defaultLayoutItem);
    m_history->PushReplacement(QStringLiteral("Reload from Disk"), std::move(before), entry, SelectedEntry());
}
