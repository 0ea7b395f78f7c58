// The distance table the play works out when a level starts: one exploration of every
// position reachable from the level's start. Target: under 50 ms for the largest level.
#include <benchmark/benchmark.h>

#include <chrono>

#include "level-set/LevelSetFile.h"
#include "puzzle/PositionGraph.h"

using namespace puzzle;

namespace {

const LevelSetFile::Result& Levels() {
    static const LevelSetFile::Result set = LevelSetFile::Load(TM_LEVELS_FILE);
    return set;
}

// The level whose start reaches the most positions.
const LevelSetFile::Level* LargestLevel() {
    static const LevelSetFile::Level* largest = [] {
        const LevelSetFile::Level* found = nullptr;
        std::size_t most = 0;
        PositionGraph graph;
        for (const LevelSetFile::Level& level : Levels().levels) {
            if (graph.Explore(level.grid) == PositionGraph::Status::Ok && graph.Size() > most) {
                most = graph.Size();
                found = &level;
            }
        }
        return found;
    }();
    return largest;
}

// Every level in turn, each with a fresh table as the game makes one; the slowest level's time
// and number are reported.
void TableOfEveryLevel(benchmark::State& state) {
    if (!Levels().Ok()) {
        state.SkipWithError(Levels().error.c_str());
        return;
    }
    double slowest = 0;
    int slowestLevel = 0;
    for (auto _ : state) {
        for (const LevelSetFile::Level& level : Levels().levels) {
            const auto begin = std::chrono::steady_clock::now();
            PositionGraph graph;
            graph.Explore(level.grid);
            benchmark::DoNotOptimize(graph.DistanceAt(0));
            const std::chrono::duration<double, std::milli> took =
                std::chrono::steady_clock::now() - begin;
            if (graph.DistanceAt(0) != level.steps) {
                state.SkipWithError("a level's distance differs from its stated steps");
                return;
            }
            if (took.count() > slowest) {
                slowest = took.count();
                slowestLevel = level.number;
            }
        }
    }
    state.counters["slowest_ms"] = slowest;
    state.counters["slowest_level"] = slowestLevel;
}
BENCHMARK(TableOfEveryLevel)->Unit(benchmark::kMillisecond);

void TableOfLargestLevel(benchmark::State& state) {
    const LevelSetFile::Level* level = LargestLevel();
    if (level == nullptr) {
        state.SkipWithError("no level");
        return;
    }
    std::size_t positions = 0;
    for (auto _ : state) {
        PositionGraph graph;
        graph.Explore(level->grid);
        positions = graph.Size();
        benchmark::DoNotOptimize(graph.DistanceAt(0));
    }
    state.counters["level"] = level->number;
    state.counters["positions"] = static_cast<double>(positions);
}
BENCHMARK(TableOfLargestLevel)->Unit(benchmark::kMillisecond);

} // namespace
