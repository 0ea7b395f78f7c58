#include <cstdint>

#include "formats/PngDecoder.h"

namespace {

// What every successful decode promises; a failed one must leave the image empty.
bool Consistent(bool decoded, const formats::DecodedImage& image) {
    if (!decoded) {
        return image.width == 0 && image.height == 0 && image.pixels.empty() && !image.hasAlpha;
    }
    constexpr int kMax = formats::PngDecoder::kMaxDimension;
    if (image.width < 1 || image.width > kMax || image.height < 1 || image.height > kMax ||
        image.pixels.size() != std::size_t(image.width) * std::size_t(image.height)) {
        return false;
    }
    if (!image.hasAlpha) {
        for (const std::uint32_t pixel : image.pixels) {
            if (pixel >> 24 != 0xFF) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    formats::DecodedImage image;
    const bool decoded = formats::PngDecoder::Decode(data, size, image);
    if (!Consistent(decoded, image)) {
        __builtin_trap();
    }
    return 0;
}
