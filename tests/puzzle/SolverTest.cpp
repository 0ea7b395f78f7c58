#include <gtest/gtest.h>

#include "puzzle/LevelBuilder.h"
#include "puzzle/Solver.h"

using namespace puzzle;

namespace {

TEST(SolverTest, ClassicLayoutNeeds116Steps) {
    const Solver::Result result = Solver::Solve(ClassicGrid());
    ASSERT_EQ(result.status, Solver::Status::Solved);
    EXPECT_EQ(result.steps, 116);
    EXPECT_EQ(result.path.size(), 116u);
}

TEST(SolverTest, SolvedPositionNeedsNoStep) {
    const Solver::Result result = Solver::Solve(MakeGrid({{2, 1, 3}, {4, 0, 0}}));
    ASSERT_EQ(result.status, Solver::Status::Solved);
    EXPECT_EQ(result.steps, 0);
    EXPECT_TRUE(result.path.empty());
}

TEST(SolverTest, ShortLevelsAreMeasuredInSingleCellSteps) {
    // The big piece slides two cells down and one right: three steps.
    const Solver::Result result = Solver::Solve(MakeGrid({{2, 0, 1}}));
    ASSERT_EQ(result.status, Solver::Status::Solved);
    EXPECT_EQ(result.steps, 3);
}

TEST(SolverTest, BoxedInPositionIsUnsolvable) {
    // Every cell is covered: nothing can move.
    LevelFile::Grid full = JammedGrid();
    full[CellIndex(3, 3)] = 21;
    EXPECT_EQ(Solver::Solve(full).status, Solver::Status::Unsolvable);
    // No big piece at all.
    EXPECT_EQ(Solver::Solve(MakeGrid({{1, 0, 0}})).status, Solver::Status::Unsolvable);
    // One free cell lets the soldiers shuffle, but never makes room for the big piece.
    EXPECT_EQ(Solver::Solve(JammedGrid()).status, Solver::Status::Unsolvable);
}

TEST(SolverTest, BrokenGridsAreInvalid) {
    LevelFile::Grid numberless{};
    numberless[0] = 40;
    EXPECT_EQ(Solver::Solve(numberless).status, Solver::Status::Invalid);
    EXPECT_EQ(Solver::Solve(MakeGrid({{2, 3, 0}})).status, Solver::Status::Invalid)
        << "the big piece leaves the board";
    EXPECT_EQ(Solver::Solve(MakeGrid({{2, 0, 0}, {1, 1, 1}})).status, Solver::Status::Invalid)
        << "overlap";
}

} // namespace
