#pragma once

#include <cstdint>
#include <vector>

#include "puzzle/PositionGraph.h"

using namespace puzzle;

// Positions of groups explored already, so that a layout landing in one is not explored again.
// A bit per hash of the canonical position: a false "seen" now and then only skips a layout,
// and it stays the same from run to run.
class SeenPositions {
public:
    SeenPositions() : bits(kWords, 0) {}

    void Insert(PositionGraph::Code code);
    bool Contains(PositionGraph::Code code) const;
    // Inserts every position of a graph.
    void InsertAll(const PositionGraph& graph);

private:
    static constexpr int kBitsLog = 30;
    static constexpr std::size_t kWords = (std::size_t{1} << kBitsLog) / 64;

    static std::uint64_t BitOf(PositionGraph::Code code);

    std::vector<std::uint64_t> bits;
};
