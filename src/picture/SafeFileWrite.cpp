#include "picture/SafeFileWrite.h"

#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace {

// The system's reason for the last failure of the file. Qt loses it when a write gets only part of its
// bytes out (the short write is no error to the system; the call after it is, and Qt does not keep its
// reason), so errno, cleared before the call, stands in then.
QString ReasonOf(const QFileDevice& file, int error) {
    const QString reason = file.errorString();
    if (error != 0 && (reason.isEmpty() || reason == QStringLiteral("Unknown error")))
        return QString::fromLocal8Bit(std::strerror(error));
    return reason;
}

} // namespace

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
    errno = 0;
    if (!m_file->open(QIODevice::WriteOnly))
        return Fail(ReasonOf(*m_file, errno));
    return true;
}

bool SafeFileWriter::Write(const char* data, qint64 size) {
    if (m_failed || !m_file)
        return m_failed ? false : Fail(QStringLiteral("the file is not open"));
    if (size <= 0)
        return true;
    errno = 0;
    if (m_file->write(data, size) != size || m_file->error() != QFileDevice::NoError)
        return Fail(ReasonOf(*m_file, errno));
    return true;
}

qint64 SafeFileWriter::Pos() const {
    return m_file ? m_file->pos() : -1;
}

bool SafeFileWriter::Seek(qint64 offset) {
    if (m_failed || !m_file)
        return m_failed ? false : Fail(QStringLiteral("the file is not open"));
    // Seeking flushes the buffer, so a deferred write error shows here.
    errno = 0;
    if (!m_file->seek(offset) || m_file->error() != QFileDevice::NoError)
        return Fail(ReasonOf(*m_file, errno));
    return true;
}

bool SafeFileWriter::Commit() {
    if (m_failed || !m_file)
        return m_failed ? false : Fail(QStringLiteral("the file is not open"));
    // Flush first and look at the result: commit() itself would rename the file into place even when
    // its own final flush failed.
    errno = 0;
    if (!m_file->flush() || m_file->error() != QFileDevice::NoError)
        return Fail(ReasonOf(*m_file, errno));
    errno = 0;
    if (!m_file->commit()) {
        const QString reason = ReasonOf(*m_file, errno);
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
