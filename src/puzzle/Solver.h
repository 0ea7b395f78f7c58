#pragma once

#include <cstdint>
#include <vector>

#include "puzzle/Direction.h"
#include "puzzle/LevelFile.h"

namespace puzzle {

// Breadth-first search over single-cell steps under the board's move rule: one piece moves one
// cell, stays inside the board and overlaps no other piece. Pieces of the same shape are
// interchangeable, so a position is encoded as the shape anchored at each cell.
class Solver {
public:
    struct Step {
        int piece;
        Direction direction;
    };

    enum class Status { Solved, Unsolvable, Invalid };

    struct Result {
        Status status = Status::Invalid;
        // Minimum number of steps to bring piece 2 onto the goal; -1 unless solved.
        int steps = -1;
        // One shortest sequence of moves, by piece number.
        std::vector<Step> path;
    };

    // Solves the position of a grid of anchors (piece numbers, column-major). A grid whose
    // pieces leave the board, overlap, or hold no piece number is Invalid.
    static Result Solve(const LevelFile::Grid& grid);
};

} // namespace puzzle
