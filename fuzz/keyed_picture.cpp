// Arbitrary bytes through the loader of pictures that are not PNG skin pictures, into a keyed picture:
// keyed by the colour of its first pixel and not keyed, then pieces of it drawn masked and blended,
// partly off the picture and off the canvas, as the note's elements draw it.
#include "FuzzBudget.h"
#include "FuzzTarget.h"
#include "picture/Canvas.h"
#include "picture/KeyedPicture.h"

#include <QByteArray>

DRAPIER_FUZZ_TARGET(keyed_picture) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (!KeyedPictureFitsBudget(bytes))
        return 0;
    KeyedPicture picture;
    if (!picture.Decode(bytes)) {
        FUZZ_REQUIRE(!picture.IsValid() && !picture.LastError().isEmpty());
        return 0;
    }
    FUZZ_REQUIRE(picture.Width() >= 1 && picture.Height() >= 1);
    FUZZ_REQUIRE(picture.Mask().Width() == picture.Width() && picture.Mask().Height() == picture.Height());
    Canvas canvas(48, 40, MakeColour(200, 200, 200));
    const int w = picture.Width();
    const int h = picture.Height();
    for (const Colour key : {picture.Picture().ColourAt(0, 0), kNoColour}) {
        picture.ApplyKey(key);
        FUZZ_REQUIRE(key == kNoColour || picture.IsKey(0, 0));
        picture.DrawMasked(canvas, -3, -2, 0, 0, w, h);
        picture.DrawMasked(canvas, 5, 4, w / 2, h / 3, 37, 29);
        picture.DrawMasked(canvas, 10, 10, -4, -4, 9, 7);
        picture.DrawAlphaRect(canvas, 1, 2, 0, 0, w, h, w / 2, 0);
        picture.DrawAlphaRect(canvas, -5, 30, 1, 1, 20, 20, -3, h - 2);
    }
    return 0;
}
