#include "picture/PngHeader.h"

#include <cstdint>

namespace {

uint32_t Be32(const QByteArray& bytes, int at) {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
    return v;
}

} // namespace

bool ReadPngSize(const QByteArray& head, int* width, int* height) {
    *width = *height = 0;
    static const QByteArray kSignature("\x89PNG\r\n\x1a\n", 8);
    if (head.size() < kPngHeaderBytes || !head.startsWith(kSignature) || Be32(head, 8) != 13 ||
        head.mid(12, 4) != "IHDR")
        return false;
    const uint32_t w = Be32(head, 16);
    const uint32_t h = Be32(head, 20);
    if (w == 0 || h == 0 || w > INT32_MAX || h > INT32_MAX)
        return false;
    *width = static_cast<int>(w);
    *height = static_cast<int>(h);
    return true;
}
