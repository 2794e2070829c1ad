#pragma once

// Shared body of the picture decoder targets: decode arbitrary bytes as one kind, then crop and draw
// the picture, stretched and not, partly off the canvas.
#include "FuzzBudget.h"
#include "FuzzTarget.h"
#include "picture/Canvas.h"
#include "picture/ImageSurface.h"

#include <cstddef>
#include <cstdint>

inline int DecodeAndDraw(const std::uint8_t* data, std::size_t size, int kind) {
    if (!PictureFitsBudget(data, size))
        return 0;
    ImageSurface picture;
    if (!picture.Decode(data, size, kind))
        return 0;
    FUZZ_REQUIRE(picture.Width() >= 1 && picture.Height() >= 1);
    Canvas canvas(48, 40, MakeColour(200, 200, 200));
    picture.Draw(canvas, -3, -2);
    picture.Draw(canvas, 5, 4, 37, 29);
    ImageSurface piece;
    if (picture.Crop(1, 1, 9, 7, piece))
        piece.Draw(canvas, 10, 10, 20, 3);
    return 0;
}
