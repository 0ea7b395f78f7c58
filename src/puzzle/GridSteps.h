#pragma once

#include "puzzle/Direction.h"
#include "puzzle/Geometry.h"
#include "puzzle/LevelFile.h"
#include "puzzle/PositionGraph.h"

namespace puzzle {

// The legal single-cell steps of a grid of anchors, named by piece number, in a fixed order:
// anchor cells column-major, then Left, Up, Right, Down.
class GridSteps {
public:
    struct Step {
        int piece;
        Direction direction;
        // The grid after the step and the code of its position.
        LevelFile::Grid after;
        PositionGraph::Code code;
    };

    // Calls found(step) for each legal step in order until it returns true; false when none
    // did. A step is legal when the piece stays on the board and overlaps no other piece.
    template <typename Found>
    static bool Find(const LevelFile::Grid& grid, Found&& found) {
        for (int cell = 0; cell < kCellCount; ++cell) {
            if (grid[cell] == 0) {
                continue;
            }
            for (const Direction d : kDirections) {
                Step step{grid[cell], d, {}, 0};
                if (Moved(grid, cell, d, step.after) &&
                    PositionGraph::CodeOf(step.after, step.code) && found(step)) {
                    return true;
                }
            }
        }
        return false;
    }

    static constexpr Direction kDirections[] = {Direction::Left, Direction::Up, Direction::Right,
                                                Direction::Down};

private:
    // The grid with the piece anchored at `from` moved one cell; false when its anchor would
    // leave the board or land on another anchor. Other overlaps are left for CodeOf to find.
    static bool Moved(const LevelFile::Grid& grid, int from, Direction d, LevelFile::Grid& moved);
};

} // namespace puzzle
