#include "render/RenderPreview.h"

#include "document/SkinDocument.h"
#include "picture/Canvas.h"
#include "picture/ClampToInt.h"
#include "picture/ImageSurface.h"
#include "picture/InputLimits.h"
#include "picture/PixelKernels.h"
#include "render/PlacementGeometry.h"
#include "render/RenderNote.h"
#include "render/SampleNoteState.h"

#include <QFile>
#include <algorithm>
#include <climits>
#include <memory>
#include <mutex>
#include <vector>

// The resource file sits in a static library; its registration has to be asked for by name.
static void InitPreviewResources() {
    Q_INIT_RESOURCE(preview);
}

namespace {

constexpr Colour kTitleHighlight = MakeColour(0, 255, 0);
constexpr Colour kScrollHighlight = MakeColour(0, 0, 255);
constexpr Colour kTextHighlight = MakeColour(255, 0, 0);
constexpr Colour kSelectedHighlight = MakeColour(255, 0, 255);
constexpr int kHighlightOpacity = 128;
constexpr size_t kKeptBackgrounds = 4;

long long CanvasBytes(const Canvas& canvas) {
    return static_cast<long long>(canvas.Width()) * canvas.Height() * 4;
}

CanvasRect Shifted(const NoteRect& r, int dx, int dy) {
    return {ClampToInt(static_cast<long long>(r.left) + dx), ClampToInt(static_cast<long long>(r.top) + dy),
            ClampToInt(static_cast<long long>(r.right) + dx),
            ClampToInt(static_cast<long long>(r.bottom) + dy)};
}

CanvasRect Block(long long x, long long y, long long w, long long h) {
    return {ClampToInt(x), ClampToInt(y), ClampToInt(x + w), ClampToInt(y + h)};
}

const ImageSurface& Backdrop() {
    static const ImageSurface backdrop = [] {
        InitPreviewResources();
        ImageSurface picture(kImageJpeg);
        picture.LoadFromResource(QStringLiteral(":/preview/backdrop.jpg"), kImageJpeg);
        return picture;
    }();
    return backdrop;
}

void DrawCheckerboard(Canvas& canvas) {
    const CanvasPixel light = MakePixel(255, 255, 255);
    const CanvasPixel dark = MakePixel(200, 200, 200);
    for (int y = 0; y < canvas.Height(); ++y) {
        CanvasPixel* row = canvas.Row(y);
        for (int x = 0; x < canvas.Width(); ++x)
            row[x] = ((x >> 4) + (y >> 4)) & 1 ? dark : light;
    }
}

// Replaces every pixel of the region colour within the rectangle by the background pixel behind it,
// leaving out the columns skipLeft .. skipRight of the rows skipTop .. skipBottom (where the note
// painted nothing).
void CutOutRegion(Canvas& target, const CanvasRect& rect, const CanvasRect& skip, Colour region,
                  const Canvas& background) {
    const CanvasPixel key = PixelFromColour(region);
    const auto cut = [&](int y, int from, int to) {
        if (to > from)
            ReplaceKeyRow(target.Row(y) + from, background.Row(y) + from, to - from, key);
    };
    for (int y = rect.top; y < rect.bottom; ++y) {
        if (y < skip.top || y >= skip.bottom || skip.IsEmpty()) {
            cut(y, rect.left, rect.right);
            continue;
        }
        cut(y, rect.left, std::min(rect.right, std::max(rect.left, skip.left)));
        cut(y, std::max(rect.left, std::min(rect.right, skip.right)), rect.right);
    }
}

// The background within the rectangle, where the target may not hold it yet (within stale).
void CopyWithin(Canvas& target, const Canvas& background, const CanvasRect& rect, const CanvasRect& stale) {
    const CanvasRect r = rect.Intersected(stale);
    if (!r.IsEmpty())
        target.Copy(r.left, r.top, r.Width(), r.Height(), background, r.left, r.top);
}

// The background everywhere on the target outside the rectangle (all of it for an empty one).
void CopyAround(Canvas& target, const Canvas& background, const CanvasRect& r, const CanvasRect& stale) {
    const CanvasRect all = target.Bounds();
    if (r.IsEmpty()) {
        CopyWithin(target, background, all, stale);
        return;
    }
    CopyWithin(target, background, {0, 0, all.right, r.top}, stale);
    CopyWithin(target, background, {0, r.bottom, all.right, all.bottom}, stale);
    CopyWithin(target, background, {0, r.top, r.left, r.bottom}, stale);
    CopyWithin(target, background, {r.right, r.top, all.right, r.bottom}, stale);
}

CanvasRect RenderPartOver(const SkinDocument& document, const NoteSettings& settings,
                          const PreviewOptions& options, const Canvas& background, Canvas& target,
                          const CanvasRect& part, const CanvasRect& stale);

} // namespace

std::shared_ptr<const Canvas> PreviewBackground(int width, int height, int backdropWidth,
                                                int backdropHeight) {
    // A background never changes once made, so renderers on any thread may read the same one; the lock
    // only guards the list of them.
    struct Entry {
        int width, height, backdropWidth, backdropHeight;
        std::shared_ptr<const Canvas> canvas;
        bool Is(int w, int h, int bw, int bh) const {
            return width == w && height == h && backdropWidth == bw && backdropHeight == bh;
        }
    };
    static std::mutex mutex;
    static std::vector<Entry> recent; // most recently used first
    const auto find = [&]() -> std::shared_ptr<const Canvas> {
        for (auto it = recent.begin(); it != recent.end(); ++it) {
            if (it->Is(width, height, backdropWidth, backdropHeight)) {
                std::rotate(recent.begin(), it, it + 1);
                return recent.front().canvas;
            }
        }
        return nullptr;
    };
    {
        std::lock_guard lock(mutex);
        if (std::shared_ptr<const Canvas> found = find())
            return found;
    }

    auto canvas = std::make_shared<Canvas>();
    if (canvas->Create(width, height))
        DrawPreviewBackground(*canvas, backdropWidth, backdropHeight);

    std::lock_guard lock(mutex);
    // Another thread may have made the same one meanwhile; either will do, one is kept.
    if (std::shared_ptr<const Canvas> found = find())
        return found;
    recent.insert(recent.begin(), {width, height, backdropWidth, backdropHeight, canvas});
    // A few sizes (the preview, its magnifier, thumbnails) within a bound on memory; the newest stays.
    long long bytes = 0;
    size_t kept = 0;
    while (kept < recent.size() && kept < kKeptBackgrounds &&
           (kept == 0 || bytes + CanvasBytes(*recent[kept].canvas) <= kKeptBackgroundBytes))
        bytes += CanvasBytes(*recent[kept++].canvas);
    recent.resize(kept);
    return canvas;
}

void DrawPreviewBackground(Canvas& canvas, int backdropWidth, int backdropHeight) {
    if (!canvas.IsValid())
        return;
    canvas.ResetClip();
    DrawCheckerboard(canvas);
    // The backdrop is shared between threads; a draw that fails would note its reason in it.
    const ImageSurface& backdrop = Backdrop();
    if (backdrop.IsValid() && backdropWidth != 0 && backdropHeight != 0)
        backdrop.Draw(canvas, 0, 0, backdropWidth, backdropHeight);
}

void RenderPreview(const SkinDocument& document, const NoteSettings& settings, const PreviewOptions& options,
                   Canvas& target, int backdropWidth, int backdropHeight) {
    if (!target.IsValid())
        return;
    const std::shared_ptr<const Canvas> background =
        PreviewBackground(target.Width(), target.Height(), backdropWidth, backdropHeight);
    RenderPreviewOver(document, settings, options, *background, target);
}

void RenderPreviewPart(const SkinDocument& document, const NoteSettings& settings,
                       const PreviewOptions& options, Canvas& target, const CanvasRect& part) {
    if (!target.IsValid())
        return;
    const std::shared_ptr<const Canvas> background = PreviewBackground(target.Width(), target.Height());
    RenderPartOver(document, settings, options, *background, target, part, target.Bounds());
}

void RenderPreviewOver(const SkinDocument& document, const NoteSettings& settings,
                       const PreviewOptions& options, const Canvas& background, Canvas& target) {
    RenderPartOver(document, settings, options, background, target, target.Bounds(), target.Bounds());
}

CanvasRect RenderPreviewPartOver(const SkinDocument& document, const NoteSettings& settings,
                                 const PreviewOptions& options, const Canvas& background, Canvas& target,
                                 const CanvasRect& part, const CanvasRect& stale) {
    return RenderPartOver(document, settings, options, background, target, part, stale);
}

namespace {

// Every drawing below honours the target's clip, which is the part; the note is painted as the clip
// shows it. Outside stale the target holds the background already. Gives the bounding rectangle of all
// that was drawn over the background.
CanvasRect RenderPartOver(const SkinDocument& document, const NoteSettings& settings,
                          const PreviewOptions& options, const Canvas& background, Canvas& target,
                          const CanvasRect& part, const CanvasRect& stale) {
    if (!target.IsValid() || background.Width() != target.Width() || background.Height() != target.Height())
        return {};
    const CanvasRect clip = part.Intersected(target.Bounds());
    if (clip.IsEmpty())
        return {};
    target.SetClipRect(clip);
    const NoteState state = SampleNoteState(settings, document);
    const int unrolledHeight = settings.height;
    const NoteOrigin origin = NoteOriginInArea(target.Width(), target.Height(), state.width, unrolledHeight);
    const int x0 = origin.x;
    const int y0 = origin.y;
    const SkinLayout& layout = document.ActiveLayout(state);

    // The note paints every pixel of its rectangle but, on a frame-only skin, the text area, which shows
    // what lies behind the note; the background goes only where the note leaves it showing, and not
    // where the text area is filled below.
    const CanvasRect noteRect = Block(x0, y0, state.width, state.height).Intersected(clip);
    CanvasRect inside;
    if (!document.DrawsOnTextBackground())
        inside = Block(static_cast<long long>(x0) + layout.left, static_cast<long long>(y0) + layout.top,
                       static_cast<long long>(state.width) - layout.left - layout.right,
                       static_cast<long long>(state.height) - layout.top - layout.bottom);
    const bool textAreaFilled =
        !state.rolled && (options.highlightareas ? !options.stackmode : !document.DrawsOnTextBackground());
    CopyAround(target, background, noteRect, stale);
    if (!textAreaFilled)
        CopyWithin(target, background, inside.Intersected(noteRect), stale);
    CanvasRect drawn = noteRect;
    const auto draws = [&](const CanvasRect& r) { drawn = drawn.Bounding(r.Intersected(clip)); };

    // Cutting the region colour out only ever touches the pixels the note painted.
    NoteState placed = state;
    placed.originx = x0;
    placed.originy = y0;
    RenderNote(document, target, placed);
    if (document.settings.region != kNoColour)
        CutOutRegion(target, noteRect, inside, document.settings.region, background);

    const CanvasRect textArea = Shifted(TextArea(layout, state), x0, y0);
    if (options.highlightareas) {
        const int titleHeight = state.rolled ? state.height : unrolledHeight;
        const auto tint = [&](const CanvasRect& r, Colour colour) {
            target.Blend(r, colour, kHighlightOpacity);
            draws(r);
        };
        tint(Shifted(TitleBarRect(layout, state.width, titleHeight), x0, y0), kTitleHighlight);
        if (layout.usescrollbar && !state.rolled)
            tint(Shifted(ScrollRange(layout, state.width, state.height), x0, y0), kScrollHighlight);
        if (!state.rolled && !options.stackmode) {
            target.Fill(textArea, kTextHighlight);
            draws(textArea);
        }
        if (options.stackmode) {
            const long long w = state.width;
            const long long h = state.height;
            tint(Block(x0, y0, w, layout.top), kScrollHighlight);
            tint(Block(x0, y0, layout.left, h), kScrollHighlight);
            tint(Block(x0, y0 + h - layout.bottom, w, layout.bottom), kScrollHighlight);
            tint(Block(x0 + w - layout.right, y0, layout.right, h), kScrollHighlight);
        }
    } else if (!state.rolled && !document.DrawsOnTextBackground()) {
        // The note program's text box covers the text area in the note colour.
        target.Fill(textArea, state.notecolour);
        draws(textArea);
    }

    const int selected = options.selectedelement;
    if (options.highlightselected && selected >= 0 && selected < static_cast<int>(document.elements.size())) {
        const SkinElement& element = document.elements[static_cast<size_t>(selected)];
        if (element.IsDrawable()) {
            const ScrollFrame frame = ScrollFrameOf(layout, state);
            if (const std::optional<NoteRect> outline =
                    ElementOutline(element, state.width, state.height, frame)) {
                target.Blend(Shifted(*outline, x0, y0), kSelectedHighlight, kHighlightOpacity);
                draws(Shifted(*outline, x0, y0));
            }
        }
    }
    target.ResetClip();
    return drawn;
}

} // namespace
