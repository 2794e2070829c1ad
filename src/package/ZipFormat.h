#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

// Record signatures and fixed sizes of the ZIP archive layout (PKWARE APPNOTE).
constexpr uint32_t kLocalHeaderSignature = 0x04034b50;
constexpr uint32_t kCentralHeaderSignature = 0x02014b50;
constexpr uint32_t kEndOfCentralSignature = 0x06054b50;
constexpr int kLocalHeaderSize = 30;
constexpr int kCentralHeaderSize = 46;
constexpr int kEndOfCentralSize = 22;

constexpr uint16_t kVersionNeeded = 20;
constexpr uint16_t kVersionMadeBy = 0x0B17;
constexpr uint16_t kMethodStored = 0;
constexpr uint16_t kMethodDeflated = 8;

constexpr uint16_t kFlagEncrypted = 0x0001;
constexpr uint16_t kFlagDataDescriptor = 0x0008;
constexpr uint16_t kFlagUtf8Name = 0x0800;

// The extended timestamp extra field ("UT"): the local form carries three times, the central one only
// the modification time.
constexpr uint16_t kExtendedTimestampId = 0x5455;
constexpr int kLocalExtraSize = 17;
constexpr int kCentralExtraSize = 9;

constexpr int kMaxEntryNameBytes = 255;

// Little-endian field access.
void PutLe16(QByteArray& out, uint32_t value);
void PutLe32(QByteArray& out, uint32_t value);
uint16_t GetLe16(const char* p);
uint32_t GetLe32(const char* p);

// CRC-32 of the ZIP format, continued from crc (0 to start).
uint32_t ZipCrc32(uint32_t crc, const char* data, int64_t size);

// Entries whose names end in these (any case) are already archives and are stored, not deflated.
bool IsStoredEnding(const QString& entryName);
