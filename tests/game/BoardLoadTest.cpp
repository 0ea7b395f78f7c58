#include "BoardFilesFixture.h"
#include "puzzle/LevelBuilder.h"

using namespace puzzle;

namespace {

using BoardLoadTest = BoardFilesFixture;

TEST_F(BoardLoadTest, NewBoardIsIdleAndEmpty) {
    const auto board = NewBoard();
    EXPECT_EQ(board->state, PlayState::Idle);
    EXPECT_EQ(board->level, 1);
    EXPECT_EQ(board->startLevel, 1);
    EXPECT_EQ(board->selected, 0);
    EXPECT_EQ(board->steps, 0);
    EXPECT_EQ(board->grid, LevelFile::Grid{});
}

TEST_F(BoardLoadTest, LoadPlacesEveryPieceWithItsShape) {
    WriteLevel(1, ClassicGrid());
    const auto board = NewBoard();
    Start(*board, 1);
    EXPECT_EQ(board->state, PlayState::Playing);
    EXPECT_EQ(board->grid, ClassicGrid());
    const Piece& big = board->pieces[2];
    EXPECT_EQ(big.shape, Shape::Big);
    EXPECT_EQ(big.width, 196);
    EXPECT_EQ(big.height, 188);
    EXPECT_EQ(board->PiecePosition(2), std::make_pair(1, 0));
    EXPECT_EQ(board->PiecePosition(3), std::make_pair(1, 2));
    EXPECT_EQ(board->pieces[3].shape, Shape::Across);
    EXPECT_EQ(board->PiecePosition(21), std::make_pair(3, 4));
}

TEST_F(BoardLoadTest, OnlyLevelsOtherThanTheFirstWriteTheLastLevelKey) {
    const auto board = NewBoard();
    Start(*board, 1);
    EXPECT_FALSE(Dir().Exists("set.ini")) << "level 1 never touches the settings file";
    Start(*board, 2); // no file for level 2: the key is written all the same
    EXPECT_EQ(Dir().Read("set.ini"), "[board]\nnboard=2\n");
    Start(*board, 12);
    EXPECT_EQ(Dir().Read("set.ini"), "[board]\nnboard=12\n");
}

TEST_F(BoardLoadTest, FailedLoadResetsTheAttemptButKeepsThePreviousGrid) {
    WriteLevel(1, MakeGrid({{2, 1, 2}, {1, 0, 0}}));
    const auto board = NewBoard();
    Start(*board, 1);
    ASSERT_EQ(board->PieceAt(CenterX(0), CenterY(0)), 1);
    ASSERT_EQ(board->MoveToward(CenterX(1), CenterY(0)), MoveOutcome::Moved);

    Start(*board, 5); // missing file
    EXPECT_EQ(board->level, 5);
    EXPECT_EQ(board->steps, 0);
    EXPECT_EQ(board->selected, 0);
    EXPECT_EQ(board->state, PlayState::Playing);
    EXPECT_EQ(board->grid, MakeGrid({{2, 1, 2}, {1, 1, 0}}));

    Dir().Write("Board/6.dat", std::string("\x7C\x4E\x00\x01", 4) + std::string(20, '\0'));
    Start(*board, 6); // wrong magic
    EXPECT_EQ(board->grid, MakeGrid({{2, 1, 2}, {1, 1, 0}}));

    // Moves on the old grid are accepted, and the big piece can win it again.
    ASSERT_EQ(board->PieceAt(CenterX(1), CenterY(3)), 2);
    EXPECT_EQ(board->MoveToward(CenterX(1), CenterY(4)), MoveOutcome::Won);
    EXPECT_EQ(CheckWin(*board), 1);
}

TEST_F(BoardLoadTest, BytesThatAreNoPieceNumberAreSkipped) {
    LevelFile::Grid grid = MakeGrid({{2, 0, 0}, {4, 3, 0}});
    grid[CellIndex(2, 4)] = 32;
    grid[CellIndex(3, 4)] = -1;
    grid[CellIndex(1, 4)] = 127;
    WriteLevel(1, grid);
    const auto board = NewBoard();
    Start(*board, 1);
    EXPECT_EQ(board->grid, MakeGrid({{2, 0, 0}, {4, 3, 0}}));
    // Clicks on those cells find nothing.
    EXPECT_EQ(board->PieceAt(CenterX(2), CenterY(4)), 0);
    EXPECT_EQ(board->PieceAt(CenterX(3), CenterY(4)), 0);
}

TEST_F(BoardLoadTest, LaterCellOfARepeatedNumberHoldsTheRecord) {
    WriteLevel(1, MakeGrid({{19, 0, 1}, {19, 2, 0}, {2, 1, 3}}));
    const auto board = NewBoard();
    Start(*board, 1);
    EXPECT_EQ(board->grid[CellIndex(0, 1)], 19);
    EXPECT_EQ(board->grid[CellIndex(2, 0)], 19);
    EXPECT_EQ(board->PiecePosition(19), std::make_pair(2, 0));
}

TEST_F(BoardLoadTest, RestartReloadsTheCurrentLevel) {
    WriteLevel(3, MakeGrid({{2, 0, 0}, {1, 3, 4}}));
    const auto board = NewBoard();
    Start(*board, 3);
    ASSERT_EQ(board->PieceAt(CenterX(3), CenterY(4)), 1);
    ASSERT_EQ(board->MoveToward(CenterX(3), CenterY(0)), MoveOutcome::Moved);
    Start(*board, board->level);
    EXPECT_EQ(board->level, 3);
    EXPECT_EQ(board->steps, 0);
    EXPECT_EQ(board->PiecePosition(1), std::make_pair(3, 4));
}

TEST_F(BoardLoadTest, LevelFilesAreNamedInPlainDecimalInTheBoardFolder) {
    WriteLevel(267, ClassicGrid());
    const auto board = NewBoard();
    Start(*board, 267);
    EXPECT_EQ(board->grid, ClassicGrid());
    EXPECT_EQ(levels.Read(267), ClassicGrid());
    EXPECT_EQ(levels.Read(268), std::nullopt);
}

} // namespace
