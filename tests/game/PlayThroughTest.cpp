#include "BoardFilesFixture.h"
#include "puzzle/LevelBuilder.h"
#include "puzzle/ProgressFile.h"
#include "puzzle/Solver.h"

using namespace puzzle;

namespace {

// Plays a level from its file to the win with the presses a player would make: a click inside
// the piece, then a click on the free cell next to it in the direction of the step.
class PlayThroughTest : public BoardFilesFixture {
protected:
    void Press(Board& board, const Solver::Step& step) const {
        const Piece& piece = board.pieces[step.piece];
        ASSERT_EQ(board.PieceAt(piece.col * 98 + 1, piece.row * 94 + 1), step.piece);
        int col = piece.col;
        int row = piece.row;
        switch (step.direction) {
        case Direction::Left:
            --col;
            break;
        case Direction::Up:
            --row;
            break;
        case Direction::Right:
            col += piece.Columns();
            break;
        case Direction::Down:
            row += piece.Rows();
            break;
        }
        ASSERT_NE(board.MoveToward(CenterX(col), CenterY(row)), MoveOutcome::Blocked);
    }
};

TEST_F(PlayThroughTest, ShortestPathOfTheClassicLayoutWinsAndIsSaved) {
    WriteLevel(2, ClassicGrid());
    Dir().Write("Rest.pa", ProgressFile::Encode({1, 7}));
    const auto board = NewBoard();
    ASSERT_EQ(board->level, 2);
    Start(*board, board->level);

    const Solver::Result solution = Solver::Solve(board->grid);
    ASSERT_EQ(solution.status, Solver::Status::Solved);
    for (std::size_t i = 0; i < solution.path.size(); ++i) {
        ASSERT_EQ(CheckWin(*board), 0) << "won early, before step " << i;
        ASSERT_NO_FATAL_FAILURE(Press(*board, solution.path[i])) << "step " << i;
    }
    EXPECT_EQ(CheckWin(*board), 1);
    EXPECT_EQ(board->steps, 116);
    EXPECT_EQ(board->PiecePosition(2), std::make_pair(1, 3));

    const std::string expected("\x03\x00\x00\x00"
                               "\x01\x00\x00\x00"
                               "\x02\x00\x00\x00"
                               "\x07\x00\x00\x00",
                               16);
    EXPECT_EQ(Dir().Read("Rest.pa"), expected);
    EXPECT_EQ(NewBoard()->level, 3) << "the next start begins after the cleared levels";
}

} // namespace
