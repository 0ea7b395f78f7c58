#include "CandidatePool.h"

#include <algorithm>

using namespace puzzle;

namespace {

// True when no neighbour of the position is farther from the goal.
bool IsLocalFarthest(const PositionGraph& graph, std::size_t index) {
    const int distance = graph.DistanceAt(index);
    for (const std::uint32_t next : graph.NeighboursAt(index)) {
        if (graph.DistanceAt(next) > distance) {
            return false;
        }
    }
    return true;
}

} // namespace

PositionGraph::Code CandidatePool::GroupOf(const PositionGraph& graph) {
    PositionGraph::Code smallest = ~PositionGraph::Code{0};
    for (std::size_t i = 0; i < graph.Size(); ++i) {
        smallest = std::min(smallest, PositionGraph::Canonical(graph.PositionAt(i)));
    }
    return smallest;
}

bool CandidatePool::Describe(const PositionGraph& graph, std::size_t index, Candidate& candidate) {
    if (graph.MaxDistance() == PositionGraph::kNoWay ||
        graph.DistanceAt(index) == PositionGraph::kNoWay) {
        return false;
    }
    candidate.code = graph.PositionAt(index);
    candidate.steps = graph.DistanceAt(index);
    candidate.group = GroupOf(graph);
    candidate.groupMax = graph.MaxDistance();
    candidate.groupSize = graph.Size();
    candidate.mix = LayoutSampler::MixOf(candidate.code);
    return true;
}

bool CandidatePool::Add(const PositionGraph& graph) {
    if (graph.MaxDistance() == PositionGraph::kNoWay) {
        return false;
    }
    const PositionGraph::Code group = GroupOf(graph);
    if (!groups.insert(group).second) {
        return false;
    }
    // The smallest canonical local farthest position at each distance, so that the choice does
    // not depend on where the exploration started.
    const int maxDistance = graph.MaxDistance();
    std::vector<PositionGraph::Code> best(maxDistance + 1, ~PositionGraph::Code{0});
    for (std::size_t i = 0; i < graph.Size(); ++i) {
        const int distance = graph.DistanceAt(i);
        if (distance > 0 && IsLocalFarthest(graph, i)) {
            best[distance] =
                std::min(best[distance], PositionGraph::Canonical(graph.PositionAt(i)));
        }
    }
    if (static_cast<int>(bySteps.size()) <= maxDistance) {
        bySteps.resize(maxDistance + 1);
    }
    const LayoutSampler::Mix mix = LayoutSampler::MixOf(graph.PositionAt(0));
    for (int distance = 1; distance <= maxDistance; ++distance) {
        if (best[distance] != ~PositionGraph::Code{0}) {
            bySteps[distance].push_back(
                {best[distance], distance, group, maxDistance, graph.Size(), mix});
            ++size;
        }
    }
    return true;
}

const std::vector<Candidate>& CandidatePool::AtSteps(int steps) const {
    static const std::vector<Candidate> none;
    return steps >= 0 && steps < static_cast<int>(bySteps.size()) ? bySteps[steps] : none;
}
