#include "designer/SkinFileWatcher.h"

#include "package/FileDigest.h"

#include <QFileInfo>

namespace {

enum class Look { Missing, Unreadable, Readable };

// What is at the path now, and the digest of its bytes when it can be read. A pipe or a device is
// never opened: reading it could wait for ever.
Look LookAt(const QString& path, QByteArray* digest) {
    const QFileInfo info(path);
    if (!info.exists())
        return Look::Missing;
    if (!info.isFile())
        return Look::Unreadable;
    *digest = FileDigest(path);
    if (digest->isEmpty())
        return Look::Unreadable;
    return Look::Readable;
}

} // namespace

SkinFileWatcher::SkinFileWatcher(QObject* parent) : QObject(parent) {
    for (File file : {File::Skin, File::Picture}) {
        QTimer& settle = m_files[Index(file)].settle;
        settle.setSingleShot(true);
        settle.setInterval(kQuietTime);
        connect(&settle, &QTimer::timeout, this, [this, file] { Settle(file); });
    }
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &SkinFileWatcher::OnFileEvent);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &SkinFileWatcher::OnFolderEvent);
}

void SkinFileWatcher::SetQuietTime(int milliseconds) {
    for (Watched& w : m_files)
        w.settle.setInterval(milliseconds);
}

void SkinFileWatcher::Watch(const QString& skinPath, const QString& pngPath, const QByteArray& pngDigest) {
    if (!m_watcher.files().isEmpty())
        m_watcher.removePaths(m_watcher.files());
    if (!m_watcher.directories().isEmpty())
        m_watcher.removePaths(m_watcher.directories());
    const QString paths[] = {skinPath, pngPath};
    for (int i = 0; i < 2; ++i) {
        Watched& w = m_files[i];
        w.settle.stop();
        const QFileInfo info(paths[i]);
        // The same file as it was when its digest was taken: nothing to read again.
        if (!paths[i].isEmpty() && w.path == paths[i] && w.state == State::Readable && info.isFile() &&
            info.size() == w.size && info.lastModified() == w.modified)
            continue;
        Reset(w);
        w.path = paths[i];
        if (w.path.isEmpty())
            continue;
        w.folder = info.absolutePath();
        if (i == Index(File::Picture) && !pngDigest.isEmpty() && info.isFile()) {
            w.state = State::Readable;
            w.digest = pngDigest;
            w.size = info.size();
            w.modified = info.lastModified();
            continue;
        }
        Take(w);
    }
    Arm();
}

void SkinFileWatcher::Stop() {
    if (!m_watcher.files().isEmpty())
        m_watcher.removePaths(m_watcher.files());
    if (!m_watcher.directories().isEmpty())
        m_watcher.removePaths(m_watcher.directories());
    for (Watched& w : m_files)
        Reset(w);
}

void SkinFileWatcher::Reset(Watched& w) {
    w.settle.stop();
    w.path.clear();
    w.folder.clear();
    w.state = State::None;
    w.digest.clear();
    w.size = -1;
    w.modified = QDateTime();
}

void SkinFileWatcher::AcceptOwnWrite(const QString& path) {
    for (Watched& w : m_files) {
        if (w.path.isEmpty() || w.path != path)
            continue;
        w.settle.stop();
        Take(w);
    }
    Arm(path);
}

void SkinFileWatcher::Take(Watched& watched) {
    QByteArray digest;
    const QFileInfo info(watched.path);
    watched.size = info.size();
    watched.modified = info.lastModified();
    switch (LookAt(watched.path, &digest)) {
    case Look::Missing:
        watched.state = State::Missing;
        break;
    case Look::Unreadable:
        watched.state = State::Unreadable;
        break;
    case Look::Readable:
        watched.state = State::Readable;
        watched.digest = digest;
        break;
    }
}

// Both files, and their folders so that a file that comes back (or is renamed into place) is seen.
// A watch follows the file it was set on, which is no longer the one at the path once an editor renamed
// a new file into place; a file that was just read is therefore watched afresh.
void SkinFileWatcher::Arm(const QString& fresh) {
    if (!fresh.isEmpty() && m_watcher.files().contains(fresh))
        m_watcher.removePath(fresh);
    const QStringList files = m_watcher.files();
    const QStringList folders = m_watcher.directories();
    QStringList wanted;
    for (const Watched& w : m_files) {
        if (w.path.isEmpty())
            continue;
        if (!files.contains(w.path) && QFileInfo::exists(w.path) && !wanted.contains(w.path))
            wanted << w.path;
        if (!folders.contains(w.folder) && QFileInfo(w.folder).isDir() && !wanted.contains(w.folder))
            wanted << w.folder;
    }
    if (!wanted.isEmpty())
        m_watcher.addPaths(wanted);
}

void SkinFileWatcher::OnFileEvent(const QString& path) {
    for (Watched& w : m_files) {
        if (!w.path.isEmpty() && w.path == path)
            w.settle.start();
    }
}

void SkinFileWatcher::OnFolderEvent(const QString& folder) {
    // Anything in the folder may have changed; only a file that appeared, went, or took another size
    // or time is worth reading again (the watch on the file itself reports its writes).
    for (Watched& w : m_files) {
        if (w.path.isEmpty() || w.folder != folder || w.settle.isActive())
            continue;
        const bool there = QFileInfo::exists(w.path);
        if (there != (w.state != State::Missing) || (there && !m_watcher.files().contains(w.path)))
            w.settle.start();
    }
    Arm();
}

void SkinFileWatcher::Settle(File file) {
    Watched& w = m_files[Index(file)];
    if (w.path.isEmpty())
        return;
    const State before = w.state;
    const QByteArray digestBefore = w.digest;
    Take(w);
    Arm(w.path);
    if (w.state == before && (w.state != State::Readable || w.digest == digestBefore))
        return;
    switch (w.state) {
    case State::Missing:
        emit FileChanged(file, Change::Gone);
        break;
    case State::Unreadable:
        emit FileChanged(file, Change::Unreadable);
        break;
    case State::Readable:
        // Back as it was (moved away and back, or a permission taken and given again): nothing to load.
        if (w.digest != digestBefore || digestBefore.isEmpty())
            emit FileChanged(file, Change::Changed);
        break;
    case State::None:
        break;
    }
}
