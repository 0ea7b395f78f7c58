// Any bytes as a bitmap: the decoder either refuses them, leaving the image empty, or returns a
// well-formed opaque image within the size limits.
#include <cstdint>

#include "formats/BmpDecoder.h"

namespace {

bool IsEmpty(const formats::DecodedImage& image) {
    return image.width == 0 && image.height == 0 && image.pixels.empty() && !image.hasAlpha;
}

bool IsWellFormed(const formats::DecodedImage& image) {
    constexpr int kMax = formats::BmpDecoder::kMaxDimension;
    if (image.width < 1 || image.width > kMax || image.height < 1 || image.height > kMax ||
        image.hasAlpha) {
        return false;
    }
    if (image.pixels.size() != static_cast<std::size_t>(image.width) * image.height) {
        return false;
    }
    for (const std::uint32_t pixel : image.pixels) {
        if ((pixel >> 24) != 0xFF) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    formats::DecodedImage image;
    const bool decoded = formats::BmpDecoder::Decode(data, size, image);
    if (decoded ? !IsWellFormed(image) : !IsEmpty(image)) {
        __builtin_trap();
    }
    return 0;
}
