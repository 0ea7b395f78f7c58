#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "puzzle/LevelFile.h"
#include "puzzle/Piece.h"

namespace puzzle {

// Every position reachable from a start under the board's move rule, each with its distance in
// single-cell steps from the nearest won position. Pieces of the same shape are
// interchangeable, so a position is a code of the shape anchored at each cell: three bits per
// cell, column-major, 0 for no anchor or 1 + the shape.
class PositionGraph {
public:
    using Code = std::uint64_t;
    // The distance of a position from which no won position can be reached.
    static constexpr int kNoWay = -1;
    static constexpr std::size_t kNoLimit = ~std::size_t{0};

    enum class Status { Ok, Invalid, TooLarge };

    // Explores everything reachable from `grid`, up to `limit` positions. Invalid, leaving the
    // graph empty, when the grid is no position (a byte that is no piece number, a piece off the
    // board, an overlap). TooLarge when more positions are reachable; the graph then keeps the
    // positions found so far, all without a distance or neighbours.
    Status Explore(const LevelFile::Grid& grid, std::size_t limit = kNoLimit);
    // The same for a start given as a code (see IsPosition).
    Status Explore(Code start, std::size_t limit = kNoLimit);

    std::size_t Size() const { return positions.size(); }
    // Positions in breadth-first order from the start; index 0 is the start.
    Code PositionAt(std::size_t index) const { return positions[index]; }
    int DistanceAt(std::size_t index) const { return distances[index]; }
    // The indices of the positions one legal step away from the position at `index`.
    std::span<const std::uint32_t> NeighboursAt(std::size_t index) const {
        return {edges.data() + edgeStart[index], edges.data() + edgeStart[index + 1]};
    }
    // The distance of a position of the graph; kNoWay also for a position outside it.
    int DistanceOf(Code code) const;
    // The largest distance in the graph; kNoWay when no position is won.
    int MaxDistance() const { return maxDistance; }

    // At most four steps for each of at most twenty anchors.
    static constexpr int kMaxNeighbours = 4 * kCellCount;
    // The positions one legal step away from `code`, into `out`; returns how many.
    static int Neighbours(Code code, Code (&out)[kMaxNeighbours]);

    // The code of a grid; false when the grid is no position (see Explore).
    static bool CodeOf(const LevelFile::Grid& grid, Code& code);
    // True when a piece of some shape is anchored at `cell`, which it then stores in `shape`.
    static bool AnchorAt(Code code, int cell, Shape& shape);
    // The position mirrored left to right.
    static Code Mirror(Code code);
    // The smaller of a position and its mirror image: equal for positions that are the same
    // or mirror images of each other.
    static Code Canonical(Code code);
    static bool IsWon(Code code);
    // True when every anchor holds a shape, stays inside the board and overlaps no other piece.
    static bool IsPosition(Code code);

private:
    void Clear();
    void MeasureDistances();
    // The index of a position in `positions`, or kAbsent. An open-addressing hash table: the
    // graph holds up to millions of positions and is rebuilt for every layout searched.
    std::uint32_t IndexOf(Code code) const;
    // Adds a position unless it is there; its index either way.
    std::uint32_t Insert(Code code);
    void Grow();

    static constexpr std::uint32_t kAbsent = ~std::uint32_t{0};

    std::vector<Code> positions;
    std::vector<int> distances;
    // The neighbours of position i are edges[edgeStart[i]] .. edges[edgeStart[i + 1] - 1].
    std::vector<std::uint32_t> edges;
    std::vector<std::uint32_t> edgeStart;
    std::vector<std::uint32_t> slots;
    int slotShift = 64;
    int maxDistance = kNoWay;
};

} // namespace puzzle
