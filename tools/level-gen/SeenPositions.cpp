#include "SeenPositions.h"

using namespace puzzle;

std::uint64_t SeenPositions::BitOf(PositionGraph::Code code) {
    return (PositionGraph::Canonical(code) * 0x9E3779B97F4A7C15u) >> (64 - kBitsLog);
}

void SeenPositions::Insert(PositionGraph::Code code) {
    const std::uint64_t bit = BitOf(code);
    bits[bit / 64] |= std::uint64_t{1} << (bit % 64);
}

bool SeenPositions::Contains(PositionGraph::Code code) const {
    const std::uint64_t bit = BitOf(code);
    return (bits[bit / 64] >> (bit % 64)) & 1;
}

void SeenPositions::InsertAll(const PositionGraph& graph) {
    for (std::size_t i = 0; i < graph.Size(); ++i) {
        Insert(graph.PositionAt(i));
    }
}
