#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "puzzle/Geometry.h"

namespace puzzle {

// Reader of one level file: the 32-bit magic 20092, then one byte per cell in column-major
// order holding 0 or the number of the piece anchored there. Bytes after the grid are ignored;
// a short grid leaves the missing cells empty.
class LevelFile {
public:
    static constexpr std::int32_t kMagic = 20092;
    static constexpr std::size_t kFileSize = 4 + kCellCount;

    using Grid = std::array<std::int8_t, kCellCount>;

    enum class Status { Ok, CannotOpen, BadMagic };

    // Reads from an open stream; the caller keeps ownership of it. A null stream (a file that
    // could not be opened) is CannotOpen and leaves the grid empty.
    Status Read(std::FILE* file);

    const Grid& GetGrid() const { return grid; }

    // The 24 bytes of a level file holding `grid`.
    static std::string Encode(const Grid& grid);

private:
    Grid grid{};
};

} // namespace puzzle
