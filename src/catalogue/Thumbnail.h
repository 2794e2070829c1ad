#pragma once

#include "picture/InputLimits.h"
#include "render/NoteSettings.h"

#include <QString>

class ImageSurface;
struct SkinDocument;

// The note and the canvas a thumbnail is drawn on, before it is shrunk.
struct ThumbnailLayout {
    int noteWidth = 280;
    int noteHeight = 130;
    int canvasWidth = 300;
    int canvasHeight = 150;
    bool operator==(const ThumbnailLayout&) const = default;
};

// The largest thumbnail: what the download page's cells hold.
constexpr int kThumbnailWidth = 300;
constexpr int kThumbnailHeight = 150;
// A skin asking for a bigger note than kLargestThumbnailCanvas gets no thumbnail.

// A 280 by 130 note on a 300 by 150 canvas, grown for a skin whose default layout needs more: by the
// minimum width over 280 when that is larger, then by the minimum height over the note's height when
// the note is still lower. Every size is cut to whole pixels after each growth. Sizes that do not fit an
// int come back as 0.
ThumbnailLayout LayOutThumbnail(int minimumWidth, int minimumHeight);

// The size a canvas is shrunk to: to 300 wide when it is wider, then to 150 high when it is still
// higher, keeping its proportions (cut toward zero, never below one pixel).
struct ThumbnailSize {
    int width = 0;
    int height = 0;
    bool operator==(const ThumbnailSize&) const = default;
};
ThumbnailSize ShrunkThumbnailSize(int canvasWidth, int canvasHeight);

// The note settings a thumbnail is drawn in: the designer's start values, with the note's size, the
// skin's name as title, a white note with the focus, and "<Created>" and "<Sender>" as its texts.
NoteSettings ThumbnailNoteSettings(const SkinDocument& document, const ThumbnailLayout& layout);

// Draws the skin's thumbnail: the backdrop at its own size at the canvas's top-left, the note centred
// on it by the preview renderer, no highlights, then shrunk with the bicubic filter. False, with a
// reason, when the canvas would be too large or a step fails.
bool MakeThumbnail(const SkinDocument& document, ImageSurface& thumbnail, QString* reason);
