#include "puzzle/Solver.h"

#include <algorithm>
#include <unordered_map>

#include "puzzle/Geometry.h"
#include "puzzle/Piece.h"

namespace {

// A position: three bits per cell, column-major, holding 0 for no anchor or 1 + the shape
// anchored there. Twenty cells fit in 60 bits.
using Code = std::uint64_t;
constexpr int kBitsPerCell = 3;
constexpr Code kCellMask = 7;
constexpr Code kNoParent = ~Code{0};
constexpr Direction kDirections[] = {Direction::Left, Direction::Up, Direction::Right,
                                     Direction::Down};

Code CellBits(int cell, Shape shape) {
    return (static_cast<Code>(shape) + 1) << (kBitsPerCell * cell);
}

// Cells covered by a shape anchored at (col, row), as a bit per cell index; 0 when it would
// leave the board.
std::uint32_t Footprint(Shape shape, int col, int row) {
    const int columns = Piece::ColumnsOf(shape);
    const int rows = Piece::RowsOf(shape);
    if (col < 0 || row < 0 || col + columns > kColumns || row + rows > kRows) {
        return 0;
    }
    std::uint32_t mask = 0;
    for (int c = col; c < col + columns; ++c) {
        for (int r = row; r < row + rows; ++r) {
            mask |= 1u << CellIndex(c, r);
        }
    }
    return mask;
}

struct Anchor {
    int cell;
    Shape shape;
};

int Decode(Code code, Anchor (&anchors)[kCellCount], std::uint32_t& occupied) {
    int count = 0;
    occupied = 0;
    for (int cell = 0; cell < kCellCount; ++cell) {
        const Code bits = (code >> (kBitsPerCell * cell)) & kCellMask;
        if (bits != 0) {
            const auto shape = static_cast<Shape>(bits - 1);
            anchors[count++] = {cell, shape};
            occupied |= Footprint(shape, cell / kRows, cell % kRows);
        }
    }
    return count;
}

// Calls emit(next) for every position one legal step away.
template <typename Emit>
void ForEachNeighbour(Code code, Emit&& emit) {
    Anchor anchors[kCellCount];
    std::uint32_t occupied = 0;
    const int count = Decode(code, anchors, occupied);
    for (int i = 0; i < count; ++i) {
        const Anchor& anchor = anchors[i];
        const int col = anchor.cell / kRows;
        const int row = anchor.cell % kRows;
        const std::uint32_t others = occupied & ~Footprint(anchor.shape, col, row);
        const Code without = code & ~(kCellMask << (kBitsPerCell * anchor.cell));
        for (const Direction d : kDirections) {
            const int newCol = col + ColumnDelta(d);
            const int newRow = row + RowDelta(d);
            const std::uint32_t moved = Footprint(anchor.shape, newCol, newRow);
            if (moved != 0 && (moved & others) == 0) {
                emit(without | CellBits(CellIndex(newCol, newRow), anchor.shape));
            }
        }
    }
}

bool IsGoal(Code code) {
    const int cell = CellIndex(kGoalColumn, kGoalRow);
    return ((code >> (kBitsPerCell * cell)) & kCellMask) == CellBits(0, Shape::Big);
}

// The numbered pieces of a grid, replayed along the solution to name each step's piece.
struct NumberedPiece {
    int number;
    Shape shape;
    int col;
    int row;
};

Code Encode(const std::vector<NumberedPiece>& pieces) {
    Code code = 0;
    for (const NumberedPiece& piece : pieces) {
        code |= CellBits(CellIndex(piece.col, piece.row), piece.shape);
    }
    return code;
}

std::vector<Solver::Step> NameSteps(std::vector<NumberedPiece> pieces,
                                    const std::vector<Code>& positions) {
    std::vector<Solver::Step> steps;
    for (std::size_t i = 1; i < positions.size(); ++i) {
        bool found = false;
        for (NumberedPiece& piece : pieces) {
            for (const Direction d : kDirections) {
                if (Footprint(piece.shape, piece.col + ColumnDelta(d), piece.row + RowDelta(d)) ==
                    0) {
                    continue;
                }
                piece.col += ColumnDelta(d);
                piece.row += RowDelta(d);
                found = Encode(pieces) == positions[i];
                if (found) {
                    steps.push_back({piece.number, d});
                    break;
                }
                piece.col -= ColumnDelta(d);
                piece.row -= RowDelta(d);
            }
            if (found) {
                break;
            }
        }
    }
    return steps;
}

} // namespace

Solver::Result Solver::Solve(const LevelFile::Grid& grid) {
    Result result;
    std::vector<NumberedPiece> pieces;
    std::uint32_t occupied = 0;
    for (int cell = 0; cell < kCellCount; ++cell) {
        const int number = grid[cell];
        if (number == 0) {
            continue;
        }
        if (number < 1 || number > kMaxPieceNumber) {
            return result;
        }
        const Shape shape = Piece::ShapeOf(number);
        const int col = cell / kRows;
        const int row = cell % kRows;
        const std::uint32_t footprint = Footprint(shape, col, row);
        if (footprint == 0 || (footprint & occupied) != 0) {
            return result;
        }
        occupied |= footprint;
        pieces.push_back({number, shape, col, row});
    }

    const Code start = Encode(pieces);
    std::unordered_map<Code, Code> parent{{start, kNoParent}};
    std::vector<Code> frontier{start};
    std::vector<Code> next;
    Code goal = kNoParent;
    for (int depth = 0; goal == kNoParent && !frontier.empty(); ++depth) {
        next.clear();
        for (const Code code : frontier) {
            if (IsGoal(code)) {
                goal = code;
                result.steps = depth;
                break;
            }
            ForEachNeighbour(code, [&](Code neighbour) {
                if (parent.try_emplace(neighbour, code).second) {
                    next.push_back(neighbour);
                }
            });
        }
        frontier.swap(next);
    }
    if (goal == kNoParent) {
        result.status = Status::Unsolvable;
        return result;
    }

    std::vector<Code> positions;
    for (Code code = goal; code != kNoParent; code = parent[code]) {
        positions.push_back(code);
    }
    std::reverse(positions.begin(), positions.end());
    result.status = Status::Solved;
    result.path = NameSteps(std::move(pieces), positions);
    return result;
}
