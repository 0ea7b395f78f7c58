#pragma once

#include <future>
#include <memory>

#include "puzzle/LevelFile.h"
#include "puzzle/PositionGraph.h"

namespace game {

// The distance to a win of every position reachable from a level's start, worked out on a
// thread of its own so that a large level never holds up a frame. The worker builds a graph
// that nothing else touches and hands it over through a future; the main thread starts it,
// polls it and reads the finished table. A running computation is waited for when the next
// one starts and when the table goes.
class DistanceTable {
public:
    // A distance not known yet: the table is still being worked out, or was never asked for.
    static constexpr int kUnknown = -2;

    DistanceTable() = default;
    ~DistanceTable();
    DistanceTable(const DistanceTable&) = delete;
    DistanceTable& operator=(const DistanceTable&) = delete;

    // Forgets the table and starts working it out for the positions reachable from `start`.
    void Compute(const puzzle::LevelFile::Grid& start);
    // True once the table is ready; takes it over from the worker when that has just finished.
    // Never blocks.
    bool Poll();
    // Blocks until the computation under way ends; true when the table is ready.
    bool Wait();

    // The steps from the grid's position to the nearest win: kUnknown while the table is not
    // ready, PositionGraph::kNoWay when no win can be reached or the position is not one the
    // start reaches.
    int DistanceOf(const puzzle::LevelFile::Grid& grid) const;
    // The steps from the start; kUnknown while the table is not ready.
    int FromStart() const;
    // The finished table; null while it is not ready.
    const puzzle::PositionGraph* Graph() const { return graph.get(); }

private:
    std::future<std::unique_ptr<puzzle::PositionGraph>> pending;
    std::unique_ptr<puzzle::PositionGraph> graph;
};

} // namespace game
