#include "puzzle/GridSteps.h"

namespace puzzle {

bool GridSteps::Moved(const LevelFile::Grid& grid, int from, Direction d, LevelFile::Grid& moved) {
    const int col = from / kRows + ColumnDelta(d);
    const int row = from % kRows + RowDelta(d);
    // Another piece's anchor on the target cell is in the way; the grid would lose it.
    if (col < 0 || row < 0 || col >= kColumns || row >= kRows || grid[CellIndex(col, row)] != 0) {
        return false;
    }
    moved = grid;
    moved[CellIndex(col, row)] = grid[from];
    moved[from] = 0;
    return true;
}

} // namespace puzzle
