// Solver speed on the classic layout (116 steps). Target: under 50 ms a solve.
#include <benchmark/benchmark.h>

#include "puzzle/LevelBuilder.h"
#include "puzzle/Solver.h"

using namespace puzzle;

static void SolveClassic(benchmark::State& state) {
    const LevelFile::Grid grid = ClassicGrid();
    for (auto _ : state) {
        Solver::Result result = Solver::Solve(grid);
        if (result.steps != 116) {
            state.SkipWithError("wrong answer");
            break;
        }
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(SolveClassic)->Unit(benchmark::kMillisecond);
