#pragma once

#include "package/ZipSourceStamp.h"
#include "picture/SafeFileWrite.h"

#include <QByteArray>
#include <QString>
#include <vector>

class QFile;

enum class ZipResult {
    Ok,
    BadArguments,     // an empty path, or Create on a writer already in use
    EmptyName,        // an entry name that is empty
    NameTooLong,      // an entry name of more than 255 bytes
    NotOpen,          // no package is being written
    Closed,           // the package was already closed
    SourceUnreadable, // the source file cannot be opened or read
    EntryTooLarge,    // an entry or the archive outgrows the 32-bit fields
    WriteFailed,
    SeekFailed,
    CompressFailed,
};

// Writes a ZIP package. Every entry is written complete at once: local header, data (deflated or
// stored), no data descriptor; the central directory follows at Close. The package is built in a
// temporary file beside the target and renamed into place by a successful Close, so a failed or
// abandoned package never replaces the file that was there. After the first failure every further call
// reports it again.
class ZipWriter {
public:
    ZipWriter();
    ~ZipWriter(); // abandons a package that was not closed
    ZipWriter(const ZipWriter&) = delete;
    ZipWriter& operator=(const ZipWriter&) = delete;

    ZipResult Create(const QString& path);
    // Adds the file at sourcePath under entryName (backslashes become "/").
    ZipResult AddFile(const QString& entryName, const QString& sourcePath);
    // Writes the central directory and the end record and puts the package in place.
    ZipResult Close();

    // The system's reason for the first failure, empty while all went well.
    QString ErrorString() const { return m_error; }

private:
    struct CentralRecord {
        QByteArray name;
        uint16_t flags = 0;
        uint16_t method = 0;
        ZipSourceStamp stamp;
        uint32_t crc = 0;
        uint32_t compressedSize = 0;
        uint32_t uncompressedSize = 0;
        uint32_t localOffset = 0;
    };

    // One entry's deflate stream, written to the package as it is made.
    class EntryDeflater;

    // Ok while entries can be added: created, not closed and nothing has failed.
    ZipResult State() const;
    ZipResult Fail(ZipResult result, const QString& reason);
    ZipResult WriteBytes(const QByteArray& bytes);
    ZipResult CopyData(QFile& source, uint16_t method, CentralRecord& record);
    static QByteArray LocalHeader(const CentralRecord& record, uint32_t crc, uint32_t compressedSize,
                                  uint32_t uncompressedSize, uint16_t flags);

    SafeFileWriter m_file;
    std::vector<CentralRecord> m_entries;
    ZipResult m_failure = ZipResult::Ok;
    bool m_closed = false;
    QString m_error;
};
