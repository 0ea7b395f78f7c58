#include "puzzle/LevelBuilder.h"

using namespace puzzle;

LevelFile::Grid MakeGrid(std::initializer_list<Placement> pieces) {
    LevelFile::Grid grid{};
    for (const Placement& piece : pieces) {
        grid[CellIndex(piece.col, piece.row)] = static_cast<std::int8_t>(piece.number);
    }
    return grid;
}

LevelFile::Grid ClassicGrid() {
    return MakeGrid({{2, 1, 0},
                     {4, 0, 0},
                     {6, 3, 0},
                     {7, 0, 2},
                     {8, 3, 2},
                     {3, 1, 2},
                     {1, 1, 3},
                     {19, 2, 3},
                     {20, 0, 4},
                     {21, 3, 4}});
}

LevelFile::Grid JammedGrid() {
    return MakeGrid({{2, 0, 0},
                     {4, 2, 0},
                     {6, 3, 0},
                     {3, 0, 2},
                     {5, 2, 2},
                     {1, 0, 3},
                     {19, 1, 3},
                     {20, 2, 3},
                     {9, 0, 4},
                     {10, 2, 4}});
}
