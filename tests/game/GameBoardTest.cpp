#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "GameFixture.h"
#include "game/RecordsFile.h"
#include "game/screens/LeaderboardFile.h"
#include "platform/FileSystem.h"
#include "platform/TextRenderer.h"
#include "puzzle/Board.h"

using namespace core;
using namespace scene;
using namespace app;
using namespace widgets;
using namespace puzzle;
using namespace game;

namespace gametest {
namespace {

class WinFlowTest : public GameFixture {
protected:
    LeaderboardEntry& Entry() { return Game().boardScreen.Entry(); }

    // Starts on level 1 and plays it to the win panel.
    void WinLevelOne() {
        ASSERT_NO_FATAL_FAILURE(Launch());
        ASSERT_NO_FATAL_FAILURE(StartFromMenu());
        ASSERT_EQ(Game().GetBoard().level, 1);
        ASSERT_NO_FATAL_FAILURE(PlayShortestSolution());
    }

    LeaderboardFile::Table Results() const {
        LeaderboardFile::Table table{};
        EXPECT_TRUE(LeaderboardFile::Read(folder.File("st.data"), table));
        return table;
    }
};

TEST_F(WinFlowTest, WinningLevelOneShowsThePanelAndRecordsTheLevel) {
    ASSERT_NO_FATAL_FAILURE(WinLevelOne());
    const Board& board = Game().GetBoard();
    EXPECT_EQ(board.steps, 5) << "level 1 takes five steps";
    EXPECT_EQ(Game().boardScreen.View().StepCounter().value, 5);
    EXPECT_TRUE(Game().boardScreen.WinPanel().visible);
    EXPECT_EQ(ReadProgress(), std::vector<std::int32_t>{1});
    ASSERT_NO_FATAL_FAILURE(Render());
    const Picture& panel = Game().boardScreen.WinPanel();
    EXPECT_EQ(Pixel(panel.screenX + 5, panel.screenY + 5), ColourOf("Graphic/UI/guog.bmp"));
    EXPECT_EQ(Game().screenState, GameApplication::kPlaying);
}

TEST_F(WinFlowTest, NextLevelShowsLevelTwoFromItsStart) {
    ASSERT_NO_FATAL_FAILURE(WinLevelOne());
    Click(Game().boardScreen.WinPanel().nextButton);
    const Board& board = Game().GetBoard();
    EXPECT_EQ(board.level, 2);
    EXPECT_EQ(board.steps, 0);
    EXPECT_EQ(Game().boardScreen.View().StepCounter().value, 0);
    EXPECT_EQ(board.grid, LevelGrid(2));
    ExpectSpritesMatchBoard();
    EXPECT_FALSE(Game().boardScreen.WinPanel().visible);
    EXPECT_FALSE(Entry().visible) << "moving on offers no name entry";
    EXPECT_EQ(ReadProgress(), std::vector<std::int32_t>{1});
}

TEST_F(WinFlowTest, NameEnteredAfterAWinReachesTheTableOnTheMenu) {
    ASSERT_NO_FATAL_FAILURE(WinLevelOne());
    Click(Game().boardScreen.WinPanel().closeButton);
    EXPECT_FALSE(Game().boardScreen.WinPanel().visible);
    ASSERT_TRUE(Entry().visible) << "one level won beats the lowest score, 0";
    EXPECT_EQ(Entry().score, 1);
    int length = -1;
    Entry().nameField.GetText(length);
    EXPECT_EQ(length, 0) << "the field starts empty";
    EXPECT_TRUE(Entry().nameField.focused);
    ASSERT_NO_FATAL_FAILURE(Render());
    EXPECT_EQ(Pixel(Entry().screenX + 3, Entry().screenY + 3), ColourOf("Graphic/UI/pinput.bmp"))
        << "the entry is drawn over the board";

    Type("Ann");
    ASSERT_NO_FATAL_FAILURE(Render());
    const TextField& name = Entry().nameField;
    EXPECT_EQ(Pixel(name.screenX + 3 * platform::TextRenderer::kByteAdvance, name.screenY), 0xFFFF)
        << "the caret stands after the name";
    Click(Entry().okButton);
    EXPECT_FALSE(Entry().visible);
    const LeaderboardFile::Table results = Results();
    EXPECT_EQ(LeaderboardFile::NameText(results[0]), "Ann");
    EXPECT_EQ(results[0].score, 1);
    EXPECT_EQ(Game().screenState, GameApplication::kPlaying) << "the menu comes a little later";

    Advance(100);
    EXPECT_EQ(Game().screenState, GameApplication::kMainMenu);
    EXPECT_TRUE(Game().Menu().frame.visible);
    EXPECT_FALSE(Game().boardFrame.visible);
    EXPECT_TRUE(audio.IsPlaying(Track("begin.mp3")));
    EXPECT_EQ(BoardTracksPlaying(), 0);
    const TextTable& table = Game().Menu().leaderboardTable;
    ASSERT_TRUE(table.visible) << "the updated table greets the player";
    EXPECT_EQ(table.cells[0][0], "Ann");
    EXPECT_EQ(table.cells[0][1], "1");

    const int plays = BoardTrackPlays();
    ASSERT_NO_FATAL_FAILURE(StartFromMenu());
    EXPECT_EQ(BoardTrackPlays(), plays + 1);
    EXPECT_EQ(BoardTracksPlaying(), 1);
    EXPECT_FALSE(Entry().visible);

    // The next qualifying result finds the field empty again, though OK kept the name.
    ASSERT_NO_FATAL_FAILURE(PlayShortestSolution());
    Click(Game().boardScreen.WinPanel().closeButton);
    ASSERT_TRUE(Entry().visible);
    Entry().nameField.GetText(length);
    EXPECT_EQ(length, 0);
    EXPECT_EQ(Entry().score, 1) << "counted from the new start";
}

TEST_F(WinFlowTest, CancelledEntryLeavesTheTableAndStillReturnsToTheMenu) {
    ASSERT_NO_FATAL_FAILURE(WinLevelOne());
    const std::string before = folder.Read("st.data");
    Click(Game().boardScreen.WinPanel().closeButton);
    ASSERT_TRUE(Entry().visible);
    Type("Zed");
    Click(Entry().cancelButton);
    EXPECT_FALSE(Entry().visible);
    EXPECT_EQ(folder.Read("st.data"), before);
    Advance(100);
    EXPECT_EQ(Game().screenState, GameApplication::kMainMenu);
}

TEST_F(WinFlowTest, NewStartAfterLeavingAWonBoardShowsNoWinPanel) {
    ASSERT_NO_FATAL_FAILURE(WinLevelOne());
    Tap(platform::Key::Escape);
    Tap(platform::Key::Enter);
    ASSERT_EQ(Game().screenState, GameApplication::kMainMenu);
    ASSERT_NO_FATAL_FAILURE(StartFromMenu());
    const Board& board = Game().GetBoard();
    EXPECT_EQ(board.steps, 0);
    EXPECT_EQ(board.state, PlayState::Playing);
    EXPECT_FALSE(Game().boardScreen.WinPanel().visible)
        << "a level started afresh is not shown as won";
    ASSERT_NO_FATAL_FAILURE(Render());
    const Picture& panel = Game().boardScreen.WinPanel();
    EXPECT_NE(Pixel(panel.screenX + 5, panel.screenY + 5), ColourOf("Graphic/UI/guog.bmp"));
}

TEST_F(WinFlowTest, ResultNoBetterThanTheLowestScoreOffersNoEntry) {
    WriteResults(4, "Top", 1); // the lowest score is 1, and one level is won
    ASSERT_NO_FATAL_FAILURE(WinLevelOne());
    Click(Game().boardScreen.WinPanel().closeButton);
    EXPECT_FALSE(Game().boardScreen.WinPanel().visible);
    EXPECT_FALSE(Entry().visible);
    EXPECT_EQ(Game().screenState, GameApplication::kPlaying);
}

TEST_F(WinFlowTest, LevelsWonAddUpUntilTheNextStart) {
    WriteResults(4, "Top", 1);
    ASSERT_NO_FATAL_FAILURE(WinLevelOne());
    Click(Game().boardScreen.WinPanel().nextButton);
    ASSERT_NO_FATAL_FAILURE(PlayShortestSolution());
    ASSERT_TRUE(Game().boardScreen.WinPanel().visible);
    Click(Game().boardScreen.WinPanel().closeButton);
    ASSERT_TRUE(Entry().visible) << "two levels beat the lowest score, 1";
    EXPECT_EQ(Entry().score, 2);
}

TEST_F(WinFlowTest, AWinBecomesARecordOnDiskAndInTheLevelList) {
    ASSERT_NO_FATAL_FAILURE(WinLevelOne());
    const LevelRecord& record = Game().Records().Of(1);
    EXPECT_EQ(record.best, 5);
    EXPECT_TRUE(record.unassisted);
    PersonalRecords saved;
    ASSERT_EQ(RecordsFile::Read(platform::OpenFile(folder.File("records.dat"), "rb").get(), saved),
              RecordsFile::Status::Ok);
    EXPECT_EQ(saved, Game().Records());
    ASSERT_NO_FATAL_FAILURE(Render());
    // The record's last digit, just left of the row's mark beside the win panel.
    EXPECT_EQ(Pixel(561, 375), ColourOf("Graphic/UI/jlzi.bmp"));
    EXPECT_EQ(Pixel(565, 370), ColourOf("Graphic/UI/ytg.bmp"));
}

TEST_F(WinFlowTest, RecordsOfAnEarlierSessionAreReadAtStart) {
    PersonalRecords earlier;
    earlier.Set(3, LevelRecord{40, 28, false});
    folder.Write("records.dat", RecordsFile::Encode(earlier));
    ASSERT_NO_FATAL_FAILURE(Launch());
    EXPECT_EQ(Game().Records(), earlier);
}

using GameLifetimeTest = GameFixture;

// A display that cannot be set up ends the program without its window being closed: the game
// must then go without touching screens that are already gone.
TEST_F(GameLifetimeTest, GameWhoseDisplayFailedEndsCleanly) {
    EXPECT_EXIT(
        {
            Screen().recorder.refuseOpen = true;
            context = std::make_unique<GameContext>(platform, audioBackend);
            game = std::make_unique<GameApplication>(*context);
            const Application::InitResult started = Init();
            const bool running = game->StartRunning();
            game.reset();
            std::exit(started == Application::InitResult::Run && !running ? 0 : 2);
        },
        ::testing::ExitedWithCode(0), "");
}

} // namespace
} // namespace gametest
