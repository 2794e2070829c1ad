#pragma once

#include "package/PackageTime.h"

#include <QFileInfo>
#include <cstdint>

// What an entry records about the file it was made from: attributes and times.
struct ZipSourceStamp {
    uint32_t externalAttributes = 0;
    DosDateTime modified;
    uint32_t modifiedUnix = 0;
    uint32_t accessedUnix = 0;
    uint32_t createdUnix = 0;
};

// The low byte carries read-only 0x01, hidden 0x02, directory 0x10 and archive 0x20 (set for files);
// the high 16 bits a Unix mode: 0x8100 for a file or 0x4100 for a directory, 0x0080 unless read-only,
// 0x0040 when executable.
uint32_t ExternalAttributes(bool directory, bool readOnly, bool hidden, bool executable);

// Attributes and times of the file; a time the file system does not keep falls back to the last write.
ZipSourceStamp ReadSourceStamp(const QFileInfo& info);
