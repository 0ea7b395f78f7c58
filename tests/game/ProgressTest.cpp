#include <filesystem>
#include <vector>

#include "BoardFilesFixture.h"
#include "game/Play.h"
#include "game/RecordsFile.h"
#include "platform/FileSystem.h"
#include "puzzle/LevelBuilder.h"
#include "puzzle/ProgressFile.h"

using namespace puzzle;

namespace {

class ProgressTest : public BoardFilesFixture {
protected:
    void WriteProgress(std::int32_t count, const std::vector<std::int32_t>& entries) const {
        std::string bytes = ProgressFile::Encode(entries);
        const std::string counted = ProgressFile::Encode({count});
        bytes.replace(0, 4, counted.substr(4, 4));
        Dir().Write("Rest.pa", bytes);
    }

    std::string Progress() const { return Dir().Read("Rest.pa"); }

    // Wins level `n` on a one-move layout.
    void Win(Board& board, int n) const {
        WriteLevel(n, MakeGrid({{2, 1, 2}}));
        Start(board, n);
        ASSERT_EQ(board.PieceAt(CenterX(1), CenterY(2)), 2);
        ASSERT_EQ(board.MoveToward(CenterX(1), CenterY(4)), MoveOutcome::Won);
        ASSERT_EQ(CheckWin(board), 1);
    }
};

TEST_F(ProgressTest, MissingFileIsCreatedEmptyAndPlayStartsAtLevelOne) {
    const auto board = NewBoard();
    EXPECT_EQ(Progress(), std::string(4, '\0'));
    EXPECT_EQ(board->level, 1);
    EXPECT_EQ(board->maxLevel, 1) << "maxboard absent gives 1";
}

TEST_F(ProgressTest, StartsAtTheFirstLevelNotCleared) {
    WriteProgress(2, {1, 2});
    EXPECT_EQ(NewBoard()->level, 3);

    WriteProgress(1, {3});
    const auto board = NewBoard();
    EXPECT_EQ(board->level, 1);
    EXPECT_EQ(board->cleared[3], 1);
    EXPECT_EQ(board->cleared[1], 0);

    std::vector<std::int32_t> all;
    for (int n = 1; n <= 267; ++n) {
        all.push_back(n);
    }
    WriteProgress(267, all);
    EXPECT_EQ(NewBoard()->level, 1) << "everything cleared: level stays 1";
}

TEST_F(ProgressTest, WinAddsTheLevelInAscendingOrder) {
    WriteProgress(1, {3});
    const auto board = NewBoard();
    Win(*board, 1);
    EXPECT_EQ(Progress(), ProgressFile::Encode({1, 3}));
}

TEST_F(ProgressTest, WinningAListedLevelLeavesTheFileUntouched) {
    // A file the program would not write: the same level twice, out of order.
    WriteProgress(3, {3, 1, 3});
    const std::string before = Progress();
    const auto board = NewBoard();
    Win(*board, 1);
    EXPECT_EQ(Progress(), before);
}

TEST_F(ProgressTest, DamagedCountsAndEntriesFlagOnlyWhatTheFileHolds) {
    WriteProgress(2000000000, {2, 0, -7, 268, 100000, 5});
    const auto board = NewBoard();
    EXPECT_EQ(board->cleared[2], 1);
    EXPECT_EQ(board->cleared[5], 1);
    int flagged = 0;
    for (const auto flag : board->cleared) {
        flagged += flag != 0;
    }
    EXPECT_EQ(flagged, 2);
    EXPECT_EQ(board->level, 1);

    std::vector<std::int32_t> padded(ProgressFile::kMaxEntries, 0);
    padded.push_back(7);
    WriteProgress(2000000000, padded);
    EXPECT_EQ(NewBoard()->cleared[7], 0) << "entries past the cap are not read";

    WriteProgress(-3, {4});
    EXPECT_EQ(NewBoard()->cleared[4], 0) << "a negative count lists nothing";

    Dir().Write("Rest.pa", std::string("\x01\x00", 2));
    EXPECT_EQ(NewBoard()->level, 1) << "a short file reads as count 0";
    EXPECT_EQ(Progress(), std::string("\x01\x00", 2)) << "and is not rewritten at start";
}

TEST_F(ProgressTest, CountAlwaysMatchesTheEntriesWritten) {
    // A count larger than the entries: a win rewrites the file with a true count.
    WriteProgress(5, {2});
    const auto board = NewBoard();
    Win(*board, 1);
    EXPECT_EQ(Progress(), ProgressFile::Encode({1, 2}));

    // A win that could not be saved is written with the next one, and counted.
    Dir().Write("Rest.pa", "");
    std::filesystem::remove(Dir().File("Rest.pa"));
    Win(*board, 3);
    EXPECT_FALSE(Dir().Exists("Rest.pa")) << "no file to open: nothing is written";
    EXPECT_EQ(board->cleared[3], 1) << "the win still counts in memory";
    Dir().Write("Rest.pa", ProgressFile::Encode({}));
    Win(*board, 4);
    EXPECT_EQ(Progress(), ProgressFile::Encode({1, 2, 3, 4}));
    EXPECT_EQ(NewBoard()->level, 5);
}

TEST_F(ProgressTest, AnUnreadableProgressFileIsNeverReplaced) {
    // A folder where the file should be cannot be read as progress; it must survive.
    Dir().Write("Rest.pa/keep", "player data");
    const auto board = NewBoard();
    EXPECT_EQ(board->level, 1);
    Win(*board, 1);
    EXPECT_EQ(Dir().Read("Rest.pa/keep"), "player data");
}

TEST_F(ProgressTest, MaxLevelReadsTheFirstFourCharacters) {
    Dir().Write("set.ini", "[Board]\nMaxBoard = 12345\n");
    EXPECT_EQ(NewBoard()->maxLevel, 1234);
    Dir().Write("set.ini", "[board]\nmaxboard=many\n");
    EXPECT_EQ(NewBoard()->maxLevel, 0);
}

// The play saves and answers from what each move did, with no view listening: a blocked move
// answers nothing, the winning move is answered as a move and then as a win already saved, and
// the finished board answers no more. Catches a win saved by a view instead of the play, a
// blocked move answered as a move (in the game it takes a showing hint away), and a win told
// again for a press on the finished board.
TEST_F(ProgressTest, PlaySavesAndAnswersOnlyWhatEachMoveDid) {
    WriteLevel(1, MakeGrid({{2, 1, 2}, {19, 0, 0}, {20, 0, 1}}));
    game::Play play(folder.Folders());
    play.Restore();
    std::vector<int> moved;
    std::vector<game::WinReport> wins;
    play.onMoved = [&moved](int piece, int, int) { moved.push_back(piece); };
    play.onWon = [this, &wins](const game::WinReport& report) {
        EXPECT_EQ(Progress(), ProgressFile::Encode({1})) << "saved before it is answered";
        wins.push_back(report);
    };
    play.StartLevel(1);

    play.PressCell(CenterX(0), CenterY(0));
    ASSERT_EQ(play.GetBoard().selected, 19);
    play.MoveKey(Direction::Down);
    play.MoveKey(Direction::Up);
    EXPECT_TRUE(moved.empty()) << "soldier 20 and the edge are in the way";
    EXPECT_EQ(play.GetBoard().steps, 0);

    play.PressCell(CenterX(1), CenterY(2));
    play.PressCell(CenterX(1), CenterY(4));
    EXPECT_EQ(moved, std::vector<int>{2});
    ASSERT_EQ(wins.size(), 1u);
    EXPECT_EQ(wins[0].level, 1);
    EXPECT_EQ(wins[0].steps, 1);
    EXPECT_EQ(wins[0].fewest, 1);
    EXPECT_FALSE(wins[0].assisted);
    game::PersonalRecords saved;
    ASSERT_EQ(
        game::RecordsFile::Read(platform::OpenFile(Dir().File("records.dat"), "rb").get(), saved),
        game::RecordsFile::Status::Ok);
    EXPECT_EQ(saved.Of(1).best, 1);

    play.PressCell(CenterX(1), CenterY(3));
    play.PressCell(CenterX(1), CenterY(0));
    play.MoveKey(Direction::Up);
    EXPECT_EQ(moved.size(), 1u);
    EXPECT_EQ(wins.size(), 1u);
    EXPECT_EQ(play.GetBoard().steps, 1);
}

} // namespace
