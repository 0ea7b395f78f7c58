#pragma once

#include <cstddef>
#include <cstdint>

#include "formats/CursorImage.h"

namespace formats {

// Reads cursor files (and icon files, whose pointer spot is their centre) held in memory. Of
// the images a file holds, the largest is taken; it is either a PNG file or a bitmap without
// its file header: colour rows followed by a 1-bit transparency mask.
class CursorFile {
public:
    static constexpr int kMaxBitmapDimension = 256;
    static constexpr int kMaxPngDimension = 1024;

    // False on any malformed, inconsistent or unsupported input, leaving `out` empty.
    static bool Parse(const std::uint8_t* data, std::size_t size, CursorImage& out);
};

} // namespace formats
