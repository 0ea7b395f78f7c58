#pragma once

#include <vector>

#include "puzzle/LevelFile.h"
#include "puzzle/Solver.h"

using namespace puzzle;

// A point in the game window, in pixels from its top-left corner.
struct WindowPoint {
    int x;
    int y;
};

// Turns a solver's path into the presses a player makes on the board screen: for every step a
// press inside the piece, then a press on the free cell the piece moves into.
class SolutionClicks {
public:
    // Two presses per step, in order. The path must be one the solver found for `grid`.
    static std::vector<WindowPoint> For(LevelFile::Grid grid,
                                        const std::vector<Solver::Step>& path);

    // The centre of a board cell in the window: the board's pixel (0, 0) lies at (14, 36).
    static WindowPoint CellCentre(int column, int row);
};
