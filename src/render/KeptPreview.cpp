#include "render/KeptPreview.h"

#include "render/RenderPreview.h"

bool KeptPreview::Resize(int width, int height) {
    m_background.reset();
    m_stale = {};
    if (m_picture.Width() == width && m_picture.Height() == height)
        return true;
    return m_picture.Create(width, height);
}

void KeptPreview::Rebuild(const SkinDocument& document, const NoteSettings& settings,
                          const PreviewOptions& options) {
    Build(document, settings, options, m_picture.Bounds());
}

void KeptPreview::RebuildPart(const SkinDocument& document, const NoteSettings& settings,
                              const PreviewOptions& options, const CanvasRect& part) {
    Build(document, settings, options, part);
}

void KeptPreview::Build(const SkinDocument& document, const NoteSettings& settings,
                        const PreviewOptions& options, const CanvasRect& part) {
    if (!m_picture.IsValid())
        return;
    std::shared_ptr<const Canvas> background = PreviewBackground(m_picture.Width(), m_picture.Height());
    // Another background (the list of those kept may have dropped ours and made it again): all may differ.
    if (background != m_background)
        m_stale = m_picture.Bounds();
    m_background = std::move(background);
    const CanvasRect clip = part.Intersected(m_picture.Bounds());
    const CanvasRect drawn =
        RenderPreviewPartOver(document, settings, options, *m_background, m_picture, clip, m_stale);
    // Within the part, only what was drawn differs from the background now; outside it, what did before.
    const CanvasRect whole = m_picture.Bounds();
    if (clip == whole) {
        m_stale = drawn;
    } else {
        m_stale = m_stale.Bounding(drawn);
    }
}
