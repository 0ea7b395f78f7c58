#include "SolutionClicks.h"

#include "puzzle/Geometry.h"
#include "puzzle/Piece.h"

using namespace puzzle;

namespace {

constexpr int kBoardLeft = 14;
constexpr int kBoardTop = 36;

int AnchorOf(const LevelFile::Grid& grid, int piece) {
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (grid[cell] == piece) {
            return cell;
        }
    }
    return -1;
}

// The cell a piece anchored at (column, row) enters when it steps one cell in `direction`.
void EnteredCell(int piece, Direction direction, int& column, int& row) {
    const Shape shape = Piece::ShapeOf(piece);
    switch (direction) {
    case Direction::Left:
        --column;
        break;
    case Direction::Up:
        --row;
        break;
    case Direction::Right:
        column += Piece::ColumnsOf(shape);
        break;
    case Direction::Down:
        row += Piece::RowsOf(shape);
        break;
    }
}

} // namespace

WindowPoint SolutionClicks::CellCentre(int column, int row) {
    return {kBoardLeft + kCellWidth * column + kCellWidth / 2,
            kBoardTop + kCellHeight * row + kCellHeight / 2};
}

std::vector<WindowPoint> SolutionClicks::For(LevelFile::Grid grid,
                                             const std::vector<Solver::Step>& path) {
    std::vector<WindowPoint> clicks;
    for (const Solver::Step& step : path) {
        const int anchor = AnchorOf(grid, step.piece);
        if (anchor < 0) {
            return {};
        }
        const int column = anchor / kRows;
        const int row = anchor % kRows;
        clicks.push_back(CellCentre(column, row));
        int targetColumn = column;
        int targetRow = row;
        EnteredCell(step.piece, step.direction, targetColumn, targetRow);
        clicks.push_back(CellCentre(targetColumn, targetRow));

        grid[anchor] = 0;
        grid[CellIndex(column + ColumnDelta(step.direction), row + RowDelta(step.direction))] =
            static_cast<std::int8_t>(step.piece);
    }
    return clicks;
}
