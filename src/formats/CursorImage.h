#pragma once

#include <cstdint>
#include <vector>

namespace formats {

// A pointer image: top-down rows of 0xAARRGGBB pixels, no padding, and the pixel that points.
struct CursorImage {
    int width = 0;
    int height = 0;
    int hotspotX = 0;
    int hotspotY = 0;
    std::vector<std::uint32_t> pixels;
};

} // namespace formats
