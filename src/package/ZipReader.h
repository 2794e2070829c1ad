#pragma once

#include "package/PackageTime.h"
#include "picture/InputLimits.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

class QIODevice;

// One entry as the central directory describes it.
struct ZipEntry {
    QString name;
    uint16_t versionMadeBy = 0;
    uint16_t flags = 0;
    uint16_t method = 0;
    DosDateTime modified;
    uint32_t crc = 0;
    uint32_t compressedSize = 0;
    uint32_t uncompressedSize = 0;
    uint32_t externalAttributes = 0;
    uint32_t localOffset = 0;
};

enum class ZipReadError {
    None,
    CannotOpen,   // the file cannot be opened
    NotAnArchive, // no end of central directory record
    BadDirectory, // the central directory is damaged
    NoSuchEntry,
    BadLocalHeader, // the entry's local header is missing or disagrees with the directory
    Overlap,        // the entry's data runs into another entry or the central directory
    TooLarge,       // the entry declares more than kMaxEntrySize bytes
    Unsupported,    // encrypted, or a method other than stored and deflated
    DataError,      // the compressed data is damaged or does not fill the declared size exactly
    CrcMismatch,
};

// Reads ZIP packages from files anywhere, so it trusts nothing: every extracted entry is checked against
// its CRC-32 and sizes, an entry may declare at most kMaxEntrySize bytes, entries that share or overrun
// each other's space are refused, and no more is inflated than the entry declares.
class ZipReader {
public:
    static constexpr uint32_t kMaxEntrySize = kPackageEntryByteLimit;

    ZipReader();
    ~ZipReader();
    ZipReader(const ZipReader&) = delete;
    ZipReader& operator=(const ZipReader&) = delete;

    bool Open(const QString& path);
    bool OpenBytes(const QByteArray& bytes);
    void Close();
    bool IsOpen() const { return m_device != nullptr; }

    // In archive order, without the entries whose names are longer than a package allows.
    const std::vector<ZipEntry>& Entries() const { return m_entries; }
    // How many entries were left out of Entries() because their names are over 255 bytes.
    int SkippedLongNames() const { return m_skippedLongNames; }
    // The first entry of that name, compared without regard to case; -1 when there is none.
    int FindEntry(const QString& name) const;
    // The entry's whole uncompressed data.
    bool Extract(int index, QByteArray* data);

    ZipReadError LastError() const { return m_error; }

private:
    bool OpenDevice(std::unique_ptr<QIODevice> device);
    bool ReadAt(qint64 offset, qint64 size, QByteArray* bytes);
    bool FindEndOfCentral(qint64* centralOffset, qint64* centralSize, int* count);
    bool ParseEndOfCentral(qint64 position, qint64* centralOffset, qint64* centralSize, int* count);
    bool ReadCentralDirectory(qint64 centralOffset, qint64 centralSize, int count);
    bool Inflate(qint64 offset, const ZipEntry& entry, QByteArray* data);
    bool Fail(ZipReadError error);

    std::unique_ptr<QIODevice> m_device;
    qint64 m_size = 0;
    std::vector<ZipEntry> m_entries;
    std::vector<qint64> m_limits; // where the space of each entry ends: the next entry or the directory
    int m_skippedLongNames = 0;
    ZipReadError m_error = ZipReadError::None;
};
