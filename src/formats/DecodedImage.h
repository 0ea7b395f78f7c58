#pragma once

#include <cstdint>
#include <vector>

namespace formats {

// An image decoded from a file: top-down rows of 0xAARRGGBB pixels, no padding.
struct DecodedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    // True when the file carries transparency (an alpha channel or a transparent colour).
    bool hasAlpha = false;
};

} // namespace formats
