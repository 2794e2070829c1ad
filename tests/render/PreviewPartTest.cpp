#include "PlacedElements.h"
#include "document/NoteState.h"
#include "document/SkinDocument.h"
#include "document/SkinLoader.h"
#include "picture/Canvas.h"
#include "render/ElementDrag.h"
#include "render/RenderPreview.h"
#include "render/SampleNoteState.h"

#include <gtest/gtest.h>

namespace {

bool SamePixels(const Canvas& a, const Canvas& b) {
    for (int y = 0; y < a.Height(); ++y) {
        for (int x = 0; x < a.Width(); ++x) {
            if (a.Pixel(x, y) != b.Pixel(x, y))
                return false;
        }
    }
    return a.Width() == b.Width() && a.Height() == b.Height();
}

int EntryNamed(const SkinDocument& document, const QString& name) {
    for (size_t i = 0; i < document.elements.size(); ++i) {
        if (document.elements[i].Name() == name)
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace

// A drag redraws only where the element was and is; the picture must be the one a whole redraw makes.
TEST(PreviewPart, RedrawingWhereAnElementWasAndIsGivesTheWholePicture) {
    SkinDocument document;
    ASSERT_TRUE(LoadSkin(document, QStringLiteral(DRAPIER_EXAMPLES "/rich/rich.ini"), QString()));
    ASSERT_NE(document.settings.region, kNoColour); // its cut-outs are redrawn too
    const struct {
        const char* name;
        DragHandle handle;
        int dx, dy;
        bool highlights;
    } cases[] = {
        {"Close", DragHandle::Move, -120, 30, true},      {"Close", DragHandle::Move, 40, -20, false},
        {"Frame top", DragHandle::Right, -50, 0, true},   {"Title", DragHandle::Move, 30, 40, true},
        {"Frame left", DragHandle::Bottom, 0, -20, true}, {"Resize grip", DragHandle::Move, -200, -60, false},
        {"Status bar", DragHandle::Bottom, 0, 9, true},
    };
    NoteSettings settings;
    settings.focus = true;
    settings.scrollbar = true;
    for (const auto& c : cases) {
        const int entry = EntryNamed(document, c.name);
        ASSERT_GE(entry, 0) << c.name;
        PreviewOptions options;
        options.highlightareas = c.highlights;
        options.highlightselected = true;
        options.selectedelement = entry;
        Canvas part(640, 360);
        RenderPreview(document, settings, options, part);

        SkinDocument moved = document;
        const NoteState state = SampleNoteState(settings, moved);
        const NoteFrame frame = NoteFrameOf(moved, state);
        SkinElement& element = moved.elements[static_cast<size_t>(entry)];
        const SkinElement before = element;
        element = StepDrag(before, c.handle, c.dx, c.dy, frame, nullptr, 0).change.element;
        ASSERT_NE(element, before) << c.name;
        const NoteRect changed = *ChangedArea(before, element, frame);
        const NoteOrigin origin = NoteOriginInArea(640, 360, state.width, settings.height);
        RenderPreviewPart(moved, settings, options, part,
                          {changed.left + origin.x, changed.top + origin.y, changed.right + origin.x,
                           changed.bottom + origin.y});
        Canvas whole(640, 360);
        RenderPreview(moved, settings, options, whole);
        EXPECT_TRUE(SamePixels(part, whole)) << c.name;
        EXPECT_EQ(part.ClipRect(), part.Bounds()) << c.name;
    }
}
