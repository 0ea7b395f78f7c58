#include "platform/BmpDecoder.h"

namespace platform {

bool BmpDecoder::Decode(const std::uint8_t*, std::size_t, DecodedImage& image) {
    image = DecodedImage{};
    return false;
}

} // namespace platform
