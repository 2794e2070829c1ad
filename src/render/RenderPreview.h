#pragma once

#include "render/NoteSettings.h"
#include "render/PreviewOptions.h"

#include <memory>

class Canvas;
struct CanvasRect;
struct SkinDocument;

// Builds the preview picture in the whole target (the preview area's size): the checkerboard and the
// backdrop, the note in the state the settings describe centred in it, the skin's region colour cut
// out to the background, the background around the note and below a rolled note, then the highlights
// the options ask for. backdropWidth and backdropHeight of -1 draw the backdrop at its own size.
void RenderPreview(const SkinDocument& document, const NoteSettings& settings, const PreviewOptions& options,
                   Canvas& target, int backdropWidth = -1, int backdropHeight = -1);

// The same picture within the part of the target alone, the rest of it left as it is: after a change
// that can only alter pixels in that part (an element dragged on the preview), the target is then what
// a whole RenderPreview would make, at the cost of the part.
void RenderPreviewPart(const SkinDocument& document, const NoteSettings& settings,
                       const PreviewOptions& options, Canvas& target, const CanvasRect& part);

// The preview's background alone: 16-pixel squares of white and light grey, the first column white at
// the top, with the backdrop over them at the top-left corner. The last few are kept, so an unchanged
// area costs one copy. A background is never changed once made: any number of threads may render with
// the same one at once. An area of no size gives an empty canvas.
std::shared_ptr<const Canvas> PreviewBackground(int width, int height, int backdropWidth = -1,
                                                int backdropHeight = -1);

// The preview's background drawn over the whole canvas, without touching those PreviewBackground keeps.
void DrawPreviewBackground(Canvas& canvas, int backdropWidth = -1, int backdropHeight = -1);

// RenderPreview over a background of the target's size that the caller made with DrawPreviewBackground:
// for pictures of many previews, which would otherwise push the main preview's background out of those
// kept.
void RenderPreviewOver(const SkinDocument& document, const NoteSettings& settings,
                       const PreviewOptions& options, const Canvas& background, Canvas& target);

// RenderPreviewPart over that background, on a target that holds it already everywhere outside stale:
// the background is copied only within stale. Gives the bounding rectangle, within the part, of all
// that the build drew over the background (empty when it drew nothing).
CanvasRect RenderPreviewPartOver(const SkinDocument& document, const NoteSettings& settings,
                                 const PreviewOptions& options, const Canvas& background, Canvas& target,
                                 const CanvasRect& part, const CanvasRect& stale);
