#include <cstdint>

#include "platform/BmpDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    platform::DecodedImage image;
    platform::BmpDecoder::Decode(data, size, image);
    return 0;
}
