#include "puzzle/PositionGraph.h"

#include "puzzle/Direction.h"
#include "puzzle/Geometry.h"

namespace puzzle {

namespace {

using Code = PositionGraph::Code;
constexpr int kBitsPerCell = 3;
constexpr Code kCellMask = 7;

Code CellBits(int cell, Shape shape) {
    return (static_cast<Code>(shape) + 1) << (kBitsPerCell * cell);
}

constexpr int kShapeCount = 4;

// The cells each shape covers when anchored at each cell, a bit per cell index; 0 where it
// would leave the board. Tables, because the level generator explores millions of positions.
struct FootprintTable {
    std::uint32_t masks[kShapeCount][kCellCount] = {};

    constexpr FootprintTable() {
        for (int shape = 0; shape < kShapeCount; ++shape) {
            const bool wide =
                shape == static_cast<int>(Shape::Across) || shape == static_cast<int>(Shape::Big);
            const bool tall =
                shape == static_cast<int>(Shape::Erect) || shape == static_cast<int>(Shape::Big);
            for (int col = 0; col + wide < kColumns; ++col) {
                for (int row = 0; row + tall < kRows; ++row) {
                    std::uint32_t mask = 1u << CellIndex(col, row);
                    mask |= wide ? 1u << CellIndex(col + 1, row) : 0;
                    mask |= tall ? 1u << CellIndex(col, row + 1) : 0;
                    mask |= wide && tall ? 1u << CellIndex(col + 1, row + 1) : 0;
                    masks[shape][CellIndex(col, row)] = mask;
                }
            }
        }
    }
};
constexpr FootprintTable kFootprints;

std::uint32_t Footprint(Shape shape, int col, int row) {
    if (col < 0 || row < 0 || col >= kColumns || row >= kRows) {
        return 0;
    }
    return kFootprints.masks[static_cast<int>(shape)][CellIndex(col, row)];
}

// One step of a shape: the anchor it lands on (-1 off the board) and the cells it newly covers.
struct Step {
    int target;
    std::uint32_t entered;
};

struct StepTable {
    Step steps[kShapeCount][kCellCount][4] = {};

    constexpr StepTable() {
        for (int shape = 0; shape < kShapeCount; ++shape) {
            for (int cell = 0; cell < kCellCount; ++cell) {
                const std::uint32_t from = kFootprints.masks[shape][cell];
                for (int d = 0; d < 4; ++d) {
                    const int col = cell / kRows + ColumnDelta(static_cast<Direction>(d));
                    const int row = cell % kRows + RowDelta(static_cast<Direction>(d));
                    const bool inside = col >= 0 && row >= 0 && col < kColumns && row < kRows;
                    const std::uint32_t to =
                        inside ? kFootprints.masks[shape][CellIndex(col, row)] : 0;
                    steps[shape][cell][d] =
                        from != 0 && to != 0 ? Step{CellIndex(col, row), to & ~from} : Step{-1, 0};
                }
            }
        }
    }
};
constexpr StepTable kSteps;

// One bit at the bottom of every cell's three.
constexpr Code LowBits() {
    Code bits = 0;
    for (int cell = 0; cell < kCellCount; ++cell) {
        bits |= Code{1} << (kBitsPerCell * cell);
    }
    return bits;
}
constexpr Code kLowBits = LowBits();

// Calls emit(next) for every position one legal step away. The anchors are the cells whose
// three bits are not all zero.
template <typename Emit>
void ForEachNeighbour(Code code, Emit&& emit) {
    int cells[kCellCount];
    int shapes[kCellCount];
    int count = 0;
    std::uint32_t occupied = 0;
    for (Code anchors = (code | code >> 1 | code >> 2) & kLowBits; anchors != 0;
         anchors &= anchors - 1) {
        const int bit = __builtin_ctzll(anchors);
        cells[count] = bit / kBitsPerCell;
        shapes[count] = static_cast<int>((code >> bit) & kCellMask) - 1;
        occupied |= kFootprints.masks[shapes[count]][cells[count]];
        ++count;
    }
    for (int i = 0; i < count; ++i) {
        const Code without = code & ~(kCellMask << (kBitsPerCell * cells[i]));
        for (const Step& step : kSteps.steps[shapes[i]][cells[i]]) {
            if (step.target >= 0 && (step.entered & occupied) == 0) {
                emit(without | CellBits(step.target, static_cast<Shape>(shapes[i])));
            }
        }
    }
}

} // namespace

int PositionGraph::Neighbours(Code code, Code (&out)[kMaxNeighbours]) {
    int count = 0;
    ForEachNeighbour(code, [&](Code next) { out[count++] = next; });
    return count;
}

bool PositionGraph::CodeOf(const LevelFile::Grid& grid, Code& code) {
    code = 0;
    std::uint32_t occupied = 0;
    for (int cell = 0; cell < kCellCount; ++cell) {
        const int number = grid[cell];
        if (number == 0) {
            continue;
        }
        if (number < 1 || number > kMaxPieceNumber) {
            return false;
        }
        const Shape shape = Piece::ShapeOf(number);
        const std::uint32_t footprint = Footprint(shape, cell / kRows, cell % kRows);
        if (footprint == 0 || (footprint & occupied) != 0) {
            return false;
        }
        occupied |= footprint;
        code |= CellBits(cell, shape);
    }
    return true;
}

bool PositionGraph::AnchorAt(Code code, int cell, Shape& shape) {
    const Code bits = (code >> (kBitsPerCell * cell)) & kCellMask;
    if (bits == 0) {
        return false;
    }
    shape = static_cast<Shape>(bits - 1);
    return true;
}

PositionGraph::Code PositionGraph::Mirror(Code code) {
    Code mirrored = 0;
    for (int cell = 0; cell < kCellCount; ++cell) {
        Shape shape{};
        if (AnchorAt(code, cell, shape)) {
            const int col = kColumns - cell / kRows - Piece::ColumnsOf(shape);
            mirrored |= CellBits(CellIndex(col, cell % kRows), shape);
        }
    }
    return mirrored;
}

PositionGraph::Code PositionGraph::Canonical(Code code) {
    const Code mirrored = Mirror(code);
    return mirrored < code ? mirrored : code;
}

bool PositionGraph::IsWon(Code code) {
    Shape shape{};
    return AnchorAt(code, CellIndex(kGoalColumn, kGoalRow), shape) && shape == Shape::Big;
}

bool PositionGraph::IsPosition(Code code) {
    if ((code >> (kBitsPerCell * kCellCount)) != 0) {
        return false;
    }
    std::uint32_t occupied = 0;
    for (int cell = 0; cell < kCellCount; ++cell) {
        const Code bits = (code >> (kBitsPerCell * cell)) & kCellMask;
        if (bits == 0) {
            continue;
        }
        if (bits > static_cast<Code>(Shape::Small) + 1) {
            return false;
        }
        const std::uint32_t footprint =
            Footprint(static_cast<Shape>(bits - 1), cell / kRows, cell % kRows);
        if (footprint == 0 || (footprint & occupied) != 0) {
            return false;
        }
        occupied |= footprint;
    }
    return true;
}

PositionGraph::Status PositionGraph::Explore(const LevelFile::Grid& grid, std::size_t limit) {
    Code start = 0;
    if (!CodeOf(grid, start)) {
        Clear();
        return Status::Invalid;
    }
    return Explore(start, limit);
}

PositionGraph::Status PositionGraph::Explore(Code start, std::size_t limit) {
    Clear();
    if (!IsPosition(start)) {
        return Status::Invalid;
    }
    Insert(start);
    for (std::size_t next = 0; next < positions.size(); ++next) {
        edgeStart.push_back(static_cast<std::uint32_t>(edges.size()));
        ForEachNeighbour(positions[next],
                         [&](Code neighbour) { edges.push_back(Insert(neighbour)); });
        if (positions.size() > limit) {
            edges.clear();
            edgeStart.assign(positions.size() + 1, 0);
            distances.assign(positions.size(), kNoWay);
            return Status::TooLarge;
        }
    }
    edgeStart.push_back(static_cast<std::uint32_t>(edges.size()));
    MeasureDistances();
    return Status::Ok;
}

// Empties the graph but keeps its memory for the next exploration.
void PositionGraph::Clear() {
    positions.clear();
    distances.clear();
    edges.clear();
    edgeStart.clear();
    slots.clear();
    slotShift = 64;
    maxDistance = kNoWay;
}

std::uint32_t PositionGraph::IndexOf(Code code) const {
    if (slots.empty()) {
        return kAbsent;
    }
    const std::size_t mask = slots.size() - 1;
    for (std::size_t slot = (code * 0x9E3779B97F4A7C15u) >> slotShift;; slot = (slot + 1) & mask) {
        const std::uint32_t index = slots[slot];
        if (index == kAbsent || positions[index] == code) {
            return index;
        }
    }
}

std::uint32_t PositionGraph::Insert(Code code) {
    if (2 * (positions.size() + 1) > slots.size()) {
        Grow();
    }
    const std::size_t mask = slots.size() - 1;
    std::size_t slot = (code * 0x9E3779B97F4A7C15u) >> slotShift;
    for (; slots[slot] != kAbsent; slot = (slot + 1) & mask) {
        if (positions[slots[slot]] == code) {
            return slots[slot];
        }
    }
    slots[slot] = static_cast<std::uint32_t>(positions.size());
    positions.push_back(code);
    return slots[slot];
}

// Doubles the table, keeping it at most half full, and places every position again.
void PositionGraph::Grow() {
    slotShift = slots.empty() ? 64 - 10 : slotShift - 1;
    slots.assign(std::size_t{1} << (64 - slotShift), kAbsent);
    const std::size_t mask = slots.size() - 1;
    for (std::uint32_t index = 0; index < positions.size(); ++index) {
        std::size_t slot = (positions[index] * 0x9E3779B97F4A7C15u) >> slotShift;
        while (slots[slot] != kAbsent) {
            slot = (slot + 1) & mask;
        }
        slots[slot] = index;
    }
}

// Breadth-first from every won position at once; moves are reversible, so the distance from
// the nearest won position is the number of steps to win.
void PositionGraph::MeasureDistances() {
    distances.assign(positions.size(), kNoWay);
    std::vector<std::uint32_t> queue;
    queue.reserve(positions.size());
    for (std::size_t i = 0; i < positions.size(); ++i) {
        if (IsWon(positions[i])) {
            distances[i] = 0;
            queue.push_back(static_cast<std::uint32_t>(i));
        }
    }
    for (std::size_t head = 0; head < queue.size(); ++head) {
        const std::uint32_t at = queue[head];
        const int distance = distances[at] + 1;
        maxDistance = distances[at];
        for (const std::uint32_t index : NeighboursAt(at)) {
            if (distances[index] == kNoWay) {
                distances[index] = distance;
                queue.push_back(index);
            }
        }
    }
}

int PositionGraph::DistanceOf(Code code) const {
    const std::uint32_t index = IndexOf(code);
    return index == kAbsent ? kNoWay : distances[index];
}

} // namespace puzzle
