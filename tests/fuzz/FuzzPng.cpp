#include <cstdint>

#include "platform/PngDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    platform::DecodedImage image;
    platform::PngDecoder::Decode(data, size, image);
    return 0;
}
