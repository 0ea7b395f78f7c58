#include <vector>

#include "puzzle/BoardFixture.h"
#include "puzzle/LevelBuilder.h"

using namespace puzzle;

namespace {

using BoardSelectionTest = BoardFixture;

// Pieces anchored out of reading order on purpose: the big piece's anchor (1, 0) comes after the
// upright 4 at (0, 0), and the soldier at (3, 1) before the lying 5 at (0, 2).
LevelFile::Grid Scattered() {
    return MakeGrid({{2, 1, 0}, {4, 0, 0}, {19, 3, 1}, {5, 0, 2}, {20, 3, 4}, {21, 0, 4}});
}

std::vector<int> Cycle(Board& board, bool backward, int count) {
    std::vector<int> order;
    for (int i = 0; i < count; ++i) {
        order.push_back(board.SelectNext(backward));
    }
    return order;
}

TEST_F(BoardSelectionTest, ForwardWalksTheAnchorsInReadingOrderAndWraps) {
    Board& b = Play(Scattered());
    EXPECT_EQ(Cycle(b, false, 7), (std::vector<int>{4, 2, 19, 5, 21, 20, 4}));
    EXPECT_EQ(b.selected, 4);
}

TEST_F(BoardSelectionTest, BackwardStartsAtTheLastPieceAndWalksBack) {
    Board& b = Play(Scattered());
    EXPECT_EQ(Cycle(b, true, 7), (std::vector<int>{20, 21, 5, 19, 2, 4, 20}));
}

TEST_F(BoardSelectionTest, StepsFromAPieceSelectedByAPressAndFollowsMovedAnchors) {
    Board& b = Play(Scattered());
    ASSERT_EQ(b.PieceAt(CenterX(3), CenterY(1)), 19);
    EXPECT_EQ(b.SelectNext(false), 5);
    EXPECT_EQ(b.SelectNext(true), 19);
    // Moved up into the top row, the soldier now comes right after the big piece's anchor.
    ASSERT_EQ(b.Move(Direction::Up), MoveOutcome::Moved);
    EXPECT_EQ(b.SelectNext(true), 2);
    EXPECT_EQ(b.SelectNext(false), 19);
    EXPECT_EQ(b.SelectNext(false), 5);
    EXPECT_EQ(b.steps, 1) << "selecting costs no step";
}

TEST_F(BoardSelectionTest, AnEmptyBoardSelectsNothing) {
    Board& b = Play(LevelFile::Grid{});
    EXPECT_EQ(b.SelectNext(false), 0);
    EXPECT_EQ(b.SelectNext(true), 0);
    EXPECT_EQ(b.selected, 0);
}

TEST_F(BoardSelectionTest, ArrowMovesAreTheSameOneCellStepsAsPresses) {
    Board& b = Play(MakeGrid({{2, 1, 1}, {19, 0, 0}}));
    EXPECT_EQ(b.Move(Direction::Down), MoveOutcome::Blocked) << "nothing selected";
    ASSERT_EQ(b.SelectNext(false), 19);
    EXPECT_EQ(b.Move(Direction::Up), MoveOutcome::Blocked) << "off the top";
    EXPECT_EQ(b.Move(Direction::Right), MoveOutcome::Moved);
    EXPECT_EQ(b.Move(Direction::Down), MoveOutcome::Blocked) << "the big piece is below";
    EXPECT_EQ(b.PiecePosition(19), std::make_pair(1, 0));
    EXPECT_EQ(b.steps, 1);
}

TEST_F(BoardSelectionTest, AFinishedBoardTakesNoMoreMoves) {
    Board& b = Play(MakeGrid({{2, 1, 2}, {19, 0, 0}}));
    ASSERT_EQ(b.PieceAt(CenterX(1), CenterY(2)), 2);
    ASSERT_EQ(b.Move(Direction::Down), MoveOutcome::Won);
    EXPECT_EQ(b.Move(Direction::Up), MoveOutcome::Blocked) << "the level is over";
    EXPECT_EQ(b.PiecePosition(2), std::make_pair(1, 3));
    EXPECT_EQ(b.steps, 1);
}

} // namespace
