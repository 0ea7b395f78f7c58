// The legal steps of a grid and the hint read from the position graph: every hinted step is
// one the board accepts, and it brings the position one step nearer a win.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "puzzle/Board.h"
#include "puzzle/GridSteps.h"
#include "puzzle/LevelBuilder.h"
#include "puzzle/PositionGraph.h"
#include "puzzle/RouteHint.h"
#include "puzzle/Solver.h"

using namespace puzzle;

namespace {

PositionGraph::Code CodeOf(const LevelFile::Grid& grid) {
    PositionGraph::Code code = 0;
    EXPECT_TRUE(PositionGraph::CodeOf(grid, code));
    return code;
}

std::vector<GridSteps::Step> AllSteps(const LevelFile::Grid& grid) {
    std::vector<GridSteps::Step> steps;
    GridSteps::Find(grid, [&steps](const GridSteps::Step& step) {
        steps.push_back(step);
        return false;
    });
    return steps;
}

// A board on `grid` with `piece` selected, as a player leaves it after a press on the piece.
Board BoardOn(const LevelFile::Grid& grid, int piece) {
    Board board;
    board.LoadLevel(1, grid);
    board.selected = static_cast<std::int8_t>(piece);
    return board;
}

// Walks `count` seeded random steps from the classic opening and returns every grid passed.
std::vector<LevelFile::Grid> RandomWalk(unsigned seed, int count) {
    std::mt19937 random(seed);
    std::vector<LevelFile::Grid> grids{ClassicGrid()};
    for (int i = 0; i < count; ++i) {
        const std::vector<GridSteps::Step> steps = AllSteps(grids.back());
        grids.push_back(steps[random() % steps.size()].after);
    }
    return grids;
}

TEST(GridStepsTest, StepsComeInCellThenDirectionOrderAndStayOnTheBoard) {
    // Soldier 19 in the top-left corner, the big piece at (2, 0); nothing else.
    const LevelFile::Grid grid = MakeGrid({{19, 0, 0}, {2, 2, 0}});
    std::vector<std::pair<int, Direction>> named;
    for (const GridSteps::Step& step : AllSteps(grid)) {
        named.emplace_back(step.piece, step.direction);
        EXPECT_EQ(step.code, CodeOf(step.after));
    }
    const std::vector<std::pair<int, Direction>> expected = {
        {19, Direction::Right}, {19, Direction::Down}, {2, Direction::Left}, {2, Direction::Down}};
    EXPECT_EQ(named, expected);
    EXPECT_EQ(AllSteps(grid)[0].after, MakeGrid({{19, 1, 0}, {2, 2, 0}}));
}

// The steps of a grid are exactly the moves the board accepts.
TEST(GridStepsTest, AgreeWithTheBoardsMoveRule) {
    for (const LevelFile::Grid& grid : RandomWalk(7, 60)) {
        const std::vector<GridSteps::Step> steps = AllSteps(grid);
        int accepted = 0;
        for (int cell = 0; cell < kCellCount; ++cell) {
            for (const Direction d : GridSteps::kDirections) {
                if (grid[cell] == 0) {
                    continue;
                }
                Board board = BoardOn(grid, grid[cell]);
                if (board.Move(d) == MoveOutcome::Blocked) {
                    continue;
                }
                ++accepted;
                bool listed = false;
                for (const GridSteps::Step& step : steps) {
                    listed = listed || (step.piece == grid[cell] && step.direction == d &&
                                        step.after == board.grid);
                }
                EXPECT_TRUE(listed) << "piece " << int{grid[cell]};
            }
        }
        EXPECT_EQ(accepted, static_cast<int>(steps.size()));
    }
}

// From 50 positions spread over the classic group: the hinted step is a legal board move and
// the position it leads to is one step nearer a win, down to a won position.
TEST(RouteHintTest, EachHintIsALegalMoveOneStepNearerAWin) {
    PositionGraph graph;
    ASSERT_EQ(graph.Explore(ClassicGrid()), PositionGraph::Status::Ok);
    std::mt19937 random(2024);
    int tested = 0;
    for (const LevelFile::Grid& grid : RandomWalk(11, 800)) {
        if (random() % 8 != 0 || tested == 50) {
            continue;
        }
        ++tested;
        const int distance = graph.DistanceOf(CodeOf(grid));
        ASSERT_GT(distance, 0);
        const std::optional<Solver::Step> hint = RouteHint::Next(graph, grid);
        ASSERT_TRUE(hint.has_value());
        Board board = BoardOn(grid, hint->piece);
        ASSERT_NE(board.Move(hint->direction), MoveOutcome::Blocked) << "piece " << hint->piece;
        EXPECT_EQ(graph.DistanceOf(CodeOf(board.grid)), distance - 1);
    }
    EXPECT_EQ(tested, 50);
}

TEST(RouteHintTest, FollowingTheHintsWinsInTheFewestSteps) {
    PositionGraph graph;
    ASSERT_EQ(graph.Explore(ClassicGrid()), PositionGraph::Status::Ok);
    Board board;
    board.LoadLevel(1, ClassicGrid());
    int steps = 0;
    MoveOutcome last = MoveOutcome::Blocked;
    while (const std::optional<Solver::Step> hint = RouteHint::Next(graph, board.grid)) {
        board.selected = static_cast<std::int8_t>(hint->piece);
        ASSERT_EQ(last, steps == 0 ? MoveOutcome::Blocked : MoveOutcome::Moved);
        last = board.Move(hint->direction);
        ASSERT_LE(++steps, 116);
    }
    EXPECT_EQ(steps, 116);
    EXPECT_EQ(last, MoveOutcome::Won) << "the last step wins";
    EXPECT_EQ(board.CheckWin(), 1);
}

// Of several steps that all bring a win nearer, the first in the steps' order is hinted, so the
// same position always gets the same hint.
TEST(RouteHintTest, TiesGoToTheFirstStepInOrder) {
    // The big piece alone beside the goal column, two rows up: across then down, or down then
    // across, both win in two steps; across comes first in either mirror image.
    const struct {
        int col;
        Direction first;
    } cases[] = {{0, Direction::Right}, {2, Direction::Left}};
    for (const auto& c : cases) {
        const LevelFile::Grid grid = MakeGrid({{2, c.col, 2}});
        PositionGraph graph;
        ASSERT_EQ(graph.Explore(grid), PositionGraph::Status::Ok);
        ASSERT_EQ(graph.DistanceOf(CodeOf(grid)), 2);
        const std::optional<Solver::Step> hint = RouteHint::Next(graph, grid);
        ASSERT_TRUE(hint.has_value());
        EXPECT_EQ(hint->piece, 2);
        EXPECT_EQ(hint->direction, c.first) << "column " << c.col;
    }
}

TEST(RouteHintTest, NoHintWhenWonUnwinnableOrOutsideTheGraph) {
    PositionGraph graph;
    const LevelFile::Grid won = MakeGrid({{2, 1, 3}, {19, 0, 0}});
    ASSERT_EQ(graph.Explore(won), PositionGraph::Status::Ok);
    EXPECT_FALSE(RouteHint::Next(graph, won).has_value());
    EXPECT_FALSE(RouteHint::Next(graph, ClassicGrid()).has_value()) << "not in this graph";

    ASSERT_EQ(graph.Explore(JammedGrid()), PositionGraph::Status::Ok);
    EXPECT_FALSE(RouteHint::Next(graph, JammedGrid()).has_value());

    LevelFile::Grid broken = ClassicGrid();
    broken[0] = 40;
    EXPECT_FALSE(RouteHint::Next(graph, broken).has_value());
}

} // namespace
