#include "puzzle/BoardFixture.h"
#include "puzzle/LevelBuilder.h"

using namespace puzzle;

namespace {

using BoardMoveTest = BoardFixture;

TEST_F(BoardMoveTest, SelectionNeedsAPointStrictlyInsideAPiece) {
    Board& b = Play(MakeGrid({{2, 1, 0}, {4, 0, 0}}));
    EXPECT_EQ(b.PieceAt(98, 50), 0) << "left boundary line of the big piece";
    EXPECT_EQ(b.PieceAt(150, 0), 0) << "top boundary line";
    EXPECT_EQ(b.selected, 0);
    EXPECT_EQ(b.PieceAt(99, 1), 2);
    EXPECT_EQ(b.PieceAt(293, 187), 2);
    EXPECT_EQ(b.PieceAt(294, 100), 0) << "right edge is outside";
    EXPECT_EQ(b.selected, 2) << "a miss keeps the selection";
    EXPECT_EQ(b.PieceAt(50, 150), 4) << "a second piece takes the selection";
    EXPECT_EQ(b.PiecePosition(2), std::make_pair(1, 0)) << "the first piece stays put";
}

TEST_F(BoardMoveTest, PressOnAnEmptyCellWithNothingSelectedDoesNothing) {
    Board& b = Play(MakeGrid({{2, 1, 0}}));
    EXPECT_EQ(b.PieceAt(CenterX(0), CenterY(4)), 0);
    EXPECT_EQ(b.selected, 0);
    EXPECT_EQ(b.MoveToward(CenterX(0), CenterY(4)), MoveOutcome::Blocked);
    EXPECT_EQ(b.steps, 0);
}

TEST_F(BoardMoveTest, PressesMoveOneCellTowardThePoint) {
    struct Case {
        int number, col, row; // the piece
        int targetCol, targetRow;
        int expectCol, expectRow;
        const char* what;
    };
    const Case cases[] = {
        {1, 1, 2, 1, 4, 1, 3, "soldier moves down, one cell only"},
        {1, 1, 2, 3, 2, 2, 2, "soldier moves right"},
        {1, 1, 2, 1, 0, 1, 1, "soldier moves up"},
        {1, 1, 2, 0, 2, 0, 2, "soldier moves left"},
        {3, 1, 0, 2, 1, 1, 1, "lying piece moves down under its right half"},
        {3, 1, 0, 3, 0, 2, 0, "lying piece moves right"},
        {4, 0, 0, 1, 1, 1, 0, "upright piece moves right beside its lower cell"},
        {2, 0, 0, 1, 2, 0, 1, "big piece moves down under its right half"},
        {2, 0, 0, 2, 1, 1, 0, "big piece moves right beside its lower row"},
    };
    for (const Case& c : cases) {
        Board& b = Play(MakeGrid({{c.number, c.col, c.row}}));
        ASSERT_EQ(b.PieceAt(c.col * 98 + 10, c.row * 94 + 10), c.number) << c.what;
        EXPECT_EQ(b.MoveToward(CenterX(c.targetCol), CenterY(c.targetRow)), MoveOutcome::Moved)
            << c.what;
        EXPECT_EQ(b.PiecePosition(c.number), std::make_pair(c.expectCol, c.expectRow)) << c.what;
        EXPECT_EQ(b.grid[CellIndex(c.expectCol, c.expectRow)], c.number) << c.what;
        EXPECT_EQ(b.grid[CellIndex(c.col, c.row)], 0) << c.what;
        EXPECT_EQ(b.steps, 1) << c.what;
    }
}

TEST_F(BoardMoveTest, PressesWithoutADirectionMoveNothingAndCostNoStep) {
    struct Case {
        int number, col, row;
        int x, y;
        const char* what;
    };
    const Case cases[] = {
        {1, 1, 2, CenterX(0), CenterY(0), "soldier, diagonal cell"},
        {1, 1, 2, 98, 188, "soldier, its own anchor corner"},
        {3, 1, 0, 196, 0, "lying piece, top line of its right cell"},
        {2, 1, 1, 98, 94, "big piece, its anchor corner"},
        {4, 0, 0, CenterX(2), CenterY(3), "upright piece, cell in line with nothing"},
    };
    for (const Case& c : cases) {
        Board& b = Play(MakeGrid({{c.number, c.col, c.row}}));
        ASSERT_EQ(b.PieceAt(c.col * 98 + 10, c.row * 94 + 10), c.number) << c.what;
        const LevelFile::Grid before = b.grid;
        EXPECT_EQ(b.MoveToward(c.x, c.y), MoveOutcome::Blocked) << c.what;
        EXPECT_EQ(b.steps, 0) << c.what;
        EXPECT_EQ(b.grid, before) << c.what;
        EXPECT_EQ(b.CheckWin(), 0) << c.what;
    }
}

TEST_F(BoardMoveTest, BoundaryPressesChooseTheDirectionOfTheCellUnderThem) {
    // On a piece's own top and left lines the press is not inside it, so MoveToward decides.
    Board& b = Play(MakeGrid({{4, 0, 0}, {2, 1, 0}}));
    ASSERT_EQ(b.PieceAt(50, 50), 4);
    EXPECT_EQ(b.MoveToward(0, 150), MoveOutcome::Moved)
        << "upright piece, left line of its lower cell: down";
    EXPECT_EQ(b.PiecePosition(4), std::make_pair(0, 1));

    ASSERT_EQ(b.PieceAt(150, 50), 2);
    EXPECT_EQ(b.MoveToward(250, 0), MoveOutcome::Moved)
        << "big piece, top line over its right half: right";
    EXPECT_EQ(b.PiecePosition(2), std::make_pair(2, 0));
    EXPECT_EQ(b.MoveToward(196, 150), MoveOutcome::Moved)
        << "big piece, left line of its lower row: down";
    EXPECT_EQ(b.PiecePosition(2), std::make_pair(2, 1));
    EXPECT_EQ(b.steps, 3);
}

TEST_F(BoardMoveTest, MovesOffTheBoardAreRefusedWithoutAStep) {
    {
        Board& b = Play(MakeGrid({{2, 2, 0}}));
        ASSERT_EQ(b.PieceAt(250, 50), 2);
        EXPECT_EQ(b.MoveToward(300, 0), MoveOutcome::Blocked)
            << "big piece at the right edge pressed to the right";
        EXPECT_EQ(b.PiecePosition(2), std::make_pair(2, 0));
        EXPECT_EQ(b.steps, 0);
    }
    {
        Board& b = Play(MakeGrid({{4, 0, 3}}));
        ASSERT_EQ(b.PieceAt(50, 300), 4);
        EXPECT_EQ(b.MoveToward(0, 400), MoveOutcome::Blocked)
            << "upright piece at the bottom pressed downward";
        EXPECT_EQ(b.PiecePosition(4), std::make_pair(0, 3));
        EXPECT_EQ(b.steps, 0);
    }
    {
        Board& b = Play(MakeGrid({{1, 0, 0}}));
        ASSERT_EQ(b.PieceAt(50, 50), 1);
        EXPECT_EQ(b.MoveToward(-1, 10), MoveOutcome::Blocked);
        EXPECT_EQ(b.MoveToward(10, -1), MoveOutcome::Blocked);
        EXPECT_EQ(b.MoveToward(392, 10), MoveOutcome::Blocked) << "right of the board";
        EXPECT_EQ(b.MoveToward(10, 470), MoveOutcome::Blocked) << "below the board";
        EXPECT_EQ(b.Move(Direction::Left), MoveOutcome::Blocked);
        EXPECT_EQ(b.Move(Direction::Up), MoveOutcome::Blocked);
        EXPECT_EQ(b.Move(static_cast<Direction>(7)), MoveOutcome::Blocked) << "no such direction";
        EXPECT_EQ(b.steps, 0);
    }
}

TEST_F(BoardMoveTest, BlockedMoveChangesNothing) {
    Board& b = Play(MakeGrid({{3, 0, 0}, {1, 2, 0}, {4, 2, 1}}));
    ASSERT_EQ(b.PieceAt(50, 50), 3);
    const LevelFile::Grid start = b.grid;
    EXPECT_EQ(b.MoveToward(CenterX(3), CenterY(0)), MoveOutcome::Blocked)
        << "the soldier blocks the way right";
    EXPECT_EQ(b.grid, start);
    EXPECT_EQ(b.PiecePosition(3), std::make_pair(0, 0));
    EXPECT_EQ(b.steps, 0);

    EXPECT_EQ(b.MoveToward(CenterX(0), CenterY(1)), MoveOutcome::Moved) << "free below";
    EXPECT_EQ(b.MoveToward(CenterX(3), CenterY(1)), MoveOutcome::Blocked)
        << "the upright piece blocks the way";
    EXPECT_EQ(b.PiecePosition(3), std::make_pair(0, 1));
    EXPECT_EQ(b.grid[CellIndex(0, 1)], 3);
    EXPECT_EQ(b.steps, 1);
}

TEST_F(BoardMoveTest, WinningMoveFinishesThePlayAndCountsTheStep) {
    Board& b = Play(MakeGrid({{2, 1, 2}, {1, 0, 0}}));
    ASSERT_EQ(b.PieceAt(CenterX(1), CenterY(2)), 2);
    EXPECT_EQ(b.CheckWin(), 0);
    ASSERT_EQ(b.MoveToward(CenterX(1), CenterY(4)), MoveOutcome::Won);
    EXPECT_EQ(b.state, PlayState::Finished);
    EXPECT_EQ(b.cleared[1], 1);
    EXPECT_EQ(b.CheckWin(), 1) << "asked again, the win stands";
    EXPECT_EQ(b.steps, 1);

    // No move is accepted after the win; selection still works.
    EXPECT_EQ(b.PieceAt(CenterX(0), CenterY(0)), 1);
    EXPECT_EQ(b.MoveToward(CenterX(0), CenterY(1)), MoveOutcome::Blocked);
    EXPECT_EQ(b.steps, 1);

    b.LoadLevel(b.level, levelGrid);
    EXPECT_EQ(b.state, PlayState::Playing);
    EXPECT_EQ(b.PiecePosition(2), std::make_pair(1, 2));
}

TEST_F(BoardMoveTest, OnlyPieceTwoOnTheGoalWins) {
    Board& b = Play(MakeGrid({{3, 1, 2}, {1, 0, 0}}));
    ASSERT_EQ(b.PieceAt(CenterX(1), CenterY(2)), 3);
    ASSERT_EQ(b.MoveToward(CenterX(1), CenterY(4)), MoveOutcome::Moved);
    EXPECT_EQ(b.CheckWin(), 0) << "a lying piece over the exit is no win";
    EXPECT_EQ(b.state, PlayState::Playing);
}

} // namespace
