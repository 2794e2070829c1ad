#pragma once

#include "document/FrameBuilder.h"
#include "document/SkinDocument.h"
#include "render/NoteSettings.h"
#include "render/StateSheet.h"

#include <vector>

class Canvas;

// The frame window's live preview: the note as it will look once the frame is added. The skin is copied
// once; each change puts the frame's pieces into the copy in place of the last ones, so a guide dragged
// costs a few inserted entries and three renderings, not a copy of the skin.
class FramePreview {
public:
    // A preview area is this much larger than its note in each direction.
    static constexpr int kAreaMargin = 10;

    // The frame goes before the entry at insertAt, as it will when added (the end when out of range); the
    // notes are drawn in the state the settings describe.
    FramePreview(const SkinDocument& document, int insertAt, const NoteSettings& settings);

    // Puts the frame into the copy; the problem when it cannot be built, and the copy then holds none.
    FrameProblem SetFrame(const CanvasRect& rect, const FrameMargins& margins, const FrameOptions& options);
    void ClearFrame();

    // The note sizes shown: the minimum size of the layout active with the frame, the settings' size and
    // twice that, each side kept to 1 .. 9999.
    std::vector<SheetSize> Sizes() const;
    // The preview at a note size, in a target kAreaMargin larger each way (made here).
    void Render(const SheetSize& size, Canvas& target) const;

    const SkinDocument& Document() const { return m_document; }

private:
    SkinDocument m_document;
    SkinLayout m_layout; // the default layout as the skin has it
    int m_insertAt;
    int m_inserted = 0; // the frame's entries in the copy now
    NoteSettings m_settings;
};
