#include "package/ZipFormat.h"

#include <algorithm>
#include <zlib.h>

void PutLe16(QByteArray& out, uint32_t value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

void PutLe32(QByteArray& out, uint32_t value) {
    PutLe16(out, value & 0xFFFF);
    PutLe16(out, value >> 16);
}

uint16_t GetLe16(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return static_cast<uint16_t>(b[0] | (b[1] << 8));
}

uint32_t GetLe32(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) |
           (static_cast<uint32_t>(b[2]) << 16) | (static_cast<uint32_t>(b[3]) << 24);
}

uint32_t ZipCrc32(uint32_t crc, const char* data, int64_t size) {
    // zlib takes the length as uInt; feed it in pieces that always fit.
    constexpr int64_t kPiece = 1 << 30;
    uLong value = crc;
    while (size > 0) {
        const int64_t n = std::min(size, kPiece);
        value = crc32(value, reinterpret_cast<const Bytef*>(data), static_cast<uInt>(n));
        data += n;
        size -= n;
    }
    return static_cast<uint32_t>(value);
}

bool IsStoredEnding(const QString& entryName) {
    static const char* const endings[] = {".Z", ".zip", ".zoo", ".arc", ".lzh", ".arj", ".gz", ".tgz"};
    for (const char* ending : endings) {
        if (entryName.endsWith(QLatin1StringView(ending), Qt::CaseInsensitive))
            return true;
    }
    return false;
}
