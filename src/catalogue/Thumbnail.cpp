#include "catalogue/Thumbnail.h"

#include "document/SkinDocument.h"
#include "picture/Canvas.h"
#include "picture/ImageSurface.h"
#include "render/PreviewOptions.h"
#include "render/RenderPreview.h"

#include <algorithm>
#include <climits>

namespace {

constexpr int kNoteWidth = 280;

// size × numerator / denominator cut toward zero; 0 when it does not fit an int.
int Scaled(long long size, long long numerator, long long denominator) {
    const long long value = size * numerator / denominator;
    return value > INT_MAX ? 0 : static_cast<int>(value);
}

} // namespace

ThumbnailLayout LayOutThumbnail(int minimumWidth, int minimumHeight) {
    ThumbnailLayout t;
    if (minimumWidth > kNoteWidth) {
        t.noteWidth = Scaled(t.noteWidth, minimumWidth, kNoteWidth);
        t.noteHeight = Scaled(t.noteHeight, minimumWidth, kNoteWidth);
        t.canvasWidth = Scaled(t.canvasWidth, minimumWidth, kNoteWidth);
        t.canvasHeight = Scaled(t.canvasHeight, minimumWidth, kNoteWidth);
    }
    if (t.noteHeight > 0 && t.noteHeight < minimumHeight) {
        const int noteHeight = t.noteHeight;
        t.noteWidth = Scaled(t.noteWidth, minimumHeight, noteHeight);
        t.noteHeight = Scaled(t.noteHeight, minimumHeight, noteHeight);
        t.canvasWidth = Scaled(t.canvasWidth, minimumHeight, noteHeight);
        t.canvasHeight = Scaled(t.canvasHeight, minimumHeight, noteHeight);
    }
    return t;
}

ThumbnailSize ShrunkThumbnailSize(int canvasWidth, int canvasHeight) {
    long long w = canvasWidth;
    long long h = canvasHeight;
    if (w > kThumbnailWidth) {
        h = std::max(1LL, h * kThumbnailWidth / w);
        w = kThumbnailWidth;
    }
    if (h > kThumbnailHeight) {
        w = std::max(1LL, w * kThumbnailHeight / h);
        h = kThumbnailHeight;
    }
    return {static_cast<int>(w), static_cast<int>(h)};
}

NoteSettings ThumbnailNoteSettings(const SkinDocument& document, const ThumbnailLayout& layout) {
    NoteSettings settings;
    settings.width = layout.noteWidth;
    settings.height = layout.noteHeight;
    settings.title = document.settings.skinname;
    settings.notecolour = MakeColour(255, 255, 255);
    settings.focus = true;
    settings.created = QStringLiteral("<Created>");
    settings.source = QStringLiteral("<Sender>");
    return settings;
}

bool MakeThumbnail(const SkinDocument& document, ImageSurface& thumbnail, QString* reason) {
    const ThumbnailLayout layout =
        LayOutThumbnail(document.layout.minimumwidth, document.layout.minimumheight);
    const long long pixels = static_cast<long long>(layout.canvasWidth) * layout.canvasHeight;
    if (layout.noteWidth < 1 || layout.noteHeight < 1 || pixels < 1 || pixels > kLargestThumbnailCanvas) {
        *reason = QStringLiteral("the skin's minimum size (%1 by %2) is too large for a thumbnail")
                      .arg(document.layout.minimumwidth)
                      .arg(document.layout.minimumheight);
        return false;
    }
    Canvas canvas;
    if (!canvas.Create(layout.canvasWidth, layout.canvasHeight)) {
        *reason = QStringLiteral("out of memory");
        return false;
    }
    RenderPreview(document, ThumbnailNoteSettings(document, layout), PreviewOptions(), canvas);
    thumbnail = ImageSurface(kImagePng);
    if (!thumbnail.MakeFromCanvas(canvas)) {
        *reason = thumbnail.LastError();
        return false;
    }
    canvas.Clear();
    const ThumbnailSize size = ShrunkThumbnailSize(layout.canvasWidth, layout.canvasHeight);
    if ((size.width != layout.canvasWidth || size.height != layout.canvasHeight) &&
        !thumbnail.Resample(size.width, size.height)) {
        *reason = thumbnail.LastError();
        return false;
    }
    return true;
}
