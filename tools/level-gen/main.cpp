// Generates the level set: searches random layouts, measures every position reachable in each
// from the goal, picks starts of rising difficulty and writes assets/levels.txt. Run by hand;
// the same seed and sample count give the same file.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "CandidatePool.h"
#include "LayoutSampler.h"
#include "LevelPlanner.h"
#include "NameList.h"
#include "PieceNumbering.h"
#include "Random.h"
#include "SeenPositions.h"
#include "level-set/LevelSetFile.h"
#include "platform/FileSystem.h"
#include "puzzle/Geometry.h"
#include "puzzle/Solver.h"

using namespace puzzle;

namespace {

constexpr std::uint64_t kSeed = 20092;
constexpr int kSamples = 200000;
// Groups larger than this are given up on: they are slow to search and their starts slow to
// verify, and the long puzzles live in tighter layouts.
constexpr std::size_t kGroupLimit = 120000;
constexpr int kFirstSteps = 5;
constexpr int kProgressEvery = 10000;

struct Options {
    std::uint64_t seed = kSeed;
    int samples = kSamples;
    std::size_t groupLimit = kGroupLimit;
    std::string out = TM_ASSETS_DIR "/levels.txt";
    std::string names = TM_ASSETS_DIR "/level-names.txt";
};

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string flag = argv[i];
        const char* value = argv[i + 1];
        if (flag == "--seed") {
            options.seed = std::strtoull(value, nullptr, 10);
        } else if (flag == "--samples") {
            options.samples = std::atoi(value);
        } else if (flag == "--group-limit") {
            options.groupLimit = std::strtoull(value, nullptr, 10);
        } else if (flag == "--out") {
            options.out = value;
        } else if (flag == "--names") {
            options.names = value;
        } else {
            return false;
        }
    }
    return argc % 2 == 1 && options.samples > 0;
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void Search(const Options& options, CandidatePool& pool) {
    const auto start = std::chrono::steady_clock::now();
    Random random(options.seed);
    PositionGraph graph;
    SeenPositions seen;
    for (int sample = 1; sample <= options.samples; ++sample) {
        const PositionGraph::Code layout = LayoutSampler::Sample(random);
        if (!seen.Contains(layout)) {
            const PositionGraph::Status status = graph.Explore(layout, options.groupLimit);
            seen.InsertAll(graph);
            if (status == PositionGraph::Status::Ok) {
                pool.Add(graph);
            }
        }
        if (sample % kProgressEvery == 0 || sample == options.samples) {
            std::printf("layouts %d/%d: %zu groups, %zu starts, hardest %d steps, %.0f s\n", sample,
                        options.samples, pool.Groups(), pool.Size(), pool.MaxSteps(),
                        SecondsSince(start));
            std::fflush(stdout);
        }
    }
}

// The classic opening: the 2x2 block at the top middle, four upright blocks at the sides, one
// lying block across the middle and four 1x1 pieces.
LevelFile::Grid ClassicGrid() {
    LevelFile::Grid grid{};
    const int pieces[][3] = {{2, 1, 0}, {4, 0, 0}, {6, 3, 0},  {7, 0, 2},  {8, 3, 2},
                             {3, 1, 2}, {1, 1, 3}, {19, 2, 3}, {20, 0, 4}, {21, 3, 4}};
    for (const auto& [number, col, row] : pieces) {
        grid[CellIndex(col, row)] = static_cast<std::int8_t>(number);
    }
    return grid;
}

// Numbers and names the picked starts and checks each one's steps with the solver.
bool MakeLevels(const std::vector<Candidate>& starts, const NameList& names,
                std::vector<LevelSetFile::Level>& levels) {
    PieceNumbering numbering;
    for (std::size_t i = 0; i < starts.size(); ++i) {
        LevelSetFile::Level level;
        level.number = static_cast<int>(i) + 1;
        level.name = names.Names()[i];
        level.steps = starts[i].steps;
        level.grid = numbering.Number(starts[i].code);
        const Solver::Result solved = Solver::Solve(level.grid);
        if (solved.status != Solver::Status::Solved || solved.steps != level.steps) {
            std::fprintf(stderr, "level-gen: level %d: the solver disagrees with %d steps\n",
                         level.number, level.steps);
            return false;
        }
        levels.push_back(level);
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: level-gen [--seed N] [--samples N] [--group-limit N] "
                             "[--out FILE] [--names FILE]\n");
        return 2;
    }
    NameList names;
    std::string error;
    if (!names.Load(options.names, kLevelCount, error)) {
        std::fprintf(stderr, "level-gen: %s\n", error.c_str());
        return 1;
    }
    CandidatePool pool;
    Search(options, pool);

    PositionGraph classic;
    Candidate classicStart;
    if (classic.Explore(ClassicGrid()) != PositionGraph::Status::Ok ||
        !CandidatePool::Describe(classic, 0, classicStart)) {
        std::fprintf(stderr, "level-gen: the classic opening cannot be solved\n");
        return 1;
    }
    LevelPlanner planner(pool, kFirstSteps);
    planner.Require(classicStart);
    const std::vector<Candidate> starts = planner.Plan(kLevelCount);
    if (starts.empty()) {
        std::fprintf(stderr, "level-gen: too few starts found; search more layouts\n");
        return 1;
    }
    std::vector<LevelSetFile::Level> levels;
    if (!MakeLevels(starts, names, levels)) {
        return 1;
    }
    if (!platform::WriteFileAtomically(options.out, LevelSetFile::Format(levels))) {
        std::fprintf(stderr, "level-gen: cannot write %s\n", options.out.c_str());
        return 1;
    }
    std::printf("wrote %zu levels, %d to %d steps, to %s\n", levels.size(), levels.front().steps,
                levels.back().steps, options.out.c_str());
    for (std::size_t i = 0; i < starts.size(); ++i) {
        if (starts[i].code == classicStart.code) {
            std::printf("the classic opening is level %zu\n", i + 1);
        }
    }
    return 0;
}
