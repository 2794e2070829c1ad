#pragma once

#include <QtGlobal>
#include <cstdint>
#include <vector>

// Decides, block by block, whether deflating an entry's data can gain anything. Already compressed data
// (every PNG is) costs a deflate search its full time and comes out stored all the same, so such blocks
// are better written stored straight away. A block counts as incompressible only when neither thing
// deflate lives on is there: repeats within its 32 KiB window (4 bytes or longer, or 3 bytes close by)
// cover under 0.1 % of it, and its byte histogram leaves under 0.025 bits a byte to Huffman coding.
// Deflate could then save no more than about 0.4 % of the block, which bounds what storing it costs.
// The probe sees the entry's bytes in order, so repeats that reach back into earlier blocks count too.
//
// A block that is one byte over and over (the zeros of a sparse picture) is told apart as well: deflate's
// run-length strategy gives it the same stream as a full search, without the search.
class DeflateProbe {
public:
    enum class BlockKind { Incompressible, OneByteRun, Compressible };

    // The size of the blocks decided on; deflate's own blocks are about this long.
    static constexpr qsizetype kBlock = 16 * 1024;

    DeflateProbe();

    // The next block of the entry, at most kBlock bytes.
    BlockKind Classify(const unsigned char* data, qsizetype size);

private:
    qsizetype RepeatedBytes(qsizetype from, qsizetype to);

    std::vector<std::uint64_t> m_last;   // per hash: the last 3 bytes seen and their biased position
    std::vector<unsigned char> m_window; // the entry's last bytes: the window before the block, the block
    qsizetype m_filled = 0;
    std::int64_t m_windowStart = 0; // the entry position of m_window[0]
};
