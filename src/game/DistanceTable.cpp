#include "game/DistanceTable.h"

#include <chrono>

namespace game {

namespace {

using puzzle::PositionGraph;

// Runs on the worker. A grid that is no position leaves the graph empty: every distance is
// then kNoWay.
std::unique_ptr<PositionGraph> Explore(const puzzle::LevelFile::Grid& start) {
    auto graph = std::make_unique<PositionGraph>();
    graph->Explore(start);
    return graph;
}

} // namespace

DistanceTable::~DistanceTable() {
    Wait();
}

void DistanceTable::Compute(const puzzle::LevelFile::Grid& start) {
    Wait();
    graph.reset();
    pending = std::async(std::launch::async, Explore, start);
}

bool DistanceTable::Poll() {
    if (pending.valid() && pending.wait_for(std::chrono::seconds(0)) == std::future_status::ready) {
        graph = pending.get();
    }
    return graph != nullptr;
}

bool DistanceTable::Wait() {
    if (pending.valid()) {
        graph = pending.get();
    }
    return graph != nullptr;
}

int DistanceTable::DistanceOf(const puzzle::LevelFile::Grid& grid) const {
    if (!graph) {
        return kUnknown;
    }
    PositionGraph::Code code = 0;
    if (!PositionGraph::CodeOf(grid, code)) {
        return PositionGraph::kNoWay;
    }
    return graph->DistanceOf(code);
}

int DistanceTable::FromStart() const {
    if (!graph) {
        return kUnknown;
    }
    return graph->Size() > 0 ? graph->DistanceAt(0) : PositionGraph::kNoWay;
}

} // namespace game
