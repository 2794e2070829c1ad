#pragma once

#include "picture/Colour.h"

class Canvas;
class ImageSurface;
struct SkinElement;

// The source view's picture, viewWidth by viewHeight: the source picture at its own size from the
// top-left corner over a checkerboard, drawn with its alpha; the selected element's source areas tinted
// at constant opacity 128 (cyan, a button's rollover or an indicator's off source yellow); and everything
// right of and below the picture in the face colour, so that a smaller picture loaded after a larger one
// leaves nothing behind. What does not fit the view is cut off. selected may be null. The canvas is made
// anew when its size differs; false when the view is empty.
bool DrawSourceView(const ImageSurface& picture, const SkinElement* selected, int viewWidth, int viewHeight,
                    Colour face, Canvas& out);

// The checkerboard behind a source picture: 8 by 8 squares, white and light grey (191), each column of
// squares starting with the other colour than the column before it, the first with white.
void FillSourceCheckerboard(Canvas& canvas, int width, int height);
