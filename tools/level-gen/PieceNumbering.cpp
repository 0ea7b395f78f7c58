#include "PieceNumbering.h"

#include <vector>

#include "puzzle/Geometry.h"

using namespace puzzle;

namespace {

// The piece numbers of each shape, in the order of Shape.
const std::vector<int> kNumbers[] = {
    {3, 5, 9, 10, 12, 14, 18},
    {4, 6, 7, 8, 11, 13, 15, 16, 17},
    {kBigPiece},
    {1, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31},
};

} // namespace

LevelFile::Grid PieceNumbering::Number(PositionGraph::Code code) {
    LevelFile::Grid grid{};
    for (int cell = 0; cell < kCellCount; ++cell) {
        Shape shape{};
        if (!PositionGraph::AnchorAt(code, cell, shape)) {
            continue;
        }
        const std::vector<int>& numbers = kNumbers[static_cast<int>(shape)];
        int& next = nextOfShape[static_cast<int>(shape)];
        grid[cell] = static_cast<std::int8_t>(numbers[next]);
        next = (next + 1) % static_cast<int>(numbers.size());
    }
    return grid;
}
