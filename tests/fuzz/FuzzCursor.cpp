// Any bytes as a cursor file: the parser either refuses them, leaving the image empty, or
// returns a well-formed image within the size limits with its hotspot on or at the edge of it.
#include <cstddef>
#include <cstdint>

#include "formats/CursorFile.h"

namespace {

bool IsEmpty(const formats::CursorImage& image) {
    return image.width == 0 && image.height == 0 && image.hotspotX == 0 && image.hotspotY == 0 &&
           image.pixels.empty();
}

bool IsWellFormed(const formats::CursorImage& image) {
    constexpr int kMax = formats::CursorFile::kMaxPngDimension;
    if (image.width < 1 || image.width > kMax || image.height < 1 || image.height > kMax) {
        return false;
    }
    if (image.hotspotX < 0 || image.hotspotX > image.width || image.hotspotY < 0 ||
        image.hotspotY > image.height) {
        return false;
    }
    return image.pixels.size() == static_cast<std::size_t>(image.width) * image.height;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    formats::CursorImage image;
    const bool parsed = formats::CursorFile::Parse(data, size, image);
    if (parsed ? !IsWellFormed(image) : !IsEmpty(image)) {
        __builtin_trap();
    }
    return 0;
}
