#pragma once

#include "document/FrameMargins.h"
#include "document/SkinElement.h"
#include "picture/Canvas.h"
#include "picture/ImageSurface.h"

#include <QString>
#include <vector>

struct SkinDocument;
struct SkinLayout;

// What the frame builder makes besides the eight border pieces.
struct FrameOptions {
    bool tileBody = true;   // a TileArea from the middle cell; false: the note colour shows
    QString group;          // a new group the pieces join; empty: none
    bool setLayout = false; // the default layout's borders, title bar, rolled height and minimum size follow
};

// Why a frame cannot be built from a rectangle and margins.
enum class FrameProblem {
    None,
    NoPicture,       // the skin has no sheet
    TooSmall,        // the rectangle, clipped to the sheet, is smaller than 3 x 3
    NegativeMargin,  // a margin below 0
    NoMiddleAcross,  // left + right leave no column for the middle
    NoMiddleDown,    // top + bottom leave no row
    MiddleOffSheetX, // a right margin of 0 on a rectangle that ends at the sheet's right edge
    MiddleOffSheetY, // a bottom margin of 0 on one that ends at the sheet's bottom edge
};

// The problem in a sentence for the user; empty for None.
QString FrameProblemText(FrameProblem problem);

// The sheet a frame is cut from: the skin's PNG, or its keyed picture without alpha (colours compare,
// key pixels are black).
ImageSurface FrameSheet(const SkinDocument& document);

// The rectangle clipped to a sheet of that size.
CanvasRect ClipFrameRect(const CanvasRect& rect, int sheetWidth, int sheetHeight);
// Whether a frame can be built from rect (already clipped) of a sheet of that size with the margins.
FrameProblem CheckFrame(const CanvasRect& rect, const FrameMargins& margins, int sheetWidth, int sheetHeight);

// The element entries of the nine-slice frame cut from rect (clipped, checked) with the margins, in the
// order they are to be inserted: the group (when asked for), the body, the four edges, the four
// corners. At every note size of at least the margins plus one pixel each way the note shows the
// corners copied and the middle run repeated along the edges and over the body, without gap or overlap.
// Names are made unique against the document; the top row is drawn rolled and unrolled, the rest
// unrolled only.
std::vector<SkinElement> BuildFrame(const SkinDocument& document, const CanvasRect& rect,
                                    const FrameMargins& margins, const FrameOptions& options);

// The layout's borders, top gap, title-bar height and rolled height from the margins, and its minimum
// size raised just enough that the frame's borders leave a text area: so that the check reports neither
// the rolled-height error, the minimum-size errors nor the title-bar error for it.
void FitLayoutToFrame(SkinLayout& layout, const FrameMargins& margins);

// Builds the frame and inserts it before the entry at index insertAt (the end when out of range), and
// fits the default layout when the options ask for it. Returns the index of the first entry inserted;
// -1, with the document unchanged, when CheckFrame finds a problem.
int AddFrame(SkinDocument& document, const CanvasRect& rect, const FrameMargins& margins,
             const FrameOptions& options, int insertAt, FrameProblem* problem = nullptr);
