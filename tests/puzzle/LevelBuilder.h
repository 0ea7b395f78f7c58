#pragma once

#include <initializer_list>

#include "puzzle/LevelFile.h"

using namespace puzzle;

// Grids for tests, written as the pieces they hold.
struct Placement {
    int number;
    int col;
    int row;
};

LevelFile::Grid MakeGrid(std::initializer_list<Placement> pieces);

// The classic opening: the big piece at the top middle, four upright generals at the sides, one
// lying general across the middle and four soldiers. 116 single-cell steps from the goal.
LevelFile::Grid ClassicGrid();

// A board full but for the cell at column 3, row 3: the soldiers can shuffle that gap around,
// but the big piece never gets room to move, so it is unsolvable.
LevelFile::Grid JammedGrid();
