#pragma once

#include <cstdint>

namespace puzzle {

// A one-cell move of a piece's anchor.
enum class Direction : std::int32_t { Left = 0, Up = 1, Right = 2, Down = 3 };

constexpr int ColumnDelta(Direction d) {
    return d == Direction::Left ? -1 : (d == Direction::Right ? 1 : 0);
}
constexpr int RowDelta(Direction d) {
    return d == Direction::Up ? -1 : (d == Direction::Down ? 1 : 0);
}

} // namespace puzzle
