#include "render/UncoveredAreas.h"

#include "document/SkinDocument.h"
#include "render/SheetPixels.h"

#include <algorithm>
#include <cstdint>

namespace {

class CellGrid {
public:
    CellGrid(int width, int height)
        : m_width(width), m_height(height), m_columns((width + kCoverageCell - 1) / kCoverageCell),
          m_rows((height + kCoverageCell - 1) / kCoverageCell),
          m_count(static_cast<size_t>(m_columns + 1) * static_cast<size_t>(m_rows + 1), 0) {}

    int Columns() const { return m_columns; }
    int Rows() const { return m_rows; }

    // Counts are added at the corners and summed once at the end, so each rectangle costs the same
    // however large it is.
    void Cover(const CanvasRect& r) {
        const CanvasRect c = r.Intersected({0, 0, m_width, m_height});
        if (c.IsEmpty())
            return;
        const int c0 = c.left / kCoverageCell, c1 = (c.right - 1) / kCoverageCell + 1;
        const int r0 = c.top / kCoverageCell, r1 = (c.bottom - 1) / kCoverageCell + 1;
        At(c0, r0) += 1;
        At(c1, r0) -= 1;
        At(c0, r1) -= 1;
        At(c1, r1) += 1;
    }

    void Sum() {
        for (int row = 0; row <= m_rows; ++row) {
            for (int column = 0; column <= m_columns; ++column) {
                int& v = At(column, row);
                if (column > 0)
                    v += At(column - 1, row);
                if (row > 0)
                    v += At(column, row - 1);
                if (column > 0 && row > 0)
                    v -= At(column - 1, row - 1);
            }
        }
    }

    bool Covered(int column, int row) const { return m_count[Index(column, row)] > 0; }

    CanvasRect PixelsOf(int column0, int row0, int column1, int row1) const {
        return {column0 * kCoverageCell, row0 * kCoverageCell, std::min(column1 * kCoverageCell, m_width),
                std::min(row1 * kCoverageCell, m_height)};
    }

private:
    size_t Index(int column, int row) const {
        return static_cast<size_t>(row) * static_cast<size_t>(m_columns + 1) + static_cast<size_t>(column);
    }
    int& At(int column, int row) { return m_count[Index(column, row)]; }

    int m_width, m_height, m_columns, m_rows;
    std::vector<int> m_count;
};

bool CellVisible(const CellGrid& grid, int column, int row, const SheetPixels& sheet) {
    const CanvasRect cell = grid.PixelsOf(column, row, column + 1, row + 1);
    std::uint8_t filled[kCoverageCell];
    for (int y = cell.top; y < cell.bottom; ++y) {
        sheet.FilledRow(y, cell.left, cell.right, filled);
        for (int i = 0; i < cell.Width(); ++i) {
            if (filled[i])
                return true;
        }
    }
    return false;
}

std::vector<CanvasRect> Uncovered(const SheetPixels& sheet, const std::vector<CanvasRect>& used) {
    CellGrid grid(sheet.Width(), sheet.Height());
    for (const CanvasRect& r : used)
        grid.Cover(r);
    grid.Sum();

    struct Open {
        int column0, column1, row0, row1; // cells, ends exclusive
    };
    std::vector<Open> areas;
    // The area whose run starts at a column and reached the row before, if any; runs of one row never
    // overlap, so one per column suffices.
    std::vector<int> openAt(static_cast<size_t>(grid.Columns()), -1);
    for (int row = 0; row < grid.Rows(); ++row) {
        const auto wanted = [&](int column) {
            return !grid.Covered(column, row) && CellVisible(grid, column, row, sheet);
        };
        int column = 0;
        while (column < grid.Columns()) {
            if (!wanted(column)) {
                ++column;
                continue;
            }
            const int start = column;
            do
                ++column;
            while (column < grid.Columns() && wanted(column));
            int& open = openAt[static_cast<size_t>(start)];
            if (open >= 0 && areas[static_cast<size_t>(open)].column1 == column &&
                areas[static_cast<size_t>(open)].row1 == row) {
                areas[static_cast<size_t>(open)].row1 = row + 1;
            } else {
                open = static_cast<int>(areas.size());
                areas.push_back({start, column, row, row + 1});
            }
        }
    }
    std::vector<CanvasRect> out;
    out.reserve(areas.size());
    for (const Open& a : areas)
        out.push_back(grid.PixelsOf(a.column0, a.row0, a.column1, a.row1));
    return out;
}

} // namespace

std::optional<std::vector<CanvasRect>> UncoveredAreas(const SkinDocument& document,
                                                      const std::vector<CanvasRect>& used) {
    const SheetPixels sheet = SheetPixels::OfDocument(document);
    // An opaque sheet without a key is one piece; that it is partly unused says nothing.
    if (!sheet.HasEmptyRule())
        return std::nullopt;
    return Uncovered(sheet, used);
}
