#include "document/StdioFileEx.h"

#include <QSysInfo>
#include <algorithm>
#include <cstring>

namespace {

constexpr qint64 kReadAhead = 64 * 1024;
constexpr qint64 kSmallestRead = 4096;

const char* CodePageName(CStdioFileEx::CodePage codePage) {
    return codePage == CStdioFileEx::CodePage::Utf8 ? "UTF-8" : "windows-1252";
}

} // namespace

CStdioFileEx::CStdioFileEx(CodePage codePage) : m_codePage(codePage) {}

bool CStdioFileEx::Open(const QString& path, int flags) {
    Close();
    QIODevice::OpenMode mode;
    if (flags & Read)
        mode |= QIODevice::ReadOnly;
    if (flags & (Write | Create))
        mode |= QIODevice::WriteOnly;
    if ((flags & Write) && !(flags & Create))
        mode |= QIODevice::ExistingOnly;
    if ((flags & Create) && !(flags & Read))
        mode |= QIODevice::Truncate;
    m_device = &m_file;
    m_file.setFileName(path);
    if (!m_file.open(mode))
        return false;
    Reset((flags & Utf16) != 0);
    if ((flags & Read) && !(flags & (Write | Create))) {
        char mark[2];
        const qint64 got = m_file.read(mark, 2);
        m_utf16 = got == 2 && static_cast<unsigned char>(mark[0]) == 0xFF &&
                  static_cast<unsigned char>(mark[1]) == 0xFE;
        if (!m_file.seek(0)) {
            m_file.close();
            return false;
        }
    }
    return true;
}

void CStdioFileEx::OpenBytes(const QByteArray& bytes) {
    Close();
    m_device = &m_bytes;
    m_bytes.setData(bytes);
    m_bytes.open(QIODevice::ReadOnly);
    Reset(bytes.startsWith("\xFF\xFE"));
}

void CStdioFileEx::Reset(bool utf16) {
    m_utf16 = utf16;
    m_firstLine = true;
    m_readError = false;
    m_atEnd = false;
    m_buffer.clear();
    m_bufferPos = 0;
}

void CStdioFileEx::Close() {
    if (m_device->isOpen())
        m_device->close();
    m_buffer.clear();
    m_bufferPos = 0;
}

bool CStdioFileEx::FillBuffer() {
    if (m_atEnd)
        return false;
    m_buffer.remove(0, m_bufferPos);
    m_bufferPos = 0;
    // A small file gets a buffer of its size, not the whole read-ahead.
    qint64 want = kReadAhead;
    if (!m_device->isSequential())
        want = std::clamp(m_device->size() - m_device->pos(), kSmallestRead, kReadAhead);
    const qsizetype old = m_buffer.size();
    m_buffer.resize(old + want);
    const qint64 got = m_device->read(m_buffer.data() + old, want);
    if (got < 0) {
        m_readError = true;
        m_atEnd = true;
        m_buffer.resize(old);
        return false;
    }
    m_buffer.resize(old + got);
    if (got == 0)
        m_atEnd = true;
    return got > 0;
}

void CStdioFileEx::Decode(const char* bytes, qsizetype size, QString& text) {
    if (m_utf16) {
        // A lone last byte of an odd-sized file is not a unit and is dropped. The caller's line keeps
        // its storage from one line to the next.
        text.resize(size / 2);
        QChar* out = text.data();
        if constexpr (QSysInfo::ByteOrder == QSysInfo::LittleEndian) {
            std::memcpy(out, bytes, static_cast<size_t>(size / 2) * 2);
        } else {
            for (qsizetype i = 0; i < size / 2; ++i)
                out[i] = QChar(static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                                     static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
        }
        return;
    }
    if (!m_decoder)
        m_decoder.emplace(CodePageName(m_codePage));
    // Into the line's own storage as well, sized for the most the bytes can make and cut to what they
    // made: one allocation a file instead of one a line.
    text.resize(m_decoder->requiredSpace(size));
    const QChar* end = m_decoder->appendToBuffer(text.data(), QByteArrayView(bytes, size));
    text.resize(end - text.constData());
}

// The first line end at or after from: a 0x0A byte, which in UTF-16 must start a unit (counted from
// base) and be followed by a zero byte. -1 when there is none before end.
qsizetype CStdioFileEx::FindLineEnd(qsizetype base, qsizetype from, qsizetype end) const {
    const char* data = m_buffer.constData();
    const qsizetype unit = m_utf16 ? 2 : 1;
    for (qsizetype i = from; i + unit <= end;) {
        const void* hit = std::memchr(data + i, '\n', static_cast<size_t>(end - i));
        if (!hit)
            return -1;
        const qsizetype at = static_cast<const char*>(hit) - data;
        if (unit == 1)
            return at;
        if ((at - base) % 2 == 0 && at + 1 < end && data[at + 1] == 0)
            return at;
        // Not a unit's low byte, or a unit such as U+010A: go on after it.
        i = at + 1;
    }
    return -1;
}

bool CStdioFileEx::ReadString(QString& line) {
    line.resize(0);
    if (!m_device->isOpen() || !m_device->isReadable())
        return false;
    if (m_firstLine && m_device->pos() - (m_buffer.size() - m_bufferPos) == 0) {
        const QByteArray mark = m_utf16                        ? QByteArray("\xFF\xFE", 2)
                                : m_codePage == CodePage::Utf8 ? QByteArray("\xEF\xBB\xBF", 3)
                                                               : QByteArray();
        while (m_buffer.size() - m_bufferPos < mark.size() && FillBuffer()) {
        }
        if (!mark.isEmpty() && QByteArrayView(m_buffer).sliced(m_bufferPos).startsWith(mark))
            m_bufferPos += mark.size();
    }
    m_firstLine = false;

    const qsizetype unit = m_utf16 ? 2 : 1;
    qsizetype scan = m_bufferPos; // where the search for LF resumes
    for (;;) {
        const char* data = m_buffer.constData();
        const qsizetype end = m_buffer.size();
        // Units are counted from the line's start, so a 0x0A byte inside a UTF-16 unit is no line end.
        const qsizetype lf = FindLineEnd(m_bufferPos, scan, end);
        if (lf >= 0) {
            qsizetype lineEnd = lf;
            if (lineEnd - m_bufferPos >= unit && data[lineEnd - unit] == '\r' &&
                (unit == 1 || data[lineEnd - 1] == 0))
                lineEnd -= unit;
            Decode(data + m_bufferPos, lineEnd - m_bufferPos, line);
            m_bufferPos = lf + unit;
            return true;
        }
        scan = m_bufferPos + ((end - m_bufferPos) / unit) * unit;
        const qsizetype consumed = m_bufferPos;
        if (!FillBuffer())
            break;
        scan -= consumed;
    }
    if (m_readError)
        return false;
    const qsizetype rest = m_buffer.size() - m_bufferPos;
    if (rest < unit)
        return false;
    qsizetype lineEnd = m_buffer.size() - rest % unit;
    const char* data = m_buffer.constData();
    if (lineEnd - m_bufferPos >= unit && data[lineEnd - unit] == '\r' &&
        (unit == 1 || data[lineEnd - 1] == 0))
        lineEnd -= unit;
    Decode(data + m_bufferPos, lineEnd - m_bufferPos, line);
    m_bufferPos = m_buffer.size();
    return true;
}

bool CStdioFileEx::WriteString(const QString& text) {
    if (!m_device->isOpen() || !m_device->isWritable())
        return false;
    QByteArray bytes;
    if (m_firstLine && m_device->pos() == 0) {
        if (m_utf16)
            bytes = QByteArray("\xFF\xFE", 2);
        else if (m_codePage == CodePage::Utf8)
            bytes = QByteArray("\xEF\xBB\xBF", 3);
    }
    m_firstLine = false;
    if (m_utf16) {
        const qsizetype start = bytes.size();
        bytes.resize(start + text.size() * 2);
        char* out = bytes.data() + start;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t c = text[i].unicode();
            out[2 * i] = static_cast<char>(c & 0xFF);
            out[2 * i + 1] = static_cast<char>(c >> 8);
        }
    } else {
        if (!m_encoder)
            m_encoder.emplace(CodePageName(m_codePage));
        bytes += m_encoder->encode(text);
    }
    return m_device->write(bytes) == bytes.size();
}
