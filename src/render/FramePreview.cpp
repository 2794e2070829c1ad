#include "render/FramePreview.h"

#include "picture/Canvas.h"
#include "render/PreviewOptions.h"
#include "render/RenderPreview.h"
#include "render/SampleNoteState.h"

#include <algorithm>

namespace {

constexpr int kLargestSide = 9999;

int Side(long long value) {
    return static_cast<int>(std::clamp<long long>(value, 1, kLargestSide));
}

} // namespace

FramePreview::FramePreview(const SkinDocument& document, int insertAt, const NoteSettings& settings)
    : m_document(document), m_layout(document.layout), m_settings(settings) {
    const int count = static_cast<int>(m_document.elements.size());
    m_insertAt = insertAt < 0 || insertAt > count ? count : insertAt;
}

void FramePreview::ClearFrame() {
    auto first = m_document.elements.begin() + m_insertAt;
    m_document.elements.erase(first, first + m_inserted);
    m_inserted = 0;
    m_document.layout = m_layout;
}

FrameProblem FramePreview::SetFrame(const CanvasRect& rect, const FrameMargins& margins,
                                    const FrameOptions& options) {
    ClearFrame();
    const size_t before = m_document.elements.size();
    FrameProblem problem = FrameProblem::None;
    AddFrame(m_document, rect, margins, options, m_insertAt, &problem);
    m_inserted = static_cast<int>(m_document.elements.size() - before);
    return problem;
}

std::vector<SheetSize> FramePreview::Sizes() const {
    const SkinLayout& layout = m_document.ActiveLayout(SampleNoteState(m_settings, m_document));
    return {{Side(layout.minimumwidth), Side(layout.minimumheight)},
            {Side(m_settings.width), Side(m_settings.height)},
            {Side(2LL * m_settings.width), Side(2LL * m_settings.height)}};
}

void FramePreview::Render(const SheetSize& size, Canvas& target) const {
    NoteSettings settings = m_settings;
    settings.width = size.width;
    settings.height = size.height;
    if (!target.Create(size.width + 2 * kAreaMargin, size.height + 2 * kAreaMargin))
        return;
    PreviewOptions options;
    options.stackmode = settings.stackmode;
    RenderPreview(m_document, settings, options, target);
}
