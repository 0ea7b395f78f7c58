#include "puzzle/Solver.h"

#include <algorithm>
#include <unordered_map>

#include "puzzle/GridSteps.h"
#include "puzzle/PositionGraph.h"

namespace puzzle {

namespace {

using Code = PositionGraph::Code;
constexpr Code kNoParent = ~Code{0};

// The shortest way from `start` to a won position, one code per position, or empty when none
// is reachable.
std::vector<Code> ShortestWay(Code start) {
    std::unordered_map<Code, Code> parent{{start, kNoParent}};
    std::vector<Code> frontier{start};
    std::vector<Code> next;
    Code goal = kNoParent;
    Code neighbours[PositionGraph::kMaxNeighbours];
    while (goal == kNoParent && !frontier.empty()) {
        next.clear();
        for (const Code code : frontier) {
            if (PositionGraph::IsWon(code)) {
                goal = code;
                break;
            }
            const int count = PositionGraph::Neighbours(code, neighbours);
            for (int i = 0; i < count; ++i) {
                if (parent.try_emplace(neighbours[i], code).second) {
                    next.push_back(neighbours[i]);
                }
            }
        }
        frontier.swap(next);
    }
    std::vector<Code> way;
    for (Code code = goal; goal != kNoParent && code != kNoParent; code = parent[code]) {
        way.push_back(code);
    }
    std::reverse(way.begin(), way.end());
    return way;
}

// Names the piece and direction of each step by replaying the way on the numbered grid.
std::vector<Solver::Step> NameSteps(LevelFile::Grid grid, const std::vector<Code>& way) {
    std::vector<Solver::Step> steps;
    for (std::size_t i = 1; i < way.size(); ++i) {
        GridSteps::Find(grid, [&](const GridSteps::Step& step) {
            if (step.code != way[i]) {
                return false;
            }
            steps.push_back({step.piece, step.direction});
            grid = step.after;
            return true;
        });
    }
    return steps;
}

} // namespace

Solver::Result Solver::Solve(const LevelFile::Grid& grid) {
    Result result;
    Code start = 0;
    if (!PositionGraph::CodeOf(grid, start)) {
        return result;
    }
    const std::vector<Code> way = ShortestWay(start);
    if (way.empty()) {
        result.status = Status::Unsolvable;
        return result;
    }
    result.status = Status::Solved;
    result.steps = static_cast<int>(way.size()) - 1;
    result.path = NameSteps(grid, way);
    return result;
}

} // namespace puzzle
