#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>

#include <gtest/gtest.h>

#include "OnWindows.h"
#include "ScopedEnv.h"
#include "TempDir.h"
#include "Unprivileged.h"
#include "core/GameFolders.h"
#include "platform/FileSystem.h"
#include "platform/Folders.h"

namespace {

namespace fs = std::filesystem;

using core::GameFolders;

TEST(GameFoldersTest, DirectoryKeepsExactlyOneTrailingSeparator) {
    EXPECT_EQ(GameFolders::DirectoryOf("/opt/game/tovak-marudo"), "/opt/game/");
    EXPECT_EQ(GameFolders::DirectoryOf("/opt/game//tovak-marudo"), "/opt/game/");
    EXPECT_EQ(GameFolders::DirectoryOf("C:\\Games\\tm.exe"), "C:\\Games\\");
    EXPECT_EQ(GameFolders::DirectoryOf("tovak-marudo"), "");
    EXPECT_EQ(GameFolders::DirectoryOf("/tovak-marudo"), "/");
}

TEST(GameFoldersTest, TheGameFolderIsTheRunningProgramsFolder) {
    const std::string program = platform::ExecutablePath();
    const core::GameFolders folders = GameFolders::ForExecutable(program);
    EXPECT_NE(program.find("core_tests"), std::string::npos) << program;
    EXPECT_EQ(program.rfind(folders.Game(), 0), 0u);
    EXPECT_EQ(folders.Game().back(), kOnWindows ? '\\' : '/');
}

// Administrators may write under Program Files: an installed game must not take that for a
// portable copy.
TEST(GameFoldersTest, AGameUnderProgramFilesKeepsThePlayersFilesInTheDataHome) {
    if (!kOnWindows) {
        GTEST_SKIP() << "Program Files is Windows's; Linux tells an installed game by its layout";
    }
    const char* programFiles = std::getenv("ProgramFiles");
    ASSERT_NE(programFiles, nullptr);
    const std::string game = std::string(programFiles) + "\\Tovak Marudo Test\\";
    const TempDir elsewhere;
    for (const std::string& folder : {game, elsewhere.Path()}) {
        fs::create_directories(folder + "Board");
        std::ofstream(folder + "Board/1.dat") << "level";
    }
    EXPECT_TRUE(platform::Folders::InProgramFiles(game));
    EXPECT_FALSE(platform::Folders::InProgramFiles(elsewhere.Path()));
    const GameFolders installed = GameFolders::ForExecutable(game + "tovak-marudo.exe");
    EXPECT_EQ(installed.Game(), game);
    EXPECT_EQ(installed.Player(), platform::Folders::UserData(GameFolders::kTitle));
    EXPECT_NE(installed.Player().find("\\Tovak Marudo\\"), std::string::npos);
    EXPECT_EQ(GameFolders::ForExecutable(elsewhere.File("tovak-marudo.exe")).Player(),
              elsewhere.Path())
        << "a portable copy elsewhere keeps them beside the program";
    fs::remove_all(game);
}

// An installed tree: the program in games/ (never run here, only named) and the data where the
// installed layout puts it, under one prefix.
class InstalledLayoutTest : public ::testing::Test {
protected:
    void SetUp() override { SKIP_ON_WINDOWS("Linux's installed layout and XDG data home"); }

    std::string Program() const { return prefix.File("games/tovak-marudo"); }
    std::string InstalledData() const { return prefix.File("share/games/tovak-marudo/"); }

    TempDir prefix;
    TempDir dataHome;
    ScopedEnv xdgData{"XDG_DATA_HOME", dataHome.Path()};
};

TEST_F(InstalledLayoutTest, TheInstalledDataIsFoundBesideTheProgramsFolder) {
    prefix.Write("share/games/tovak-marudo/Board/1.dat", "level");
    prefix.Write("share/games/tovak-marudo/set.ini", "[volume]\nsound=5\n");
    EXPECT_EQ(GameFolders::GameFolderOf(Program()), InstalledData());
    const GameFolders folders = GameFolders::ForExecutable(Program());
    EXPECT_EQ(folders.Game(), InstalledData());
    EXPECT_EQ(folders.GameFile("Board/1.dat"), InstalledData() + "Board/1.dat");
    // Shared by every player: never the player's folder, though this process may write there.
    EXPECT_EQ(folders.Player(), dataHome.File("tovak-marudo/"));
    EXPECT_EQ(dataHome.Read("tovak-marudo/set.ini"), "[volume]\nsound=5\n");
    EXPECT_FALSE(std::filesystem::exists(InstalledData() + "Rest.pa"));
}

TEST_F(InstalledLayoutTest, DataBesideTheProgramWinsOverAnInstalledCopy) {
    prefix.Write("games/Board/1.dat", "portable");
    prefix.Write("share/games/tovak-marudo/Board/1.dat", "installed");
    EXPECT_EQ(GameFolders::GameFolderOf(Program()), prefix.File("games/"));
}

TEST_F(InstalledLayoutTest, WithoutDataAnywhereTheProgramsFolderStays) {
    EXPECT_EQ(GameFolders::GameFolderOf(Program()), prefix.File("games/"));
    // A data folder without the levels is no game folder.
    prefix.Write("share/games/tovak-marudo/set.ini", "");
    prefix.Write("share/games/tovak-marudo/Board/2.dat", "");
    EXPECT_EQ(GameFolders::GameFolderOf(Program()), prefix.File("games/"));
    EXPECT_EQ(GameFolders::GameFolderOf("tovak-marudo"), "");
}

// A game folder with its default settings, and a data home and a home of their own.
class LocateTest : public ::testing::Test {
protected:
    static constexpr const char* kDefaults = "[board]\nmaxboard=267\n[volume]\nsound=5\n";
    static constexpr const char* kPosixOnly =
        "a read-only folder and the XDG data home are POSIX's";

    LocateTest() { game.Write("set.ini", kDefaults); }
    // Without write permission an ordinary user could not clear the folder away.
    ~LocateTest() override {
        std::error_code ignored;
        fs::permissions(game.Path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }

    // Runs `body` as an ordinary player, for whom a folder without write permission is
    // read-only; root writes anywhere. The game folder is made read-only first.
    ::testing::AssertionResult AsPlayerWithReadOnlyGame(const std::function<void()>& body) {
        const std::function<void()> run = [this, &body] {
            fs::permissions(game.Path(), fs::perms::owner_read | fs::perms::owner_exec |
                                             fs::perms::group_read | fs::perms::group_exec |
                                             fs::perms::others_read | fs::perms::others_exec);
            body();
        };
        if (!RunningAsRoot()) {
            run();
            return ::testing::AssertionSuccess();
        }
        return RunUnprivileged({game.Path(), data.Path(), home.Path()}, run);
    }

    std::string Expected(const TempDir& base, const char* below) const {
        return base.Path() + below + "tovak-marudo/";
    }

    TempDir game;
    TempDir data;
    TempDir home;
    ScopedEnv dataHome{"XDG_DATA_HOME", data.Path()};
    ScopedEnv homeFolder{"HOME", home.Path()};
};

TEST_F(LocateTest, WritableGameFolderIsThePlayersFolder) {
    const GameFolders folders = GameFolders::Locate(game.Path());
    EXPECT_EQ(folders.Game(), game.Path());
    EXPECT_EQ(folders.Player(), game.Path());
    EXPECT_EQ(folders.SettingsFile(), game.File("set.ini"));
    EXPECT_EQ(folders.ProgressFile(), game.File("Rest.pa"));
    EXPECT_EQ(folders.LeaderboardFile(), game.File("st.data"));
    EXPECT_EQ(folders.RecordsFile(), game.File("records.dat"));
    EXPECT_FALSE(data.Exists("tovak-marudo")) << "a portable copy leaves the data home alone";
    EXPECT_EQ(std::distance(fs::directory_iterator(game.Path()), fs::directory_iterator()), 1)
        << "the probe leaves nothing behind";
}

TEST_F(LocateTest, ReadOnlyGameFolderSendsThePlayersFilesToTheDataHome) {
    SKIP_ON_WINDOWS(kPosixOnly);
    EXPECT_TRUE(AsPlayerWithReadOnlyGame([this] {
        const GameFolders folders = GameFolders::Locate(game.Path());
        EXPECT_EQ(folders.Game(), game.Path());
        EXPECT_EQ(folders.Player(), Expected(data, ""));
        EXPECT_EQ(folders.ProgressFile(), Expected(data, "") + "Rest.pa");
        EXPECT_EQ(data.Read("tovak-marudo/set.ini"), kDefaults) << "seeded from the game";
        EXPECT_EQ(fs::status(Expected(data, "")).permissions() & fs::perms::all,
                  fs::perms::owner_all);
        EXPECT_EQ(std::distance(fs::directory_iterator(game.Path()), fs::directory_iterator()), 1);
    }));
}

TEST_F(LocateTest, WithoutAUsableDataHomeTheHomeFolderIsUsed) {
    SKIP_ON_WINDOWS(kPosixOnly);
    for (const std::optional<std::string>& value :
         {std::optional<std::string>(), std::optional<std::string>(""),
          std::optional<std::string>("relative/data")}) {
        ScopedEnv unusable("XDG_DATA_HOME", value);
        EXPECT_TRUE(AsPlayerWithReadOnlyGame([this] {
            const GameFolders folders = GameFolders::Locate(game.Path());
            EXPECT_EQ(folders.Player(), Expected(home, ".local/share/"));
            EXPECT_EQ(home.Read(".local/share/tovak-marudo/set.ini"), kDefaults);
            EXPECT_FALSE(fs::exists("relative")) << "a relative data home is ignored";
        })) << (value ? "\"" + *value + "\"" : "unset");
    }
}

TEST_F(LocateTest, ThePlayersOwnSettingsAreNeverReplacedBySeeding) {
    SKIP_ON_WINDOWS(kPosixOnly);
    data.Write("tovak-marudo/set.ini", "\xff\xfe damaged [volume\n");
    data.Write("tovak-marudo/Rest.pa", "\x01");
    EXPECT_TRUE(AsPlayerWithReadOnlyGame([this] {
        const GameFolders folders = GameFolders::Locate(game.Path());
        EXPECT_EQ(folders.Player(), Expected(data, ""));
        EXPECT_EQ(data.Read("tovak-marudo/set.ini"), "\xff\xfe damaged [volume\n");
        EXPECT_EQ(data.Read("tovak-marudo/Rest.pa"), "\x01");
    }));
}

TEST_F(LocateTest, AGameWithoutSettingsSeedsNothing) {
    SKIP_ON_WINDOWS(kPosixOnly);
    fs::remove(game.File("set.ini"));
    EXPECT_TRUE(AsPlayerWithReadOnlyGame([this] {
        EXPECT_EQ(GameFolders::Locate(game.Path()).Player(), Expected(data, ""));
        EXPECT_TRUE(data.Exists("tovak-marudo"));
        EXPECT_FALSE(data.Exists("tovak-marudo/set.ini"));
    }));
}

TEST_F(LocateTest, NoPlaceForThePlayersFilesLeavesThemInTheGameFolder) {
    SKIP_ON_WINDOWS(kPosixOnly);
    {
        ScopedEnv noData("XDG_DATA_HOME", std::nullopt);
        ScopedEnv noHome("HOME", std::nullopt);
        EXPECT_TRUE(AsPlayerWithReadOnlyGame(
            [this] { EXPECT_EQ(GameFolders::Locate(game.Path()).Player(), game.Path()); }));
    }
    // A data home the player cannot write in.
    ScopedEnv lockedData("XDG_DATA_HOME", game.Path() + "data");
    EXPECT_TRUE(AsPlayerWithReadOnlyGame([this] {
        EXPECT_EQ(GameFolders::Locate(game.Path()).Player(), game.Path());
        EXPECT_FALSE(game.Exists("data"));
    }));
}

} // namespace
