#pragma once

#include <cstdint>

namespace formats {

// Where a decoder puts an image a row at a time, so that each row can be converted as it comes
// instead of the whole image being held first. Rows may come in any order, each once: Row(y),
// then RowDone(y) when it holds its pixels.
class RowSink {
public:
    virtual ~RowSink() = default;

    // The image's size, told once before any row; false ends the decode as a failure.
    virtual bool Begin(int width, int height) = 0;
    // Room for the `width` 0xAARRGGBB pixels of row y, 0 being the top row.
    virtual std::uint32_t* Row(int y) = 0;
    virtual void RowDone(int y) = 0;
};

} // namespace formats
