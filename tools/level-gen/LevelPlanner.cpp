#include "LevelPlanner.h"

#include <algorithm>
#include <cmath>
#include <tuple>

using namespace puzzle;

namespace {

// The solver explores most of a group before it reaches a start far from the goal, so starts
// in groups above this size make the set slower to check.
constexpr std::size_t kLargeGroup = 30000;

} // namespace

void LevelPlanner::Require(const Candidate& candidate) {
    required.push_back(candidate);
}

void LevelPlanner::Use(const Candidate& candidate) {
    usedPositions.insert(PositionGraph::Canonical(candidate.code));
    usedGroups.insert(candidate.group);
    ++mixUses[candidate.mix.Key()];
}

bool LevelPlanner::IsBetter(const Candidate& a, const Candidate& b) const {
    const auto rank = [this](const Candidate& c) {
        const auto uses = mixUses.find(c.mix.Key());
        return std::make_tuple(c.groupMax != c.steps, c.groupSize > kLargeGroup,
                               usedGroups.count(c.group) != 0,
                               uses == mixUses.end() ? 0 : uses->second, c.groupSize, c.code);
    };
    return rank(a) < rank(b);
}

// The best unused start at the target, or else at the nearest number of steps that has one,
// trying fewer steps before more.
bool LevelPlanner::PickNear(int target, Candidate& picked) {
    for (int offset = 0; offset <= pool.MaxSteps(); ++offset) {
        for (const int steps : {target - offset, target + offset}) {
            if (offset == 0 && steps > target) {
                break;
            }
            const Candidate* best = nullptr;
            for (const Candidate& c : pool.AtSteps(steps)) {
                if (usedPositions.count(PositionGraph::Canonical(c.code)) == 0 &&
                    (best == nullptr || IsBetter(c, *best))) {
                    best = &c;
                }
            }
            if (best != nullptr) {
                picked = *best;
                Use(picked);
                return true;
            }
        }
    }
    return false;
}

std::vector<Candidate> LevelPlanner::Plan(int count) {
    std::vector<int> targets;
    const double rise = static_cast<double>(pool.MaxSteps() - firstSteps) / (count - 1);
    for (int level = 0; level < count; ++level) {
        targets.push_back(static_cast<int>(std::lround(firstSteps + rise * level)));
    }
    std::vector<Candidate> picked;
    for (const Candidate& candidate : required) {
        const auto nearest = std::min_element(targets.begin(), targets.end(), [&](int a, int b) {
            return std::abs(a - candidate.steps) < std::abs(b - candidate.steps);
        });
        targets.erase(nearest);
        Use(candidate);
        picked.push_back(candidate);
    }
    // The hardest first: the few starts at the top are the scarcest.
    for (auto target = targets.rbegin(); target != targets.rend(); ++target) {
        Candidate candidate;
        if (!PickNear(*target, candidate)) {
            return {};
        }
        picked.push_back(candidate);
    }
    std::stable_sort(picked.begin(), picked.end(),
                     [](const Candidate& a, const Candidate& b) { return a.steps < b.steps; });
    return picked;
}
