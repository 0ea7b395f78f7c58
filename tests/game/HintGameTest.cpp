// Hints in the whole game: the H key, the fewest-steps counter on the game's timers, and a win
// after a hint, which is recorded but earns nothing in the sitting's results.
#include <gtest/gtest.h>

#include "GameFixture.h"
#include "puzzle/Board.h"
#include "puzzle/Solver.h"

namespace gametest {
namespace {

class HintGameTest : public GameFixture {
protected:
    RouteGuide& Guide() { return Game().boardScreen.Guide(); }

    // Lets the level's table finish, then the game's poll timer fire.
    void FinishTable() {
        Game().play.FewestFromStart();
        Advance(RouteGuide::kPollMs);
    }
};

TEST_F(HintGameTest, CounterAndHintRunOnTheGamesTimersAndKeys) {
    ASSERT_NO_FATAL_FAILURE(Launch());
    ASSERT_NO_FATAL_FAILURE(StartFromMenu());
    FinishTable();
    const NumberDisplay& fewest = Guide().fewestCounter;
    EXPECT_TRUE(fewest.visible);
    EXPECT_EQ(fewest.value, Solver::Solve(LevelGrid(1)).steps);

    Tap(platform::Key::H);
    ASSERT_TRUE(Guide().HintShown());
    Advance(RouteGuide::kHintMs - 10);
    EXPECT_TRUE(Guide().HintShown());
    Advance(10);
    EXPECT_FALSE(Guide().HintShown()) << "gone after its time";
    EXPECT_EQ(Game().GetBoard().steps, 0);

    // Under the leave dialog the key does nothing.
    Tap(platform::Key::Escape);
    ASSERT_TRUE(Game().Leave().visible);
    Tap(platform::Key::H);
    EXPECT_FALSE(Guide().HintShown());
}

TEST_F(HintGameTest, AssistedWinIsRecordedButDoesNotRaiseTheSittingsTotal) {
    ASSERT_NO_FATAL_FAILURE(Launch());
    ASSERT_NO_FATAL_FAILURE(StartFromMenu());
    FinishTable();
    Tap(platform::Key::H);
    ASSERT_TRUE(Guide().HintShown());
    ASSERT_NO_FATAL_FAILURE(PlayShortestSolution());
    ASSERT_TRUE(Game().boardScreen.WinPanel().visible);
    EXPECT_EQ(Game().LevelsWonSinceStart(), 0);
    EXPECT_EQ(ReadProgress(), std::vector<std::int32_t>{1}) << "cleared all the same";

    Click(Game().boardScreen.WinPanel().nextButton);
    ASSERT_EQ(Game().GetBoard().level, 2);
    ASSERT_NO_FATAL_FAILURE(PlayShortestSolution());
    EXPECT_EQ(Game().LevelsWonSinceStart(), 1) << "an unassisted win counts";
    EXPECT_EQ(Game().boardScreen.WinPanel().tally.steps.value, Solver::Solve(LevelGrid(2)).steps);
    EXPECT_EQ(Game().boardScreen.WinPanel().tally.fewest.value, Solver::Solve(LevelGrid(2)).steps);
}

} // namespace
} // namespace gametest
