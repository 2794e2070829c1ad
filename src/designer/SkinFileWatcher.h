#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>
#include <array>

// Watches the loaded skin file (or package) and its source PNG for changes made by other programs. A
// burst of writes gives one notification once the file has been quiet for the quiet time; editors that
// save by writing a new file and renaming it over the old one are followed, since the watch is set again
// on the new file. Only changes of what the file holds count: rewriting the same bytes, or touching the
// file, says nothing. The designer's own saves are announced with AcceptOwnWrite and say nothing either.
class SkinFileWatcher : public QObject {
    Q_OBJECT
public:
    enum class File { Skin, Picture };
    Q_ENUM(File)
    enum class Change {
        Changed,    // readable, holding other bytes than before
        Gone,       // deleted or moved away
        Unreadable, // there, but not a file that can be read (permissions, a folder)
    };
    Q_ENUM(Change)

    static constexpr int kQuietTime = 200;

    explicit SkinFileWatcher(QObject* parent = nullptr);

    // Watches these two files from now on, either of which may be empty for none; what they hold now is
    // what later changes are told against. Replaces what was watched before. A file watched again at the
    // same size and time is not read again (a load watches the sheet twice).
    // pngDigest, when given, is the picture's FileDigest as it was just read (it is not read again).
    void Watch(const QString& skinPath, const QString& pngPath, const QByteArray& pngDigest = QByteArray());
    void Stop();
    QString PathOf(File file) const { return m_files[Index(file)].path; }

    // The designer wrote this file itself: what it holds now is known, and the notifications of that
    // write are dropped. Call it right after the write.
    void AcceptOwnWrite(const QString& path);

    // The quiet time in milliseconds a file must keep before its change is told.
    void SetQuietTime(int milliseconds);

signals:
    void FileChanged(SkinFileWatcher::File file, SkinFileWatcher::Change change);

private:
    enum class State { None, Missing, Unreadable, Readable };

    struct Watched {
        QString path;
        QString folder;
        State state = State::None;
        QByteArray digest; // of the bytes last known, kept while the file is missing or unreadable
        qint64 size = -1;  // the file's size and time when the digest was taken
        QDateTime modified;
        QTimer settle;
    };

    static int Index(File file) { return file == File::Skin ? 0 : 1; }
    void Arm(const QString& fresh = QString());
    void Settle(File file);
    void Take(Watched& watched);
    static void Reset(Watched& watched);
    void OnFileEvent(const QString& path);
    void OnFolderEvent(const QString& folder);

    QFileSystemWatcher m_watcher;
    std::array<Watched, 2> m_files;
};
