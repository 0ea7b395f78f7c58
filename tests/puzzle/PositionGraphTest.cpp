#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "puzzle/LevelBuilder.h"
#include "puzzle/PositionGraph.h"
#include "puzzle/Solver.h"

using namespace puzzle;

namespace {

using Code = PositionGraph::Code;

// A grid for a position, numbering the pieces of each shape in turn.
LevelFile::Grid GridOf(Code code) {
    const int firstNumber[] = {3, 4, 2, 1};
    const int moreNumbers[][4] = {{5, 9, 10, 12}, {6, 7, 8, 11}, {}, {19, 20, 21, 22}};
    int used[4] = {};
    LevelFile::Grid grid{};
    for (int cell = 0; cell < kCellCount; ++cell) {
        Shape shape{};
        if (PositionGraph::AnchorAt(code, cell, shape)) {
            const int s = static_cast<int>(shape);
            grid[cell] = static_cast<std::int8_t>(used[s] == 0 ? firstNumber[s]
                                                               : moreNumbers[s][used[s] - 1]);
            ++used[s];
        }
    }
    return grid;
}

Code CodeOf(const LevelFile::Grid& grid) {
    Code code = 0;
    EXPECT_TRUE(PositionGraph::CodeOf(grid, code));
    return code;
}

TEST(PositionGraphTest, ClassicGroupDistancesAgreeWithTheSolver) {
    PositionGraph graph;
    ASSERT_EQ(graph.Explore(ClassicGrid()), PositionGraph::Status::Ok);
    EXPECT_EQ(graph.PositionAt(0), CodeOf(ClassicGrid()));
    EXPECT_EQ(graph.DistanceAt(0), 116);
    EXPECT_EQ(graph.DistanceOf(CodeOf(ClassicGrid())), 116);
    EXPECT_GT(graph.MaxDistance(), 116);
    // A spread of positions across the group, each solved on its own.
    for (std::size_t i = 0; i < graph.Size(); i += graph.Size() / 25) {
        const Solver::Result solved = Solver::Solve(GridOf(graph.PositionAt(i)));
        EXPECT_EQ(solved.steps, graph.DistanceAt(i)) << "position " << i;
    }
}

TEST(PositionGraphTest, StepsAreReversibleAndChangeTheDistanceByAtMostOne) {
    PositionGraph graph;
    ASSERT_EQ(graph.Explore(ClassicGrid()), PositionGraph::Status::Ok);
    int farthest = 0;
    for (std::size_t i = 0; i < graph.Size(); ++i) {
        ASSERT_FALSE(graph.NeighboursAt(i).empty()) << i;
        for (const std::uint32_t next : graph.NeighboursAt(i)) {
            const auto back = graph.NeighboursAt(next);
            ASSERT_NE(std::find(back.begin(), back.end(), i), back.end()) << i << " " << next;
            ASSERT_LE(std::abs(graph.DistanceAt(next) - graph.DistanceAt(i)), 1);
        }
        EXPECT_EQ(graph.DistanceAt(i) == 0, PositionGraph::IsWon(graph.PositionAt(i)));
        farthest = std::max(farthest, graph.DistanceAt(i));
    }
    EXPECT_EQ(farthest, graph.MaxDistance());
}

TEST(PositionGraphTest, MirrorImagesShareTheirCanonicalCodeAndDistance) {
    // The big piece top left, an upright piece beside it: not symmetric.
    const LevelFile::Grid grid = MakeGrid({{2, 0, 0}, {4, 2, 0}, {3, 2, 2}, {1, 3, 4}});
    const LevelFile::Grid mirrored = MakeGrid({{2, 2, 0}, {4, 1, 0}, {3, 0, 2}, {1, 0, 4}});
    const Code code = CodeOf(grid);
    EXPECT_EQ(PositionGraph::Mirror(code), CodeOf(mirrored));
    EXPECT_EQ(PositionGraph::Mirror(PositionGraph::Mirror(code)), code);
    EXPECT_EQ(PositionGraph::Canonical(code), PositionGraph::Canonical(CodeOf(mirrored)));
    EXPECT_NE(PositionGraph::Canonical(code), PositionGraph::Canonical(CodeOf(ClassicGrid())));
    const Code classic = CodeOf(ClassicGrid());
    EXPECT_EQ(PositionGraph::Mirror(classic), classic) << "the classic opening is symmetric";

    PositionGraph left;
    PositionGraph right;
    ASSERT_EQ(left.Explore(grid), PositionGraph::Status::Ok);
    ASSERT_EQ(right.Explore(mirrored), PositionGraph::Status::Ok);
    EXPECT_EQ(left.DistanceAt(0), right.DistanceAt(0));
    EXPECT_EQ(left.Size(), right.Size());
}

TEST(PositionGraphTest, PiecesOfOneShapeAreInterchangeable) {
    const LevelFile::Grid a = MakeGrid({{2, 1, 0}, {1, 0, 0}, {19, 3, 0}});
    const LevelFile::Grid b = MakeGrid({{2, 1, 0}, {20, 0, 0}, {1, 3, 0}});
    EXPECT_EQ(CodeOf(a), CodeOf(b));
}

TEST(PositionGraphTest, UnwinnableAndWonGroups) {
    PositionGraph graph;
    ASSERT_EQ(graph.Explore(JammedGrid()), PositionGraph::Status::Ok);
    EXPECT_GT(graph.Size(), 1u) << "the soldiers still move";
    EXPECT_EQ(graph.MaxDistance(), PositionGraph::kNoWay);
    EXPECT_EQ(graph.DistanceAt(0), PositionGraph::kNoWay);

    ASSERT_EQ(graph.Explore(MakeGrid({{2, 1, 3}})), PositionGraph::Status::Ok);
    EXPECT_EQ(graph.DistanceAt(0), 0);
    EXPECT_EQ(graph.Size(), 12u) << "the big piece alone reaches every place";
    EXPECT_EQ(graph.DistanceOf(CodeOf(ClassicGrid())), PositionGraph::kNoWay)
        << "a position outside the graph";
}

TEST(PositionGraphTest, RejectsBrokenStartsAndStopsAtTheLimit) {
    PositionGraph graph;
    EXPECT_EQ(graph.Explore(MakeGrid({{2, 0, 0}, {1, 1, 1}})), PositionGraph::Status::Invalid);
    EXPECT_EQ(graph.Size(), 0u);
    EXPECT_EQ(graph.Explore(MakeGrid({{2, 3, 0}})), PositionGraph::Status::Invalid);
    LevelFile::Grid numberless{};
    numberless[0] = 40;
    EXPECT_EQ(graph.Explore(numberless), PositionGraph::Status::Invalid);
    EXPECT_EQ(graph.Explore(Code{7}), PositionGraph::Status::Invalid) << "no shape has code 7";
    EXPECT_EQ(graph.Explore(Code{1} << 62), PositionGraph::Status::Invalid) << "past the board";

    // The limit is the most positions allowed: a group of exactly that many is explored whole.
    const LevelFile::Grid lone = MakeGrid({{2, 1, 3}});
    ASSERT_EQ(graph.Explore(lone), PositionGraph::Status::Ok);
    ASSERT_EQ(graph.Size(), 12u);
    EXPECT_EQ(graph.Explore(lone, 12), PositionGraph::Status::Ok);
    EXPECT_EQ(graph.DistanceAt(0), 0);
    EXPECT_EQ(graph.Explore(lone, 11), PositionGraph::Status::TooLarge);

    ASSERT_EQ(graph.Explore(ClassicGrid(), 1000), PositionGraph::Status::TooLarge);
    EXPECT_GE(graph.Size(), 1000u);
    EXPECT_EQ(graph.DistanceAt(graph.Size() - 1), PositionGraph::kNoWay);
    EXPECT_TRUE(graph.NeighboursAt(0).empty());
    // The graph is whole again after a full exploration.
    ASSERT_EQ(graph.Explore(ClassicGrid()), PositionGraph::Status::Ok);
    EXPECT_EQ(graph.DistanceAt(0), 116);
}

} // namespace
