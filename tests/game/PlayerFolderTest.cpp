#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "GameFixture.h"
#include "OnWindows.h"
#include "ScopedEnv.h"
#include "TempDir.h"
#include "Unprivileged.h"
#include "game/LevelLoader.h"
#include "game/ProgressStore.h"
#include "game/screens/LeaderboardFile.h"
#include "platform/FileSystem.h"
#include "platform/Settings.h"
#include "puzzle/Board.h"
#include "puzzle/LevelBuilder.h"
#include "puzzle/ProgressFile.h"

using namespace app;
using namespace puzzle;
using namespace game;

namespace gametest {
namespace {

namespace fs = std::filesystem;

// The game installed in a folder its player cannot write, with a data home of its own.
class PlayerFolderTest : public GameFixture {
protected:
    ~PlayerFolderTest() override {
        std::error_code ignored;
        fs::permissions(folder.Path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }

    // Runs `body` with the game folder read-only for the player: as nobody when the tests run as
    // root, who may write anywhere.
    ::testing::AssertionResult WithReadOnlyGame(const std::function<void()>& body) {
        const std::function<void()> run = [this, &body] {
            fs::permissions(folder.Path(),
                            fs::perms::owner_write | fs::perms::group_write |
                                fs::perms::others_write,
                            fs::perm_options::remove);
            body();
        };
        if (!RunningAsRoot()) {
            run();
            return ::testing::AssertionSuccess();
        }
        return RunUnprivileged({folder.Path(), data.Path()}, run);
    }

    std::string PlayerFile(const char* name) const { return data.Path() + "tovak-marudo/" + name; }
    std::string PlayerSetting(const char* section, const char* key) const {
        return platform::Settings::ReadString(PlayerFile("set.ini"), section, key, "absent");
    }

    // Ends the game as the player does, by closing its window.
    void Close() {
        game->PostEvent(platform::Event::Of(platform::EventKind::Close));
        EXPECT_FALSE(game->DispatchMessages());
        game.reset();
    }

    // Wins level 1, enters a name for the result, wins level 1 again and moves on to level 2.
    void PlayASitting() {
        ASSERT_NO_FATAL_FAILURE(StartFromMenu());
        ASSERT_EQ(Game().GetBoard().level, 1);
        ASSERT_NO_FATAL_FAILURE(PlayShortestSolution());
        ASSERT_TRUE(Game().boardScreen.WinPanel().visible);
        Click(Game().boardScreen.WinPanel().closeButton);
        ASSERT_TRUE(Game().boardScreen.Entry().visible);
        Type("Ann");
        Click(Game().boardScreen.Entry().okButton);
        Advance(100);
        ASSERT_NO_FATAL_FAILURE(StartFromMenu());
        ASSERT_NO_FATAL_FAILURE(PlayShortestSolution());
        Click(Game().boardScreen.WinPanel().nextButton);
        ASSERT_EQ(Game().GetBoard().level, 2);
    }

    TempDir data;
    ScopedEnv dataHome{"XDG_DATA_HOME", data.Path()};
};

TEST(PlayerFilesTest, LevelsComeFromTheGameFolderAndProgressGoesToThePlayers) {
    TempDir gameDir;
    TempDir playerDir;
    const core::GameFolders folders(gameDir.Path(), playerDir.Path());
    gameDir.Write("Board/2.dat", LevelFile::Encode(MakeGrid({{2, 1, 2}})));
    Board board;
    ProgressStore(folders).Restore(board);
    EXPECT_EQ(playerDir.Read("Rest.pa"), ProgressFile::Encode({}));

    LevelLoader(folders).Start(board, 2);
    EXPECT_EQ(board.grid, MakeGrid({{2, 1, 2}}));
    EXPECT_EQ(playerDir.Read("set.ini"), "[board]\nnboard=2\n");
    ASSERT_EQ(board.PieceAt(1 * 98 + 49, 2 * 94 + 47), 2);
    ASSERT_EQ(board.MoveToward(1 * 98 + 49, 4 * 94 + 47), MoveOutcome::Won);
    ProgressStore(folders).RecordClear(board);
    EXPECT_EQ(playerDir.Read("Rest.pa"), ProgressFile::Encode({2}));
    EXPECT_FALSE(gameDir.Exists("set.ini"));
    EXPECT_FALSE(gameDir.Exists("Rest.pa"));
}

TEST_F(PlayerFolderTest, AReadOnlyGameKeepsProgressSettingsAndResultsInTheDataHome) {
    SKIP_ON_WINDOWS("a read-only game folder and the XDG data home are POSIX's");
    const std::string defaults = folder.Read("set.ini");
    EXPECT_TRUE(WithReadOnlyGame([this, &defaults] {
        ASSERT_NO_FATAL_FAILURE(Launch());
        EXPECT_EQ(context->Folders().Game(), folder.Path());
        EXPECT_EQ(context->Folders().Player(), data.Path() + "tovak-marudo/");
        ASSERT_NO_FATAL_FAILURE(PlayASitting());
        Close();

        std::string progress;
        ASSERT_EQ(platform::ReadWholeFile(PlayerFile("Rest.pa"), progress, 1 << 20),
                  platform::ReadResult::Ok);
        EXPECT_EQ(progress, ProgressFile::Encode({1}));
        EXPECT_EQ(PlayerSetting("board", "nboard"), "2");
        EXPECT_EQ(PlayerSetting("volume", "music"), "7") << "seeded from the game's set.ini";
        LeaderboardFile::Table results{};
        ASSERT_TRUE(LeaderboardFile::Read(PlayerFile("st.data"), results));
        EXPECT_EQ(LeaderboardFile::NameText(results[0]), "Ann");

        // A new start on the same folders: the next level is current, the table remembers.
        ASSERT_NO_FATAL_FAILURE(Launch());
        EXPECT_EQ(Game().GetBoard().level, 2);
        EXPECT_EQ(Game().GetBoard().cleared[1], 1);
        Click(Game().Menu().leaderboardButton);
        EXPECT_EQ(Game().Menu().leaderboardTable.cells[0][0], "Ann");
        Close();

        EXPECT_EQ(folder.Read("set.ini"), defaults) << "the game's own settings are untouched";
        EXPECT_FALSE(folder.Exists("Rest.pa"));
        EXPECT_FALSE(folder.Exists("st.data"));
    }));
}

TEST_F(PlayerFolderTest, ADamagedProgressFileInTheDataHomeIsReadAsNoneAndKept) {
    SKIP_ON_WINDOWS("a read-only game folder and the XDG data home are POSIX's");
    // The count says two levels, the file holds half of one.
    const std::string damaged("\x02\x00\x00\x00\x01\x00", 6);
    data.Write("tovak-marudo/Rest.pa", damaged);
    data.Write("tovak-marudo/set.ini", "[board]\nmaxboard=12\n");
    EXPECT_TRUE(WithReadOnlyGame([this, &damaged] {
        ASSERT_NO_FATAL_FAILURE(Launch());
        EXPECT_EQ(context->Folders().Player(), data.Path() + "tovak-marudo/");
        EXPECT_EQ(Game().GetBoard().maxLevel, 12) << "the player's settings are the ones read";
        EXPECT_EQ(Game().GetBoard().level, 1);
        EXPECT_EQ(Game().GetBoard().cleared[1], 0);
        Close();
        EXPECT_EQ(data.Read("tovak-marudo/Rest.pa"), damaged);
        EXPECT_EQ(data.Read("tovak-marudo/set.ini"), "[board]\nmaxboard=12\n")
            << "the player's settings are not seeded over";
    }));
}

} // namespace
} // namespace gametest
