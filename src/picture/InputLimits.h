#pragma once

// What a hostile skin, picture or package may cost. Skins come from download pages and the catalogue
// writer reads every package of a folder without a person looking, so every limit that bounds the time
// or memory one input can take is named here, with the reason for its number. The code that enforces
// each one says so where it refuses.

// Pictures ------------------------------------------------------------------------------------------

// Bytes of a decoded picture's rows (any source: PNG, JPEG, BMP, a package's entry). 256 MB holds an
// 8192 by 8192 picture at 32 bits, far beyond any skin's sheet, and several such decodes still fit a
// desktop's memory; larger ones are refused before anything is allocated.
constexpr long long kPictureByteLimit = 256LL * 1024 * 1024;

// Bytes of one drawing surface (the preview, a note canvas, a state sheet, a thumbnail): the same
// 256 MB, so that everything a picture may be can also be drawn.
constexpr long long kCanvasByteLimit = 256LL * 1024 * 1024;

// A PNG side in pixels. libpng's own default; with kPictureByteLimit it refuses a 1 by 2^31 header
// before libpng sets up rows for it.
constexpr unsigned kPngLargestSide = 1000000;

// Deflate expands data by at most about 1032 times, so a PNG whose rows need more than that (plus
// kPngInflateSlack for the headers of small pictures) cannot be complete: refused before its rows are
// allocated, so a header of a few bytes cannot cost hundreds of megabytes.
constexpr unsigned long long kPngMaxInflateRatio = 1032;
constexpr unsigned long long kPngInflateSlack = 1 << 20;

// Bytes of one PNG ancillary chunk that libpng keeps (text, profiles, palettes of suggestions): 8 MB,
// libpng's own default; a skin's picture needs none of them.
constexpr unsigned long kPngChunkByteLimit = 8 * 1024 * 1024;

// Scans of a progressive JPEG: real encoders write at most a dozen or so; each scan costs a pass over
// the whole picture, so a file of thousands of tiny scans would take minutes.
constexpr int kMaxJpegScans = 100;

// libjpeg's working memory (the coefficient buffers of multi-scan pictures): twice a picture, what a
// progressive picture at kPictureByteLimit needs.
constexpr long kJpegWorkingMemory = static_cast<long>(2 * kPictureByteLimit);

// Packages ------------------------------------------------------------------------------------------

// Bytes an entry of a skin package may declare: 64 MB is hundreds of times a real skin's picture and
// text, and bounds what extracting one entry allocates whatever its compression ratio.
constexpr unsigned kPackageEntryByteLimit = 64 * 1024 * 1024;

// Skin text ------------------------------------------------------------------------------------------

// Characters reserved up front for a skin file's text: 16 M, past any real skin (they are kilobytes).
// A larger file is still read, growing only as far as its lines really go.
constexpr long long kSkinTextReserve = 16 * 1024 * 1024;

// Drawing --------------------------------------------------------------------------------------------

// A note's side and a state sheet's sizes, in pixels: the designer's range for a note. With
// kCanvasByteLimit it bounds what any one drawing may cost; tiles, strips and fades only ever draw
// within the canvas, however small the tile or large the area, so their cost is bounded by it too.
// Tiles smaller than a block of kTileBlockPixels are drawn a block of them at a time (the same pixels),
// so that a tile area of 1 x 1 tiles costs a few draws, not one per pixel of the note.
constexpr int kNoteSideLimit = 9999;
constexpr long long kTileBlockPixels = 1 << 18;

// Drawable elements a note paints, in the skin's order: each may cover the whole canvas (a text is
// laid out besides), so this bounds a drawing at that many passes over it. Hand-made skins have tens,
// generated ones (a frame per animation step, a tile per glyph) thousands, and the designer is measured
// on skins of 5,000; a few bytes a line make hundreds of thousands. The ones past it are not drawn, and
// the lint says so.
constexpr int kMaxDrawnElements = 10000;

// Placeholder text's pixel size: glyphs taller than this could only show as the clipped top of one
// line on any canvas kCanvasByteLimit allows, and the font engine is not made to scale outlines without
// bound.
constexpr int kLargestPlaceholderPixelSize = 4096;

// The source view's enlarged picture, in screen pixels each way: every scroll position and screen
// coordinate of a picture edge then fits an int.
constexpr int kMaxZoomedExtent = 1 << 30;

// Canvas pixels of a catalogue thumbnail's note: a skin asking for more gets no thumbnail, since its
// canvas, picture and filter buffers would take hundreds of megabytes for every package in a folder.
constexpr long long kLargestThumbnailCanvas = 8LL * 1024 * 1024;

// Bytes of preview backgrounds kept for reuse (at most four of them): a huge preview area does not
// keep hundreds of megabytes alive after it is drawn.
constexpr long long kKeptBackgroundBytes = 64LL * 1024 * 1024;

// Uncovered areas the lint lists one by one; one more finding then says how many were left out, so a
// skin of a million uncovered cells makes a readable report, not a million lines.
constexpr int kMaxUncoveredAreas = 50;
