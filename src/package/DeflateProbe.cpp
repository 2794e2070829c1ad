#include "package/DeflateProbe.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace {

constexpr qsizetype kWindow = 32 * 1024;
constexpr qsizetype kNearDistance = 4096; // deflate takes 3-byte repeats only this close
constexpr qsizetype kMaxMatch = 258;
constexpr int kHashBits = 14;
constexpr qsizetype kCapacity = kWindow + 8 * DeflateProbe::kBlock;
// Repeats may cover 1 byte in 1024, and the histogram may leave this many bits a byte.
constexpr qsizetype kRepeatShare = 1024;
constexpr double kEntropyMargin = 0.025;

// Positions are kept 32-bit, offset so that an empty slot (0) is never within reach.
constexpr std::uint32_t kSlotBias = 2 * kWindow;

// Three bytes as one number; the buffer has room for the fourth byte read with them.
std::uint32_t Load24(const unsigned char* p) {
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return v & 0xFFFFFFu;
}

std::uint32_t Hash3(std::uint32_t key) {
    return (key * 2654435761u) >> (32 - kHashBits);
}

// c * log2(c) for every count a block can hold, worked out once.
const std::array<float, DeflateProbe::kBlock + 1>& CountLogs() {
    static const auto table = [] {
        std::array<float, DeflateProbe::kBlock + 1> t{};
        for (qsizetype c = 1; c <= DeflateProbe::kBlock; ++c)
            t[static_cast<size_t>(c)] = static_cast<float>(static_cast<double>(c) * std::log2(double(c)));
        return t;
    }();
    return table;
}

// Bits a byte an ideal order-0 code needs for the block.
double EntropyBits(const unsigned char* data, qsizetype size) {
    // Four histograms side by side keep successive counts from waiting on each other.
    std::array<std::array<std::uint32_t, 256>, 4> counts{};
    qsizetype i = 0;
    for (; i + 4 <= size; i += 4) {
        ++counts[0][data[i]];
        ++counts[1][data[i + 1]];
        ++counts[2][data[i + 2]];
        ++counts[3][data[i + 3]];
    }
    for (; i < size; ++i)
        ++counts[0][data[i]];
    const auto& logs = CountLogs();
    double sum = 0;
    for (int b = 0; b < 256; ++b)
        sum += logs[counts[0][b] + counts[1][b] + counts[2][b] + counts[3][b]];
    return std::log2(double(size)) - sum / double(size);
}

} // namespace

DeflateProbe::DeflateProbe()
    : m_last(size_t{1} << kHashBits, 0), m_window(static_cast<size_t>(kCapacity) + 4) {}

// How many bytes of m_window[from, to) deflate could take from earlier bytes; a near 3-byte repeat, which
// saves deflate a byte at most, counts one. Each slot keeps the 3 bytes it saw last with their position,
// so data without repeats costs one table look-up a byte and no reads back into the window.
qsizetype DeflateProbe::RepeatedBytes(qsizetype from, qsizetype to) {
    const unsigned char* w = m_window.data();
    std::uint64_t* last = m_last.data();
    const std::uint32_t windowStart = static_cast<std::uint32_t>(m_windowStart) + kSlotBias;
    qsizetype repeated = 0;
    for (qsizetype i = from; i + 3 <= to;) {
        const std::uint32_t key = Load24(w + i);
        std::uint64_t& slot = last[Hash3(key)];
        const std::uint64_t seen = slot;
        const std::uint32_t here = windowStart + static_cast<std::uint32_t>(i);
        slot = (std::uint64_t{key} << 32) | here;
        if ((seen >> 32) != key) {
            ++i;
            continue;
        }
        // Modular distance back; only positions within the window and the buffer count.
        const std::uint32_t back = here - static_cast<std::uint32_t>(seen);
        if (back == 0 || back > kWindow || back > static_cast<std::uint32_t>(i)) {
            ++i;
            continue;
        }
        const qsizetype earlier = i - static_cast<qsizetype>(back);
        const qsizetype most = std::min(kMaxMatch, to - i);
        qsizetype length = 3;
        while (length < most && w[earlier + length] == w[i + length])
            ++length;
        if (length >= 4 || back <= kNearDistance) {
            repeated += length >= 4 ? length : 1;
            i += length;
        } else {
            ++i;
        }
    }
    return repeated;
}

DeflateProbe::BlockKind DeflateProbe::Classify(const unsigned char* data, qsizetype size) {
    if (size <= 0)
        return BlockKind::Compressible;
    size = std::min(size, kBlock);
    if (m_filled + size > kCapacity) {
        // Keep the window before the block; everything older is out of deflate's reach.
        const qsizetype keep = std::min(m_filled, kWindow);
        std::memmove(m_window.data(), m_window.data() + (m_filled - keep), static_cast<size_t>(keep));
        m_windowStart += m_filled - keep;
        m_filled = keep;
    }
    const qsizetype start = m_filled;
    std::memcpy(m_window.data() + start, data, static_cast<size_t>(size));
    m_filled += size;
    if (size >= 3 && std::memcmp(data, data + 1, static_cast<size_t>(size - 1)) == 0) {
        // No search: its one 3-byte string, last seen at its end, is all later blocks can repeat from it.
        const qsizetype i = m_filled - 3;
        const std::uint32_t key = Load24(m_window.data() + i);
        m_last[Hash3(key)] = (std::uint64_t{key} << 32) | (static_cast<std::uint32_t>(m_windowStart) +
                                                           kSlotBias + static_cast<std::uint32_t>(i));
        return BlockKind::OneByteRun;
    }
    const qsizetype repeated = RepeatedBytes(start, m_filled);
    if (repeated * kRepeatShare >= size)
        return BlockKind::Compressible;
    return EntropyBits(data, size) >= 8.0 - kEntropyMargin ? BlockKind::Incompressible
                                                           : BlockKind::Compressible;
}
