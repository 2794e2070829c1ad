#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

class QSaveFile;

// Every file the program writes goes through here. The new content is built in a temporary file beside
// the target and renamed over it only when every write and the final flush succeeded, so a full disk,
// a file-size limit or a vanished folder leaves the old file byte for byte and reports why.
//
// (QSaveFile alone is not enough: data smaller than its buffer is written only inside commit(), whose
// flush error does not stop the rename, so a failed save would replace the file with an empty one.)

// Writes bytes as the whole content of path. On failure returns false, leaves the old file as it was
// and, when reason is given, sets it to the system's description of the error.
bool WriteFileSafely(const QString& path, const QByteArray& bytes, QString* reason = nullptr);

// The streaming form, for writers that produce their file piece by piece (and may seek back to patch
// a header): Open, Write..., Commit. After the first failure every call fails and nothing is committed;
// a writer destroyed without Commit leaves the old file untouched.
class SafeFileWriter {
public:
    SafeFileWriter();
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    bool Open(const QString& path);
    bool Write(const char* data, qint64 size);
    bool Write(const QByteArray& bytes) { return Write(bytes.constData(), bytes.size()); }
    qint64 Pos() const;
    bool Seek(qint64 offset);
    // Flushes, checks that nothing failed and renames the file into place; false (and the old file kept)
    // when anything failed on the way.
    bool Commit();
    // Gives the new content up; the old file stays.
    void Cancel();

    bool IsOpen() const { return m_file != nullptr; }
    bool Failed() const { return m_failed; }
    // The system's reason for the first failure; empty while all went well.
    QString ErrorString() const { return m_error; }

private:
    bool Fail(const QString& reason);

    std::unique_ptr<QSaveFile> m_file;
    bool m_failed = false;
    QString m_error;
};
