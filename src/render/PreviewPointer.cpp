#include "render/PreviewPointer.h"

#include "document/GroupIndex.h"
#include "document/GroupRules.h"
#include "document/NoteState.h"
#include "document/SkinDocument.h"
#include "render/DrawConditions.h"
#include "render/PlacementGeometry.h"

#include <optional>

namespace {

bool Contains(const NoteRect& r, int x, int y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

} // namespace

int ElementAtNotePoint(const SkinDocument& document, const NoteState& state, int x, int y) {
    if (x < 0 || y < 0 || x >= state.width || y >= state.height)
        return -1;
    const NoteState drawing = DrawingState(document, state);
    const ScrollFrame frame = ScrollFrameOf(document.ActiveLayout(drawing), drawing);
    const GroupIndex groups(document);
    for (int i = static_cast<int>(document.elements.size()) - 1; i >= 0; --i) {
        const SkinElement& element = document.elements[static_cast<size_t>(i)];
        if (!element.IsDrawable())
            continue;
        // Strips are painted through their end edge, so their outline is what shows.
        const std::optional<NoteRect> rect = ElementOutline(element, drawing.width, drawing.height, frame);
        if (rect && Contains(*rect, x, y) && IsDrawn(document, groups, element, drawing))
            return i;
    }
    return -1;
}

bool UpdatePointerOver(SkinDocument& document, const NoteState& state, int x, int y) {
    const NoteState drawing = DrawingState(document, state);
    const ScrollFrame frame = ScrollFrameOf(document.ActiveLayout(drawing), drawing);
    // Only the buttons' flags change below, never the list, so the index stays right throughout.
    const GroupIndex groups(document);
    bool claimed = false;
    bool changed = false;
    for (SkinElement& element : document.elements) {
        ButtonRecord* button = element.As<ButtonRecord>();
        if (!button || !GroupTest(document, groups, element.group, drawing))
            continue;
        bool over = false;
        if (!claimed) {
            const std::optional<NoteRect> rect = ElementRect(element, drawing.width, drawing.height, frame);
            over = rect && Contains(*rect, x, y) && IsDrawn(document, groups, element, drawing);
        }
        if (over && button->sourcerollover.x != -1)
            claimed = true;
        changed = changed || button->pointerover != over;
        button->pointerover = over;
    }
    return changed;
}

bool ClearPointerOver(SkinDocument& document) {
    bool changed = false;
    for (SkinElement& element : document.elements) {
        if (ButtonRecord* button = element.As<ButtonRecord>()) {
            changed = changed || button->pointerover;
            button->pointerover = false;
        }
    }
    return changed;
}
