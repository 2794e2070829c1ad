// PNG decoding of arbitrary bytes, then the decoded picture cropped and drawn.
#include "DecodeAndDraw.h"
#include "FuzzTarget.h"

DRAPIER_FUZZ_TARGET(png_decode) {
    return DecodeAndDraw(data, size, kImagePng);
}
