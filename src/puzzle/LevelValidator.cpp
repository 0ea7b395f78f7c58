#include "puzzle/LevelValidator.h"

#include <array>

#include "puzzle/Geometry.h"
#include "puzzle/Piece.h"

namespace puzzle {

namespace {

std::string At(int cell) {
    return "column " + std::to_string(cell / kRows) + " row " + std::to_string(cell % kRows);
}

} // namespace

std::string LevelValidator::Check(const LevelFile::Grid& grid) {
    std::array<int, kMaxPieceNumber + 1> anchorOf{};
    anchorOf.fill(-1);
    std::array<Piece, kMaxPieceNumber + 1> pieces{};
    for (int cell = 0; cell < kCellCount; ++cell) {
        const int number = grid[cell];
        if (number == 0) {
            continue;
        }
        if (number < 1 || number > kMaxPieceNumber) {
            return "byte " + std::to_string(number) + " at " + At(cell) + " is no piece number";
        }
        if (anchorOf[number] >= 0) {
            return "piece " + std::to_string(number) + " appears twice";
        }
        anchorOf[number] = cell;
        Piece& piece = pieces[number];
        piece.SetType(number);
        piece.col = cell / kRows;
        piece.row = cell % kRows;
        if (piece.col + piece.Columns() > kColumns || piece.row + piece.Rows() > kRows) {
            return "piece " + std::to_string(number) + " at " + At(cell) + " leaves the board";
        }
    }
    for (int a = 1; a <= kMaxPieceNumber; ++a) {
        for (int b = a + 1; b <= kMaxPieceNumber; ++b) {
            if (anchorOf[a] >= 0 && anchorOf[b] >= 0 && pieces[a].Overlaps(pieces[b])) {
                return "pieces " + std::to_string(a) + " and " + std::to_string(b) + " overlap";
            }
        }
    }
    if (anchorOf[kBigPiece] < 0) {
        return "no piece 2";
    }
    if (anchorOf[kBigPiece] == CellIndex(kGoalColumn, kGoalRow)) {
        return "piece 2 already stands on the goal";
    }
    return {};
}

} // namespace puzzle
