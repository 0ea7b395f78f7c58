#include "platform/PngDecoder.h"

namespace platform {

bool PngDecoder::Decode(const std::uint8_t*, std::size_t, DecodedImage& image) {
    image = DecodedImage{};
    return false;
}

} // namespace platform
