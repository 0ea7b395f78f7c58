#pragma once

#include <cstddef>
#include <unordered_set>
#include <vector>

#include "LayoutSampler.h"
#include "puzzle/PositionGraph.h"

using namespace puzzle;

// A start position the level set may use.
struct Candidate {
    PositionGraph::Code code = 0;
    int steps = 0;
    // The group of positions reachable from each other that holds the start, named by the
    // smallest canonical position in it, and the group's largest distance and size.
    PositionGraph::Code group = 0;
    int groupMax = 0;
    std::size_t groupSize = 0;
    LayoutSampler::Mix mix;
};

// Starts gathered from explored groups, by their minimum number of steps. Of each group it
// keeps, for every distance, one position from which no step leads farther from the goal: a
// natural start, since every move of it brings the goal nearer or no farther.
class CandidatePool {
public:
    // Adds the starts of the group explored in `graph`; false, adding nothing, when the group
    // was added before or never reaches the goal.
    bool Add(const PositionGraph& graph);
    // The candidate for a start of the group explored in `graph`; false when the goal cannot be
    // reached from it.
    static bool Describe(const PositionGraph& graph, std::size_t index, Candidate& candidate);

    const std::vector<Candidate>& AtSteps(int steps) const;
    int MaxSteps() const { return static_cast<int>(bySteps.size()) - 1; }
    std::size_t Groups() const { return groups.size(); }
    std::size_t Size() const { return size; }

private:
    static PositionGraph::Code GroupOf(const PositionGraph& graph);

    std::vector<std::vector<Candidate>> bySteps;
    std::unordered_set<PositionGraph::Code> groups;
    std::size_t size = 0;
};
