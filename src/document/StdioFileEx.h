#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

#include <optional>

// A text file that knows UTF-16LE (with its FF FE mark) besides 8-bit text in a code page. Lines end at
// LF; a CR before it is dropped. Reading detects the encoding from the first two bytes; writing picks
// it by the Utf16 open flag and puts the mark in front of the first text written at the file's start.
class CStdioFileEx {
public:
    enum class CodePage {
        Windows1252, // the default for 8-bit text
        Utf8,        // reading skips, and writing puts, the EF BB BF mark
    };

    enum OpenFlag {
        Read = 0x1,
        Write = 0x2,
        Create = 0x4, // create or empty the file
        Utf16 = 0x8,  // write UTF-16LE instead of 8-bit text
    };

    explicit CStdioFileEx(CodePage codePage = CodePage::Windows1252);
    CStdioFileEx(const CStdioFileEx&) = delete;
    CStdioFileEx& operator=(const CStdioFileEx&) = delete;

    bool Open(const QString& path, int flags);
    // Reads text held in memory exactly as a file of those bytes; the bytes are shared, not copied.
    void OpenBytes(const QByteArray& bytes);
    void Close();
    bool IsOpen() const { return m_device->isOpen(); }
    bool IsUtf16() const { return m_utf16; }
    qint64 Size() const { return m_device->size(); }

    // The next line without its LF (and a CR before it); false with an empty line at the end of the
    // file or when reading fails.
    bool ReadString(QString& line);
    // Writes the text unchanged (no line-end translation); false when the file refused the bytes.
    bool WriteString(const QString& text);

    // True after a read failed for another reason than the end of the file.
    bool HasReadError() const { return m_readError; }

private:
    void Reset(bool utf16);
    bool FillBuffer();
    void Decode(const char* bytes, qsizetype size, QString& text);
    qsizetype FindLineEnd(qsizetype base, qsizetype from, qsizetype end) const;

    QFile m_file;
    QBuffer m_bytes;
    QIODevice* m_device = &m_file; // the file, or the bytes
    CodePage m_codePage;
    // 8-bit text only, made when first needed: a reader never encodes and UTF-16 needs neither.
    std::optional<QStringDecoder> m_decoder;
    std::optional<QStringEncoder> m_encoder;
    bool m_utf16 = false;
    bool m_firstLine = true; // nothing read or written since the start of the file
    bool m_readError = false;
    bool m_atEnd = false;
    QByteArray m_buffer; // bytes read ahead of the caller
    qsizetype m_bufferPos = 0;
};
