// Prints what the end-to-end test needs to play one level file on the real board screen, in
// window coordinates, one item a line:
//   steps N                 the length of the shortest solution
//   piece X Y IMAGE         a piece's anchor-cell centre and its portrait file; that point
//                           shows the portrait's pixel (49, 47)
//   empty X Y               the centre of an empty cell, where the board background shows
//   click X Y               the presses that solve the level, in order
//   key NAME                the keys that solve it, in order (xdotool's names): Tab until the
//                           step's piece is selected, then its arrow
//   slide X0 Y0 X1 Y1 IMAGE the first step's piece: its anchor-cell centre before and after the
//                           step, and its portrait
#include <cstdio>

#include "SolutionClicks.h"
#include "platform/FileSystem.h"
#include "puzzle/Board.h"
#include "puzzle/Geometry.h"
#include "puzzle/LevelFile.h"
#include "puzzle/Piece.h"
#include "puzzle/Solver.h"

using namespace puzzle;

namespace {

void PrintCells(const LevelFile::Grid& grid) {
    for (int column = 0; column < kColumns; ++column) {
        for (int row = 0; row < kRows; ++row) {
            const int piece = grid[CellIndex(column, row)];
            const WindowPoint centre = SolutionClicks::CellCentre(column, row);
            if (piece != 0) {
                std::printf("piece %d %d %s\n", centre.x, centre.y, Piece::PortraitImage(piece));
            }
        }
    }
}

// Empty cells are those no piece covers; the grid holds anchors only.
void PrintEmptyCells(const LevelFile::Grid& grid) {
    bool covered[kColumns][kRows] = {};
    for (int cell = 0; cell < kCellCount; ++cell) {
        const int piece = grid[cell];
        if (piece == 0) {
            continue;
        }
        const Shape shape = Piece::ShapeOf(piece);
        for (int dc = 0; dc < Piece::ColumnsOf(shape); ++dc) {
            for (int dr = 0; dr < Piece::RowsOf(shape); ++dr) {
                covered[cell / kRows + dc][cell % kRows + dr] = true;
            }
        }
    }
    for (int column = 0; column < kColumns; ++column) {
        for (int row = 0; row < kRows; ++row) {
            if (!covered[column][row]) {
                const WindowPoint centre = SolutionClicks::CellCentre(column, row);
                std::printf("empty %d %d\n", centre.x, centre.y);
            }
        }
    }
}

const char* KeyName(Direction direction) {
    switch (direction) {
    case Direction::Left:
        return "Left";
    case Direction::Up:
        return "Up";
    case Direction::Right:
        return "Right";
    case Direction::Down:
        break;
    }
    return "Down";
}

// The selection walks the board's own reading order, so the keys are counted on a board.
void PrintKeys(const LevelFile::Grid& grid, const std::vector<Solver::Step>& path) {
    Board board;
    board.LoadLevel(1, grid);
    for (const Solver::Step& step : path) {
        for (int tabs = 0; tabs <= kMaxPieceNumber && board.selected != step.piece; ++tabs) {
            board.SelectNext(false);
            std::printf("key Tab\n");
        }
        board.Move(step.direction);
        std::printf("key %s\n", KeyName(step.direction));
    }
}

void PrintFirstSlide(const LevelFile::Grid& grid, const Solver::Step& step) {
    Board board;
    board.LoadLevel(1, grid);
    const auto [col, row] = board.PiecePosition(step.piece);
    const WindowPoint from = SolutionClicks::CellCentre(col, row);
    const WindowPoint to = SolutionClicks::CellCentre(col + ColumnDelta(step.direction),
                                                      row + RowDelta(step.direction));
    std::printf("slide %d %d %d %d %s\n", from.x, from.y, to.x, to.y,
                Piece::PortraitImage(step.piece));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s LEVEL.dat\n", argv[0]);
        return 2;
    }
    LevelFile level;
    if (level.Read(platform::OpenFile(argv[1], "rb").get()) != LevelFile::Status::Ok) {
        std::fprintf(stderr, "%s: not a level file\n", argv[1]);
        return 1;
    }
    const Solver::Result solution = Solver::Solve(level.GetGrid());
    if (solution.status != Solver::Status::Solved) {
        std::fprintf(stderr, "%s: no solution\n", argv[1]);
        return 1;
    }
    std::printf("steps %d\n", solution.steps);
    PrintCells(level.GetGrid());
    PrintEmptyCells(level.GetGrid());
    for (const WindowPoint& click : SolutionClicks::For(level.GetGrid(), solution.path)) {
        std::printf("click %d %d\n", click.x, click.y);
    }
    PrintKeys(level.GetGrid(), solution.path);
    if (!solution.path.empty()) {
        PrintFirstSlide(level.GetGrid(), solution.path.front());
    }
    return 0;
}
