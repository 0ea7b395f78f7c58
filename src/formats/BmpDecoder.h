#pragma once

#include <cstddef>
#include <cstdint>

#include "formats/DecodedImage.h"
#include "formats/RowSink.h"

namespace formats {

// Decodes a Windows bitmap file held in memory.
class BmpDecoder {
public:
    // Largest width or height accepted; larger headers are refused before any allocation.
    static constexpr int kMaxDimension = 16384;

    // Fills `image` with opaque pixels (alpha 0xFF); false on any malformed or unsupported
    // input, leaving `image` empty.
    static bool Decode(const std::uint8_t* data, std::size_t size, DecodedImage& image);
    // The same pixels handed to `sink` row by row; false on the same inputs, or when the sink
    // refuses the size, possibly after some rows were handed over.
    static bool Decode(const std::uint8_t* data, std::size_t size, RowSink& sink);
};

} // namespace formats
