#include "puzzle/RouteHint.h"

#include "puzzle/GridSteps.h"

namespace puzzle {

std::optional<Solver::Step> RouteHint::Next(const PositionGraph& graph,
                                            const LevelFile::Grid& grid) {
    PositionGraph::Code code = 0;
    if (!PositionGraph::CodeOf(grid, code)) {
        return std::nullopt;
    }
    const int distance = graph.DistanceOf(code);
    if (distance == PositionGraph::kNoWay || distance == 0) {
        return std::nullopt;
    }
    std::optional<Solver::Step> hint;
    GridSteps::Find(grid, [&](const GridSteps::Step& step) {
        if (graph.DistanceOf(step.code) != distance - 1) {
            return false;
        }
        hint = Solver::Step{step.piece, step.direction};
        return true;
    });
    return hint;
}

} // namespace puzzle
