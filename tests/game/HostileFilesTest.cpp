#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "GameFixture.h"
#include "OnWindows.h"
#include "Unprivileged.h"
#include "game/ProgressStore.h"
#include "game/screens/LeaderboardFile.h"
#include "game/screens/SlideTime.h"
#include "platform/Settings.h"
#include "puzzle/Board.h"
#include "puzzle/ProgressFile.h"

using namespace core;
using namespace scene;
using namespace app;
using namespace widgets;
using namespace puzzle;
using namespace game;

namespace gametest {
namespace {

namespace fs = std::filesystem;

// The level the game opens on: levels 1 and 2 are cleared.
constexpr int kCurrentLevel = 3;
constexpr std::uintmax_t kHugeSize = 3ull << 30;

enum class Damage { Truncated, Empty, RandomBytes, Huge, Directory, Unreadable };

struct HostileCase {
    const char* file;
    Damage damage;
};

std::string DamageName(Damage damage) {
    switch (damage) {
    case Damage::Truncated:
        return "Truncated";
    case Damage::Empty:
        return "Empty";
    case Damage::RandomBytes:
        return "RandomBytes";
    case Damage::Huge:
        return "Huge";
    case Damage::Directory:
        return "Directory";
    case Damage::Unreadable:
        return "Unreadable";
    }
    return "Unknown";
}

// Every key the game reads from set.ini, with what a file without them yields.
struct SettingKey {
    const char* section;
    const char* key;
};
constexpr SettingKey kSettingKeys[] = {{"board", "maxboard"}, {"website", "web1"},
                                       {"website", "web2"},   {"volume", "sound"},
                                       {"volume", "music"},   {"set", "animate"}};

// What a file looked like before the game ran: its kind, size and, for small files, bytes.
struct FileState {
    bool exists = false;
    bool directory = false;
    std::uintmax_t size = 0;
    fs::perms permissions = fs::perms::unknown;
    std::string bytes;
};

class HostileFilesTest : public GameFixture, public ::testing::WithParamInterface<HostileCase> {
protected:
    void SetUp() override {
        WriteProgress({1, 2});
        WriteResults(4, "Top", 1);
        // Files the in-memory platform does not decode, with plausible headers.
        folder.Write("Cursor.cur", std::string("\0\0\2\0\1\0 \0", 8) + std::string(300, 'c'));
        fs::create_directories(folder.File("Music"));
        fs::create_directories(folder.File("Sound"));
        for (const char* track : {"begin.mp3", "board1.mp3", "board2.mp3", "board3.mp3"}) {
            folder.Write(std::string("Music/") + track, "ID3\3\0" + std::string(400, 'm'));
        }
        folder.Write("Sound/btn.wav", "RIFF\x40\0\0\0WAVEfmt " + std::string(300, 'w'));
    }

    void TearDown() override {
        // A file made unreadable must still be removable with its folder.
        std::error_code error;
        fs::permissions(folder.File(GetParam().file), fs::perms::owner_all, fs::perm_options::add,
                        error);
    }

    // Damages the file in place; the seed is fixed so a failure repeats.
    void DamageFile(const std::string& name, Damage damage) {
        const std::string path = folder.File(name);
        std::string bytes = folder.Read(name);
        switch (damage) {
        case Damage::Truncated:
            bytes.resize(bytes.size() / 2);
            folder.Write(name, bytes);
            break;
        case Damage::Empty:
            folder.Write(name, "");
            break;
        case Damage::RandomBytes: {
            std::mt19937 random(1234);
            for (char& c : bytes) {
                c = static_cast<char>(random());
            }
            folder.Write(name, bytes);
            break;
        }
        case Damage::Huge: {
            std::error_code error;
            fs::resize_file(path, kHugeSize, error);
            ASSERT_FALSE(error) << "cannot grow " << path;
            break;
        }
        case Damage::Directory:
            fs::remove(path);
            fs::create_directories(fs::path(path) / "inner");
            break;
        case Damage::Unreadable:
            ASSERT_EQ(::chmod(path.c_str(), 0), 0);
            ASSERT_NE(::access(path.c_str(), R_OK), 0) << "still readable: the case proves nothing";
            break;
        }
    }

    FileState StateOf(const std::string& name) const {
        FileState state;
        const fs::path path = folder.File(name);
        std::error_code error;
        state.exists = fs::exists(path, error);
        state.directory = fs::is_directory(path, error);
        state.permissions = fs::status(path, error).permissions();
        if (state.exists && !state.directory) {
            state.size = fs::file_size(path, error);
            if (state.size <= (1u << 20)) {
                state.bytes = folder.Read(name);
            }
        }
        return state;
    }

    std::set<std::int32_t> ProgressLevels() const {
        std::set<std::int32_t> levels;
        if (StateOf("Rest.pa").size > (1u << 20)) {
            return levels;
        }
        ProgressStore::Read(folder.File("Rest.pa"), [&levels](std::int32_t level) {
            // Numbers outside the level range are noise the game rightly forgets.
            if (level >= 1 && level <= kLevelCount) {
                levels.insert(level);
            }
            return levels.size() < 1000;
        });
        return levels;
    }

    std::vector<std::string> SettingValues() const {
        std::vector<std::string> values;
        for (const SettingKey& key : kSettingKeys) {
            values.push_back(platform::Settings::ReadString(folder.File("set.ini"), key.section,
                                                            key.key, "absent"));
        }
        return values;
    }

    // The level the game opened on: the first one the progress it could read leaves open.
    int playedLevel = 0;
    bool LevelIntact() const {
        return std::string(GetParam().file) != "Board/" + std::to_string(playedLevel) + ".dat";
    }

    // Menu, leaderboard, a start, one move, a win when the level could be read, and the
    // leave dialog back to the menu.
    void PlayThrough() {
        ASSERT_NO_FATAL_FAILURE(Launch());
        ASSERT_EQ(Game().screenState, GameApplication::kMainMenu);
        ASSERT_TRUE(Game().Menu().frame.visible);
        ASSERT_NO_FATAL_FAILURE(Render());

        Click(Game().Menu().leaderboardButton);
        Click(Game().Menu().leaderboardButton);
        ASSERT_EQ(Game().screenState, GameApplication::kMainMenu);
        Tap(platform::Key::Enter);
        ASSERT_EQ(Game().screenState, GameApplication::kPlaying);
        ASSERT_TRUE(Game().boardFrame.visible);
        const Board& board = Game().GetBoard();
        playedLevel = board.level;
        ASSERT_TRUE(playedLevel >= 1 && playedLevel <= kLevelCount) << playedLevel;
        if (std::string(GetParam().file) != "Rest.pa") {
            ASSERT_EQ(playedLevel, kCurrentLevel);
        }
        ASSERT_NO_FATAL_FAILURE(Render());

        if (LevelIntact()) {
            ASSERT_EQ(board.grid, LevelGrid(playedLevel));
            ASSERT_NO_FATAL_FAILURE(PlayShortestSolution(1));
            EXPECT_EQ(board.steps, 1);
            ASSERT_NO_FATAL_FAILURE(PlayShortestSolution());
            EXPECT_EQ(board.state, PlayState::Finished);
            // A damaged set.ini leaves slides on: the panel comes up as the last piece arrives.
            Advance(SlideTime::kDefaultMs);
            ASSERT_NO_FATAL_FAILURE(Render());
            EXPECT_TRUE(Game().boardScreen.WinPanel().visible);
            ASSERT_NO_FATAL_FAILURE(Render());
            Click(Game().boardScreen.WinPanel().nextButton);
            EXPECT_EQ(board.level, playedLevel + 1);
        } else {
            // Whatever the damaged level left on the board, presses on it must be safe.
            for (int cell = 0; cell < kColumns * kRows; ++cell) {
                Click(CellX(cell % kColumns), CellY(cell / kColumns));
            }
            EXPECT_GE(board.steps, 0);
        }
        ASSERT_NO_FATAL_FAILURE(Render());
        Tap(platform::Key::Escape);
        ASSERT_EQ(Game().screenState, GameApplication::kLeaveDialogOpen);
        Tap(platform::Key::Enter);
        ASSERT_EQ(Game().screenState, GameApplication::kMainMenu);
        ASSERT_NO_FATAL_FAILURE(Render());
    }

    // Damages the case's file, plays, closes the game, and checks what the files hold.
    void PlayDamaged() {
        const HostileCase& c = GetParam();
        const std::set<std::int32_t> progressBefore = ProgressLevels();
        ASSERT_NO_FATAL_FAILURE(DamageFile(c.file, c.damage));
        const std::string name = c.file;
        const FileState damaged = StateOf(name);
        const std::set<std::int32_t> readableProgress = ProgressLevels();
        const std::vector<std::string> readableSettings = SettingValues();

        ASSERT_NO_FATAL_FAILURE(PlayThrough());
        game->PostEvent(Event::Of(EventKind::Close));
        EXPECT_FALSE(game->DispatchMessages()) << "the close ends the loop";
        game.reset();

        const FileState after = StateOf(name);
        if (name == "Rest.pa") {
            // A win adds to what could be read; it never drops a level the file still held.
            const std::set<std::int32_t> now = ProgressLevels();
            EXPECT_TRUE(std::includes(now.begin(), now.end(), readableProgress.begin(),
                                      readableProgress.end()));
        } else {
            // The progress file itself was intact: the win joined the levels cleared before.
            std::set<std::int32_t> expected = progressBefore;
            if (LevelIntact()) {
                expected.insert(playedLevel);
            }
            EXPECT_EQ(ProgressLevels(), expected);
        }
        if (name == "set.ini") {
            // The game writes only the keys it changes; what it could read stays as it was.
            EXPECT_EQ(SettingValues(), readableSettings);
        }
        // Rest.pa is read entry by entry, so a win may rewrite it from what it held; set.ini is
        // read whole, so one too large to read must not be rewritten.
        const bool rewritable =
            name == "Rest.pa" || (name == "set.ini" && damaged.size <= (1u << 20));
        if (!rewritable || damaged.directory || c.damage == Damage::Unreadable) {
            // Neither written by play, or not readable: left exactly as it was.
            EXPECT_EQ(after.exists, damaged.exists);
            EXPECT_EQ(after.directory, damaged.directory);
            EXPECT_EQ(after.permissions, damaged.permissions);
            EXPECT_EQ(after.size, damaged.size);
            EXPECT_EQ(after.bytes, damaged.bytes);
        }
    }
};

TEST_P(HostileFilesTest, GameStartsPlaysAndKeepsWhatItCouldRead) {
    if (GetParam().damage == Damage::Unreadable) {
        SKIP_ON_WINDOWS("a file without read permission is POSIX's");
    }
    if (GetParam().damage == Damage::Unreadable && RunningAsRoot()) {
        // Root reads a file without permissions; the case runs as an ordinary player.
        EXPECT_TRUE(RunUnprivileged({folder.Path()}, [this] { PlayDamaged(); }));
        return;
    }
    PlayDamaged();
}

std::vector<HostileCase> AllCases() {
    const char* const files[] = {"Board/3.dat",
                                 "Rest.pa",
                                 "st.data",
                                 "set.ini",
                                 "Graphic/UI/youxijiemian.bmp",
                                 "Graphic/UI/lodingtiao_1.png",
                                 "Cursor.cur",
                                 "Music/begin.mp3",
                                 "Sound/btn.wav"};
    std::vector<HostileCase> cases;
    for (const char* file : files) {
        for (const Damage damage : {Damage::Truncated, Damage::Empty, Damage::RandomBytes,
                                    Damage::Huge, Damage::Directory, Damage::Unreadable}) {
            cases.push_back({file, damage});
        }
    }
    return cases;
}

std::string CaseName(const ::testing::TestParamInfo<HostileCase>& info) {
    std::string name = info.param.file;
    std::replace_if(
        name.begin(), name.end(),
        [](char c) { return std::isalnum(static_cast<unsigned char>(c)) == 0; }, '_');
    return name + "_" + DamageName(info.param.damage);
}

INSTANTIATE_TEST_SUITE_P(EachFileEachWay, HostileFilesTest, ::testing::ValuesIn(AllCases()),
                         CaseName);

} // namespace
} // namespace gametest
