#pragma once

#include <cstddef>
#include <cstdint>

#include "formats/DecodedImage.h"

namespace formats {

// Decodes a PNG file held in memory with libpng.
class PngDecoder {
public:
    // Largest width or height accepted; larger headers are refused before any allocation.
    static constexpr int kMaxDimension = 16384;

    // Fills `image` with 8-bit samples; false on any malformed input, leaving `image` empty.
    static bool Decode(const std::uint8_t* data, std::size_t size, DecodedImage& image);
};

} // namespace formats
