#include "render/SheetPieces.h"

#include "document/SkinDocument.h"
#include "document/SourcePicking.h"
#include "picture/ClampToInt.h"
#include "render/SheetPixels.h"

#include <algorithm>
#include <cstdint>
#include <tuple>

namespace {

using Bits = std::uint64_t;
constexpr int kWord = 64;

// The low n bits.
Bits Low(int n) {
    return n >= kWord ? ~Bits{0} : (Bits{1} << n) - 1;
}

// Span filling over the sheet, one bit a pixel for what has been reached, so a piece costs time in
// proportion to its pixels and the memory stays an eighth of a byte a pixel whatever the piece's shape.
// Pixels are looked at 64 at a time: which are filled and not yet reached, as one word.
class PieceFlood {
public:
    explicit PieceFlood(const SheetPixels& sheet)
        : m_sheet(sheet), m_width(sheet.Width()), m_height(sheet.Height()),
          m_reached((static_cast<size_t>(m_width) * static_cast<size_t>(m_height) + kWord - 1) / kWord + 1,
                    0) {}

    bool Reached(int x, int y) const {
        const size_t i = Index(x, y);
        return (m_reached[i / kWord] >> (i % kWord)) & 1u;
    }

    // The piece holding (x, y), which holds something and has not been reached.
    CanvasRect Fill(int x, int y) {
        CanvasRect bounds{x, y, x + 1, y + 1};
        m_seeds.clear();
        m_seeds.push_back({x, y});
        while (!m_seeds.empty()) {
            const Seed seed = m_seeds.back();
            m_seeds.pop_back();
            if (Reached(seed.x, seed.y))
                continue;
            const int left = WidenLeft(seed.x, seed.y);
            const int right = WidenRight(seed.x, seed.y);
            Mark(seed.y, left, right);
            bounds.left = std::min(bounds.left, left);
            bounds.right = std::max(bounds.right, right);
            bounds.top = std::min(bounds.top, seed.y);
            bounds.bottom = std::max(bounds.bottom, seed.y + 1);
            // Diagonal neighbours count: the rows above and below are searched one pixel wider.
            for (const int row : {seed.y - 1, seed.y + 1})
                if (row >= 0 && row < m_height)
                    SeedRow(row, std::max(0, left - 1), std::min(m_width, right + 1));
        }
        return bounds;
    }

private:
    struct Seed {
        int x, y;
    };

    size_t Index(int x, int y) const {
        return static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x);
    }

    // The reached bits of count (at most 64) pixels from (x, y), the first in the lowest bit.
    Bits ReachedBits(int x, int y, int count) const {
        const size_t i = Index(x, y);
        const size_t word = i / kWord;
        const int shift = static_cast<int>(i % kWord);
        Bits bits = m_reached[word] >> shift;
        if (shift != 0)
            bits |= m_reached[word + 1] << (kWord - shift);
        return bits & Low(count);
    }

    // The open pixels (filled, not reached) of count (at most 64) pixels from (x, y).
    Bits OpenBits(int x, int y, int count) {
        const Bits reached = ReachedBits(x, y, count);
        if (reached == Low(count))
            return 0;
        std::uint8_t filled[kWord];
        m_sheet.FilledRow(y, x, x + count, filled);
        Bits bits = 0;
        for (int i = 0; i < count; ++i)
            bits |= Bits{filled[i]} << i;
        return bits & ~reached;
    }

    // The first pixel of the run of open pixels that ends at x.
    int WidenLeft(int x, int y) {
        while (x > 0) {
            const int from = std::max(0, x - kWord);
            const int count = x - from;
            // The closed pixel nearest x, if any, from the top bit down.
            const Bits closed = ~OpenBits(from, y, count) & Low(count);
            if (closed != 0)
                return from + (kWord - 1 - __builtin_clzll(closed)) + 1;
            x = from;
        }
        return 0;
    }

    // One past the last pixel of the run of open pixels that starts at x.
    int WidenRight(int x, int y) {
        int end = x;
        while (end < m_width) {
            const int count = std::min(kWord, m_width - end);
            const Bits closed = ~OpenBits(end, y, count) & Low(count);
            if (closed != 0)
                return end + __builtin_ctzll(closed);
            end += count;
        }
        return m_width;
    }

    void Mark(int y, int left, int right) {
        size_t i = Index(left, y);
        const size_t end = Index(right, y);
        for (; i < end && i % kWord != 0; ++i)
            m_reached[i / kWord] |= Bits{1} << (i % kWord);
        for (; i + kWord <= end; i += kWord)
            m_reached[i / kWord] = ~Bits{0};
        for (; i < end; ++i)
            m_reached[i / kWord] |= Bits{1} << (i % kWord);
    }

    // One seed for each run of open pixels of row y between x0 and x1.
    void SeedRow(int y, int x0, int x1) {
        bool inRun = false;
        for (int x = x0; x < x1; x += kWord) {
            const int count = std::min(kWord, x1 - x);
            const Bits open = OpenBits(x, y, count);
            // Where a run starts: open, and the pixel before it is not.
            Bits starts = open & ~((open << 1) | Bits{inRun});
            while (starts != 0) {
                m_seeds.push_back({x + __builtin_ctzll(starts), y});
                starts &= starts - 1;
            }
            inRun = (open >> (count - 1)) & 1u;
        }
    }

    const SheetPixels& m_sheet;
    const int m_width;
    const int m_height;
    std::vector<Bits> m_reached; // one word more than the pixels need, read past the last
    std::vector<Seed> m_seeds;
};

bool Overlap(const CanvasRect& a, const CanvasRect& b) {
    return !a.Intersected(b).IsEmpty();
}

// Pieces filed by the cells of a coarse grid they cover, so that each area meets only the pieces near it.
class PieceGrid {
public:
    explicit PieceGrid(const std::vector<CanvasRect>& pieces) : m_pieces(pieces) {
        for (const CanvasRect& p : pieces) {
            m_bounds.right = std::max(m_bounds.right, p.right);
            m_bounds.bottom = std::max(m_bounds.bottom, p.bottom);
        }
        m_columns = m_bounds.right / kCell + 1;
        m_rows = m_bounds.bottom / kCell + 1;
        m_cells.resize(static_cast<size_t>(m_columns) * static_cast<size_t>(m_rows));
        for (size_t i = 0; i < pieces.size(); ++i)
            ForCells(pieces[i], [&](std::vector<int>& cell) { cell.push_back(static_cast<int>(i)); });
        m_stamp.assign(pieces.size(), -1);
    }

    // Calls found(piece) once for each piece the area overlaps; areaId tells one call from the next.
    template <class Found> void Visit(const CanvasRect& area, int areaId, Found found) {
        const CanvasRect clipped = area.Intersected(m_bounds);
        if (clipped.IsEmpty())
            return;
        ForCells(clipped, [&](std::vector<int>& cell) {
            for (const int piece : cell) {
                if (m_stamp[static_cast<size_t>(piece)] == areaId)
                    continue;
                if (Overlap(m_pieces[static_cast<size_t>(piece)], clipped)) {
                    m_stamp[static_cast<size_t>(piece)] = areaId;
                    found(piece);
                }
            }
        });
    }

private:
    static constexpr int kCell = 128;

    template <class Each> void ForCells(const CanvasRect& r, Each each) {
        for (int row = r.top / kCell; row <= (r.bottom - 1) / kCell; ++row)
            for (int column = r.left / kCell; column <= (r.right - 1) / kCell; ++column)
                each(m_cells[static_cast<size_t>(row) * static_cast<size_t>(m_columns) +
                             static_cast<size_t>(column)]);
    }

    const std::vector<CanvasRect>& m_pieces;
    CanvasRect m_bounds;
    int m_columns = 0;
    int m_rows = 0;
    std::vector<std::vector<int>> m_cells;
    std::vector<int> m_stamp; // the last area that found each piece
};

CanvasRect AreaRect(const SourceArea& area) {
    return {area.x, area.y, ClampToInt(static_cast<long long>(area.x) + area.width),
            ClampToInt(static_cast<long long>(area.y) + area.height)};
}

} // namespace

std::optional<CanvasRect> PieceAt(const SheetPixels& sheet, int x, int y) {
    if (x < 0 || y < 0 || x >= sheet.Width() || y >= sheet.Height() || sheet.IsEmpty(x, y))
        return std::nullopt;
    if (!sheet.HasEmptyRule())
        return CanvasRect{0, 0, sheet.Width(), sheet.Height()};
    return PieceFlood(sheet).Fill(x, y);
}

std::vector<CanvasRect> FindPieces(const SheetPixels& sheet) {
    std::vector<CanvasRect> pieces;
    if (sheet.Width() < 1 || sheet.Height() < 1)
        return pieces;
    if (!sheet.HasEmptyRule()) {
        pieces.push_back({0, 0, sheet.Width(), sheet.Height()});
        return pieces;
    }
    PieceFlood flood(sheet);
    std::vector<std::uint8_t> row(static_cast<size_t>(sheet.Width()));
    for (int y = 0; y < sheet.Height(); ++y) {
        sheet.FilledRow(y, 0, sheet.Width(), row.data());
        for (int x = 0; x < sheet.Width(); ++x)
            if (row[static_cast<size_t>(x)] && !flood.Reached(x, y))
                pieces.push_back(flood.Fill(x, y));
    }
    std::sort(pieces.begin(), pieces.end(), [](const CanvasRect& a, const CanvasRect& b) {
        return std::tie(a.top, a.left, a.right, a.bottom) < std::tie(b.top, b.left, b.right, b.bottom);
    });
    return pieces;
}

std::vector<std::vector<int>> PieceUsers(const SkinDocument& document,
                                         const std::vector<CanvasRect>& pieces) {
    std::vector<std::vector<int>> users(pieces.size());
    PieceGrid grid(pieces);
    int areaId = 0;
    for (size_t e = 0; e < document.elements.size(); ++e) {
        for (const SourceArea& area : SourceAreas(document.elements[e])) {
            grid.Visit(AreaRect(area), areaId++, [&](int piece) {
                std::vector<int>& names = users[static_cast<size_t>(piece)];
                // Both sources of one element may meet the same piece; it is named once.
                if (names.empty() || names.back() != static_cast<int>(e))
                    names.push_back(static_cast<int>(e));
            });
        }
    }
    return users;
}

std::vector<bool> PiecesTouched(const std::vector<CanvasRect>& pieces, const std::vector<CanvasRect>& areas) {
    std::vector<bool> touched(pieces.size(), false);
    PieceGrid grid(pieces);
    int areaId = 0;
    for (const CanvasRect& area : areas)
        grid.Visit(area, areaId++, [&](int piece) { touched[static_cast<size_t>(piece)] = true; });
    return touched;
}
