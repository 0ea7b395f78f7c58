#include <gtest/gtest.h>

#include <filesystem>

#include "SolutionClicks.h"
#include "platform/FileSystem.h"
#include "puzzle/Board.h"
#include "puzzle/LevelFile.h"

using namespace puzzle;

namespace {

// Presses as the game handles them: a press inside a piece selects it, any other press moves the
// selected piece, and a move may win. Returns the number of the press that won, or 0.
int PlayPresses(Board& board, const std::vector<WindowPoint>& presses) {
    for (std::size_t i = 0; i < presses.size(); ++i) {
        const int x = presses[i].x - 14;
        const int y = presses[i].y - 36;
        if (board.PieceAt(x, y) == 0 && board.selected != 0 &&
            board.MoveToward(x, y) == MoveOutcome::Won) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

TEST(SolutionClicksTest, CellCentresLieWhereTheBoardScreenDrawsTheCells) {
    EXPECT_EQ(SolutionClicks::CellCentre(0, 0).x, 14 + 49);
    EXPECT_EQ(SolutionClicks::CellCentre(0, 0).y, 36 + 47);
    EXPECT_EQ(SolutionClicks::CellCentre(3, 4).x, 14 + 3 * 98 + 49);
    EXPECT_EQ(SolutionClicks::CellCentre(3, 4).y, 36 + 4 * 94 + 47);
}

// Every shipped level, played on the real Board by its presses, is won by the very last press
// after exactly the solver's number of moves: the clicks the end-to-end test sends mean what
// the solver meant, under the board's own move rule.
TEST(SolutionClicksTest, PressesWinEveryShippedLevelInTheShortestNumberOfMoves) {
    const std::filesystem::path levels = std::filesystem::path(TM_DIST_DIR) / "Board";
    ASSERT_TRUE(std::filesystem::exists(levels / "1.dat")) << "build the levels first";
    int played = 0;
    for (int n = 1; std::filesystem::exists(levels / (std::to_string(n) + ".dat")); ++n) {
        const std::string path = (levels / (std::to_string(n) + ".dat")).string();
        LevelFile file;
        ASSERT_EQ(file.Read(platform::OpenFile(path, "rb").get()), LevelFile::Status::Ok)
            << "level " << n;
        Board board;
        board.LoadLevel(n, file.GetGrid());
        const Solver::Result solution = Solver::Solve(board.grid);
        ASSERT_EQ(solution.status, Solver::Status::Solved) << "level " << n;

        const std::vector<WindowPoint> presses = SolutionClicks::For(board.grid, solution.path);
        ASSERT_EQ(presses.size(), 2 * solution.path.size()) << "level " << n;
        EXPECT_EQ(PlayPresses(board, presses), static_cast<int>(presses.size())) << "level " << n;
        EXPECT_EQ(board.steps, solution.steps) << "level " << n;
        ++played;
    }
    EXPECT_GE(played, 2);
}

} // namespace
