#include "LayoutSampler.h"

#include <vector>

#include "puzzle/Geometry.h"

using namespace puzzle;

namespace {

using Code = PositionGraph::Code;

std::uint32_t Footprint(Shape shape, int col, int row) {
    std::uint32_t mask = 0;
    for (int c = col; c < col + Piece::ColumnsOf(shape); ++c) {
        for (int r = row; r < row + Piece::RowsOf(shape); ++r) {
            mask |= 1u << CellIndex(c, r);
        }
    }
    return mask;
}

// Puts a piece of `shape` at a random place where it fits; false when there is none.
bool PlaceOne(Shape shape, Random& random, std::uint32_t& occupied, Code& code) {
    std::vector<int> anchors;
    for (int col = 0; col + Piece::ColumnsOf(shape) <= kColumns; ++col) {
        for (int row = 0; row + Piece::RowsOf(shape) <= kRows; ++row) {
            if ((Footprint(shape, col, row) & occupied) == 0) {
                anchors.push_back(CellIndex(col, row));
            }
        }
    }
    if (anchors.empty()) {
        return false;
    }
    const int cell = anchors[random.Below(static_cast<int>(anchors.size()))];
    occupied |= Footprint(shape, cell / kRows, cell % kRows);
    code |= (static_cast<Code>(shape) + 1) << (3 * cell);
    return true;
}

} // namespace

PositionGraph::Code LayoutSampler::Sample(Random& random) {
    Code code = 0;
    while (!Place(ChooseMix(random), random, code)) {
    }
    return code;
}

// Mostly two empty cells, which give the long puzzles; sometimes more, for the short ones.
LayoutSampler::Mix LayoutSampler::ChooseMix(Random& random) {
    Mix mix;
    const int roll = random.Below(20);
    mix.empty = roll < 14 ? 2 : roll < 16 ? 3 : roll < 18 ? 4 : 5 + random.Below(6);
    const int cells = kCellCount - 4 - mix.empty;
    const int pairs = random.Below(cells / 2 + 1);
    mix.across = random.Below(pairs + 1);
    mix.erect = pairs - mix.across;
    mix.small = cells - 2 * pairs;
    return mix;
}

bool LayoutSampler::Place(const Mix& mix, Random& random, Code& code) {
    std::vector<Shape> shapes(mix.across, Shape::Across);
    shapes.insert(shapes.end(), mix.erect, Shape::Erect);
    random.Shuffle(shapes);
    shapes.insert(shapes.begin(), Shape::Big);
    shapes.insert(shapes.end(), mix.small, Shape::Small);
    std::uint32_t occupied = 0;
    code = 0;
    for (const Shape shape : shapes) {
        if (!PlaceOne(shape, random, occupied, code)) {
            return false;
        }
    }
    return true;
}

LayoutSampler::Mix LayoutSampler::MixOf(Code code) {
    Mix mix;
    int covered = 0;
    for (int cell = 0; cell < kCellCount; ++cell) {
        Shape shape{};
        if (!PositionGraph::AnchorAt(code, cell, shape)) {
            continue;
        }
        covered += Piece::ColumnsOf(shape) * Piece::RowsOf(shape);
        mix.across += shape == Shape::Across;
        mix.erect += shape == Shape::Erect;
        mix.small += shape == Shape::Small;
    }
    mix.empty = kCellCount - covered;
    return mix;
}
