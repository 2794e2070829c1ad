#pragma once

#include "picture/Canvas.h"

#include <vector>

class ImageSurface;
struct SourceArea;

// A part of the source picture as the source view shows it, for painting only what is on screen: the
// pixels `area` covers (in picture coordinates) over a checkerboard, drawn with their alpha, and the
// tints (rectangles in picture coordinates; cyan, the second sources yellow) blended at constant opacity
// 128. The canvas is made anew at the area's size when its size differs. False, leaving it empty, when
// the area is empty; without a picture the area shows the checkerboard alone.
bool DrawSourceArea(const ImageSurface& picture, const CanvasRect& area, const std::vector<SourceArea>& tints,
                    Canvas& out);

// Draws again the pixels of `part` (picture coordinates) of a canvas DrawSourceArea made for `area`, as
// DrawSourceArea would draw them now: a change of the tints then costs the pixels it touches, not the
// whole view. Does nothing where part lies outside area, or when out does not fit area.
void RedrawSourceAreaPart(const ImageSurface& picture, const CanvasRect& area, const CanvasRect& part,
                          const std::vector<SourceArea>& tints, Canvas& out);

// The checkerboard behind a source picture: 8 by 8 squares, white and light grey (191), each column of
// squares starting with the other colour than the column before it, the first with white. The canvas's
// top-left pixel shows the picture's pixel (originX, originY), so the squares stay where they are on the
// picture whatever part of it is drawn.
void FillSourceCheckerboard(Canvas& canvas, int originX, int originY);
