#pragma once

#include <map>
#include <set>
#include <vector>

#include "CandidatePool.h"

using namespace puzzle;

// Picks the starts of the level set from a pool: one target number of steps per level, rising
// evenly from the first level's to the pool's hardest, each met by the nearest unused start.
// Among starts of equal steps it prefers the farthest start of its group, then a group small
// enough to check fast, then a group not used yet, then a mix of pieces used least so far,
// then a smaller group.
class LevelPlanner {
public:
    LevelPlanner(const CandidatePool& pool, int firstSteps) : pool(pool), firstSteps(firstSteps) {}

    // Puts a start into the set whatever the targets say; it takes the place of the target
    // nearest its steps.
    void Require(const Candidate& candidate);
    // The starts of `count` levels, easiest first; empty when the pool has too few.
    std::vector<Candidate> Plan(int count);

private:
    bool PickNear(int target, Candidate& picked);
    bool IsBetter(const Candidate& a, const Candidate& b) const;
    void Use(const Candidate& candidate);

    const CandidatePool& pool;
    int firstSteps;
    std::vector<Candidate> required;
    std::set<PositionGraph::Code> usedPositions;
    std::set<PositionGraph::Code> usedGroups;
    std::map<int, int> mixUses;
};
