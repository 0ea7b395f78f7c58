#pragma once

#include <cstdint>

namespace puzzle {

// The board is 4 columns by 5 rows of 98 x 94 pixel cells. Cells are indexed column-major:
// index = column * kRows + row, in the grid and in level files alike.
constexpr int kColumns = 4;
constexpr int kRows = 5;
constexpr int kCellCount = kColumns * kRows;
constexpr int kCellWidth = 98;
constexpr int kCellHeight = 94;

constexpr int kMaxPieceNumber = 31;
// The 2x2 piece; the level is won when its anchor stands on the goal cell above the exit.
constexpr int kBigPiece = 2;
constexpr int kGoalColumn = 1;
constexpr int kGoalRow = 3;

// Levels 1..kLevelCount exist and are tracked in the cleared table.
constexpr int kLevelCount = 267;

constexpr int CellIndex(int column, int row) {
    return column * kRows + row;
}

} // namespace puzzle
