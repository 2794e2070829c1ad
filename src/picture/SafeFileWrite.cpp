#include "picture/SafeFileWrite.h"

#include <QSaveFile>

bool WriteFileSafely(const QString& path, const QByteArray& bytes, QString* reason) {
    SafeFileWriter writer;
    const bool saved = writer.Open(path) && writer.Write(bytes) && writer.Commit();
    if (!saved && reason)
        *reason = writer.ErrorString();
    return saved;
}

SafeFileWriter::SafeFileWriter() = default;

SafeFileWriter::~SafeFileWriter() {
    Cancel();
}

bool SafeFileWriter::Fail(const QString& reason) {
    if (!m_failed) {
        m_failed = true;
        m_error = reason.isEmpty() ? QStringLiteral("Unknown error") : reason;
    }
    Cancel();
    return false;
}

bool SafeFileWriter::Open(const QString& path) {
    if (m_failed)
        return false;
    if (m_file)
        return Fail(QStringLiteral("a file is already being written"));
    if (path.isEmpty())
        return Fail(QStringLiteral("No file name specified"));
    m_file = std::make_unique<QSaveFile>(path);
    if (!m_file->open(QIODevice::WriteOnly))
        return Fail(m_file->errorString());
    return true;
}

bool SafeFileWriter::Write(const char* data, qint64 size) {
    if (m_failed || !m_file)
        return m_failed ? false : Fail(QStringLiteral("the file is not open"));
    if (size <= 0)
        return true;
    if (m_file->write(data, size) != size || m_file->error() != QFileDevice::NoError)
        return Fail(m_file->errorString());
    return true;
}

qint64 SafeFileWriter::Pos() const {
    return m_file ? m_file->pos() : -1;
}

bool SafeFileWriter::Seek(qint64 offset) {
    if (m_failed || !m_file)
        return m_failed ? false : Fail(QStringLiteral("the file is not open"));
    // Seeking flushes the buffer, so a deferred write error shows here.
    if (!m_file->seek(offset) || m_file->error() != QFileDevice::NoError)
        return Fail(m_file->errorString());
    return true;
}

bool SafeFileWriter::Commit() {
    if (m_failed || !m_file)
        return m_failed ? false : Fail(QStringLiteral("the file is not open"));
    // Flush first and look at the result: commit() itself would rename the file into place even when
    // its own final flush failed.
    if (!m_file->flush() || m_file->error() != QFileDevice::NoError)
        return Fail(m_file->errorString());
    if (!m_file->commit()) {
        const QString reason = m_file->errorString();
        m_file.reset();
        return Fail(reason);
    }
    m_file.reset();
    return true;
}

void SafeFileWriter::Cancel() {
    if (!m_file)
        return;
    m_file->cancelWriting();
    m_file.reset(); // the destructor of an uncommitted QSaveFile removes its temporary file
}
