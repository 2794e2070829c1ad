// JPEG decoding of arbitrary bytes, then the decoded picture cropped and drawn.
#include "DecodeAndDraw.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return DecodeAndDraw(data, size, kImageJpeg);
}
