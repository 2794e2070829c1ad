#pragma once

#include "picture/Canvas.h"
#include "render/NoteSettings.h"
#include "render/PreviewOptions.h"

#include <memory>

struct SkinDocument;

// The preview picture of one area, rebuilt again and again (on every keystroke in the designer). It is
// changed only here, so it knows where it still holds the background: a rebuild copies the background
// only where the builds before it drew the note or a highlight, not over the whole area. The picture is
// the one RenderPreview makes, pixel for pixel.
class KeptPreview {
public:
    // The picture at that size, to be built; false when a picture that large cannot be had.
    bool Resize(int width, int height);
    // RenderPreview over the whole picture.
    void Rebuild(const SkinDocument& document, const NoteSettings& settings, const PreviewOptions& options);
    // RenderPreviewPart: the picture within the part alone.
    void RebuildPart(const SkinDocument& document, const NoteSettings& settings,
                     const PreviewOptions& options, const CanvasRect& part);
    const Canvas& Picture() const { return m_picture; }

private:
    void Build(const SkinDocument& document, const NoteSettings& settings, const PreviewOptions& options,
               const CanvasRect& part);

    Canvas m_picture;
    // The background the picture was built over, and where it may differ from it.
    std::shared_ptr<const Canvas> m_background;
    CanvasRect m_stale;
};
