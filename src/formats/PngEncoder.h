#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace formats {

// Writes 8-bit RGBA PNG files with libpng.
class PngEncoder {
public:
    // Top-down rows of 0xAARRGGBB pixels to the bytes of a PNG file; empty on failure.
    static std::string Encode(int width, int height, const std::vector<std::uint32_t>& pixels);
};

} // namespace formats
