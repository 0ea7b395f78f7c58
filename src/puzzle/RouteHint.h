#pragma once

#include <optional>

#include "puzzle/LevelFile.h"
#include "puzzle/PositionGraph.h"
#include "puzzle/Solver.h"

namespace puzzle {

// The next step of a shortest way to a win, read from a position graph that holds the grid's
// position (one explored from the level's start holds every position the play can reach).
class RouteHint {
public:
    // The first step, in GridSteps' order, whose position lies one step nearer a win. None when
    // the grid's position is won, can reach no win, or is not in the graph.
    static std::optional<Solver::Step> Next(const PositionGraph& graph,
                                            const LevelFile::Grid& grid);
};

} // namespace puzzle
