// Prints what the end-to-end test needs to play one level file on the real board screen, in
// window coordinates, one item a line:
//   steps N                 the length of the shortest solution
//   piece X Y IMAGE         a piece's anchor-cell centre and its portrait file; that point
//                           shows the portrait's pixel (49, 47)
//   empty X Y               the centre of an empty cell, where the board background shows
//   click X Y               the presses that solve the level, in order
#include <cstdio>

#include "SolutionClicks.h"
#include "platform/FileSystem.h"
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
    return 0;
}
