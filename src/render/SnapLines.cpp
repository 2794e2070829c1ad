#include "render/SnapLines.h"

#include "document/GroupIndex.h"
#include "document/NoteState.h"
#include "document/SkinDocument.h"
#include "render/DrawConditions.h"
#include "render/PaintedExtent.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

void SortUnique(std::vector<int>& lines) {
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
}

} // namespace

SnapLines FindSnapLines(const SkinDocument& document, const NoteState& state, int movingEntry) {
    const NoteState drawing = DrawingState(document, state);
    const NoteFrame frame = NoteFrameOf(document, state);
    SnapLines lines;
    lines.x = {0, frame.width / 2, frame.width};
    lines.y = {0, frame.height / 2, frame.height};
    const GroupIndex groups(document);
    for (int i = 0; i < static_cast<int>(document.elements.size()); ++i) {
        const SkinElement& element = document.elements[static_cast<size_t>(i)];
        if (i == movingEntry || !element.IsDrawable() || !IsDrawn(document, groups, element, drawing))
            continue;
        const std::optional<NoteRect> r = PaintedExtent(element, frame);
        if (!r || r->right <= r->left || r->bottom <= r->top)
            continue;
        lines.x.insert(lines.x.end(), {r->left, r->right});
        lines.y.insert(lines.y.end(), {r->top, r->bottom});
    }
    SortUnique(lines.x);
    SortUnique(lines.y);
    return lines;
}

std::optional<int> SnapShift(const std::vector<int>& lines, std::span<const long long> edges, int reach) {
    std::optional<long long> best;
    for (const long long edge : edges) {
        if (edge < INT_MIN || edge > INT_MAX)
            continue;
        const auto next = std::lower_bound(lines.begin(), lines.end(), static_cast<int>(edge));
        for (const auto at : {next, next == lines.begin() ? lines.end() : next - 1}) {
            if (at == lines.end())
                continue;
            const long long shift = *at - edge;
            if (std::llabs(shift) <= reach && (!best || std::llabs(shift) < std::llabs(*best)))
                best = shift;
        }
    }
    if (!best)
        return std::nullopt;
    return static_cast<int>(*best);
}
