#include "document/FrameMargins.h"

#include "picture/ImageSurface.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <vector>

namespace {

using Pixel = std::uint32_t;

// The best run of lines seen so far: the longest, then the one nearest the middle, then the first.
class RunChooser {
public:
    explicit RunChooser(int count) : m_count(count) {}

    void Offer(int first, int last) {
        const int length = last - first + 1;
        if (length < 2)
            return;
        const int distance = std::abs(first + last - (m_count - 1)); // twice the distance of the centres
        if (length > m_length || (length == m_length && distance < m_distance)) {
            m_first = first;
            m_last = last;
            m_length = length;
            m_distance = distance;
        }
    }
    int Length() const { return m_length; }

    // The margins before and after the run; thirds without one.
    void Margins(int* before, int* after) const {
        if (m_length == 0) {
            *before = *after = m_count / 3;
            return;
        }
        *before = m_first;
        *after = m_count - 1 - m_last;
    }

private:
    int m_count;
    int m_first = 0;
    int m_last = -1;
    int m_length = 0;
    int m_distance = 0;
};

// With no tolerance, equality is transitive: the runs are the stretches of lines each identical to the
// one before, and a run starting inside another ends where it does, so one pass finds them all.
// identical[i] says line i equals line i - 1.
void ChooseExactRun(const std::vector<char>& identical, RunChooser& chooser) {
    const int count = static_cast<int>(identical.size());
    int first = 1;
    while (first <= count - 2) {
        int last = first;
        while (last + 1 <= count - 2 && identical[static_cast<size_t>(last) + 1])
            ++last;
        chooser.Offer(first, last);
        first = last + 1;
    }
}

// The largest difference of any channel or alpha between the pixels of two runs of bytes; in bytes
// throughout, which the compiler turns into saturating vector arithmetic.
int WorstDifference(const unsigned char* x, const unsigned char* y, int bytes) {
    unsigned char worst = 0;
    for (int i = 0; i < bytes; ++i) {
        const unsigned char difference = x[i] > y[i] ? x[i] - y[i] : y[i] - x[i];
        worst = std::max(worst, difference);
    }
    return worst;
}

// Pixels are compared in blocks without an early exit inside, so the compiler can vectorise the loop.
constexpr int kBlockPixels = 64;

// Every channel and alpha of the two lines within tolerance. Made twice, the wider vectors chosen when
// the processor has them: with a tolerance this comparison is nearly all of the time.
__attribute__((target_clones("avx2", "default"))) bool LinesNear(const Pixel* a, const Pixel* b, int length,
                                                                 int tolerance) {
    for (int start = 0; start < length; start += kBlockPixels) {
        const int count = std::min(length - start, kBlockPixels);
        if (WorstDifference(reinterpret_cast<const unsigned char*>(a + start),
                            reinterpret_cast<const unsigned char*>(b + start), count * 4) > tolerance)
            return false;
    }
    return true;
}

// With a tolerance, each line is measured against the run's first line only, so every start is tried;
// a start identical to the line before it would end where that one did and is skipped, and starts too
// late to beat the best run are not tried at all. Line i starts at lines + i * stride.
void ChooseNearRun(const Pixel* lines, std::size_t stride, int length, int tolerance,
                   const std::vector<char>& identical, RunChooser& chooser) {
    const int count = static_cast<int>(identical.size());
    const auto line = [&](int i) { return lines + static_cast<std::size_t>(i) * stride; };
    for (int first = 1; first <= count - 2; ++first) {
        if (count - 1 - first < chooser.Length())
            break;
        if (first > 1 && identical[static_cast<size_t>(first)])
            continue;
        int last = first;
        while (last + 1 <= count - 2 && LinesNear(line(first), line(last + 1), length, tolerance))
            ++last;
        chooser.Offer(first, last);
    }
}

// The columns of the rectangle as lines of their own. The stride is kept off powers of two: columns a
// power of two apart would share cache sets while they are written.
std::vector<Pixel> Columns(const std::vector<Pixel>& pixels, int width, int height, std::size_t* stride) {
    *stride = static_cast<std::size_t>(height) + 16;
    std::vector<Pixel> out(*stride * static_cast<std::size_t>(width));
    constexpr int kTile = 32;
    for (int y0 = 0; y0 < height; y0 += kTile) {
        for (int x0 = 0; x0 < width; x0 += kTile) {
            const int y1 = std::min(height, y0 + kTile);
            const int x1 = std::min(width, x0 + kTile);
            for (int x = x0; x < x1; ++x) {
                for (int y = y0; y < y1; ++y)
                    out[static_cast<size_t>(x) * *stride + y] = pixels[static_cast<size_t>(y) * width + x];
            }
        }
    }
    return out;
}

} // namespace

FrameMargins FindFrameMargins(const ImageSurface& picture, const CanvasRect& rect, int tolerance) {
    const CanvasRect area = rect.Intersected({0, 0, picture.Width(), picture.Height()});
    FrameMargins margins;
    if (!picture.IsValid() || area.IsEmpty())
        return margins;
    const int width = area.Width();
    const int height = area.Height();
    tolerance = std::clamp(tolerance, 0, 255);

    // One pass over the rows tells which rows and which columns equal the ones before them.
    std::vector<char> sameRow(static_cast<size_t>(height), 0);
    std::vector<char> sameColumn(static_cast<size_t>(width), 1);
    sameColumn[0] = 0;
    std::vector<Pixel> rowBuffer(static_cast<size_t>(picture.Width()));
    std::vector<Pixel> previous(static_cast<size_t>(width));
    std::vector<Pixel> pixels; // the whole rectangle, kept only when a tolerance needs it
    if (tolerance > 0) {
        try {
            pixels.reserve(static_cast<size_t>(width) * height);
        } catch (const std::bad_alloc&) {
            tolerance = 0; // too large to hold: compared exactly
        }
    }
    for (int y = 0; y < height; ++y) {
        picture.ExpandRow(area.top + y, rowBuffer.data());
        const Pixel* row = rowBuffer.data() + area.left;
        for (int x = 1; x < width; ++x)
            sameColumn[static_cast<size_t>(x)] &= static_cast<char>(row[x] == row[x - 1]);
        if (y > 0)
            sameRow[static_cast<size_t>(y)] =
                static_cast<char>(std::equal(row, row + width, previous.begin()));
        std::copy(row, row + width, previous.begin());
        if (tolerance > 0)
            pixels.insert(pixels.end(), row, row + width);
    }

    RunChooser across(width);
    RunChooser down(height);
    if (tolerance == 0) {
        ChooseExactRun(sameColumn, across);
        ChooseExactRun(sameRow, down);
    } else {
        ChooseNearRun(pixels.data(), static_cast<std::size_t>(width), width, tolerance, sameRow, down);
        std::size_t stride = 0;
        std::vector<Pixel> columns;
        try {
            columns = Columns(pixels, width, height, &stride);
        } catch (const std::bad_alloc&) {
        }
        if (columns.empty())
            ChooseExactRun(sameColumn, across);
        else
            ChooseNearRun(columns.data(), stride, height, tolerance, sameColumn, across);
    }
    across.Margins(&margins.left, &margins.right);
    down.Margins(&margins.top, &margins.bottom);
    return margins;
}
