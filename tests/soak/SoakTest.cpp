#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "GameFixture.h"
#include "game/ProgressStore.h"
#include "game/screens/LeaderboardFile.h"
#include "platform/Event.h"
#include "platform/FileSystem.h"
#include "platform/Settings.h"
#include "puzzle/Board.h"
#include "puzzle/ProgressFile.h"

using namespace audio;
using namespace puzzle;
using namespace game;

#if defined(__SANITIZE_ADDRESS__)
// A small quarantine, so that freed blocks held back by the address checker do not pass for a
// growing game in the memory samples.
extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=16";
}
#endif

namespace gametest {
namespace {

using Clock = std::chrono::steady_clock;

constexpr std::uint32_t kDefaultSeed = 20240611;
constexpr long kAllowedGrowthKb = 20 * 1024;
// A fresh game and audio recorder this often, so the recorder's log stays small.
constexpr int kStepsPerLaunch = 20000;

long EnvNumber(const char* name, long fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::strtol(text, nullptr, 10) : fallback;
}

long ResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return 0;
}

class GameSoak : public GameFixture {
protected:
    GameSoak() : random(kDefaultSeed) {}

    void SetUp() override {
        seed = static_cast<std::uint32_t>(EnvNumber("SOAK_SEED", kDefaultSeed));
        seconds = EnvNumber("SOAK_SECONDS", 60);
        random.seed(seed);
        std::printf("soak: seed %u (SOAK_SEED), %ld s (SOAK_SECONDS)\n", seed, seconds);
        WriteResults(3, "Top", 0);
        // Pieces slide, as for a player: presses and keys land during slides too.
        platform::Settings::WriteString(folder.File("set.ini"), "set", "animate", "1");
        storedWeb = Setting("website", "web2");
    }

    void TearDown() override { Close(); }

    // A new game on a new audio recorder.
    void Relaunch() {
        Close();
        recorder = std::make_unique<platform::MemoryAudioBackend>();
        recorder->SetEndNotice(
            [this] { platform.Queue().Post(Event::Of(EventKind::PlaybackEnded)); });
        audioBackend = recorder.get();
        ASSERT_NO_FATAL_FAILURE(Launch());
        stepsInLaunch = 0;
    }

    void Close() {
        if (game && Screen().Exists()) {
            game->PostEvent(Event::Of(EventKind::Close));
            game->DispatchMessages();
        }
        game.reset();
        context.reset();
        audioBackend = &audio;
        recorder.reset();
    }

    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    bool Chance(int percent) { return Pick(1, 100) <= percent; }

    void Note(std::string action) {
        recent.push_back(std::move(action));
        if (recent.size() > 30) {
            recent.pop_front();
        }
    }

    void ClickIfShown(const Element& element, const char* what) {
        if (element.visible) {
            Note(std::string("click ") + what);
            Click(element);
        }
    }

    void RandomClick() {
        const int x = Pick(0, kWidth - 1);
        const int y = Pick(0, 599);
        Note("click " + std::to_string(x) + "," + std::to_string(y));
        Click(x, y);
    }

    void ClickKnownButton() {
        GameApplication& g = Game();
        BoardScreen& screen = g.boardScreen;
        const Element* const buttons[] = {&g.Menu().startButton,
                                          &g.Menu().settingsButton,
                                          &g.Menu().leaderboardButton,
                                          &g.returnButton,
                                          &g.Leave().yesButton,
                                          &g.Leave().noButton,
                                          &screen.WinPanel().nextButton,
                                          &screen.WinPanel().closeButton,
                                          &screen.Links().moreGamesButton,
                                          &screen.Links().clickMeButton,
                                          &screen.Entry().okButton,
                                          &screen.Entry().cancelButton,
                                          &screen.LevelList().PrevListButton(),
                                          &screen.LevelList().NextListButton(),
                                          &g.Menu().settingsDialog.OkButton(),
                                          &g.Menu().settingsDialog.CancelButton(),
                                          &g.Menu().settingsDialog.FullscreenTick()};
        const int index = Pick(0, static_cast<int>(std::size(buttons)) - 1);
        ClickIfShown(*buttons[index], ("button " + std::to_string(index)).c_str());
    }

    void ChooseLevel() {
        LevelSelect& list = Game().boardScreen.LevelList();
        std::vector<int> shown;
        for (int n = 1; n <= kLevelCount; ++n) {
            if (list.LevelButton(n).visible) {
                shown.push_back(n);
            }
        }
        if (!shown.empty()) {
            const int n =
                shown[static_cast<std::size_t>(Pick(0, static_cast<int>(shown.size()) - 1))];
            ClickIfShown(list.LevelButton(n), ("level " + std::to_string(n)).c_str());
        }
    }

    void WinCurrentLevel() {
        GameApplication& g = Game();
        if (g.screenState != GameApplication::kPlaying || g.boardScreen.WinPanel().visible ||
            g.boardScreen.Entry().visible || g.GetBoard().state != PlayState::Playing) {
            return;
        }
        Note("win level " + std::to_string(g.GetBoard().level));
        PlayShortestSolution();
    }

    void ChangeSettings() {
        SettingsDialog& dialog = Game().Menu().settingsDialog;
        if (!dialog.visible) {
            ClickIfShown(Game().Menu().settingsButton, "settings");
            return;
        }
        DragPanel& knob = Chance(50) ? dialog.SoundKnob() : dialog.MusicKnob();
        const int level = Pick(-2, 17);
        Note("drag knob to " + std::to_string(level));
        const int y = knob.screenY + knob.height / 2;
        Drag(knob.screenX + knob.width / 2, y, dialog.screenX + 95 + 14 * level + knob.width / 2,
             y);
    }

    void EndATrack() {
        for (const std::string& path : recorder->LogOf("play")) {
            if (recorder->IsPlaying(path)) {
                Note("end " + path);
                recorder->EndTrack(path);
                game->DispatchMessages();
                return;
            }
        }
    }

    void TypeSomething() {
        std::string text;
        for (int i = Pick(1, 20); i > 0; --i) {
            text.push_back(static_cast<char>(Pick(1, 255)));
        }
        Note("type " + std::to_string(text.size()) + " characters");
        Type(text);
        if (Chance(30)) {
            Send(Event::Char(8)); // backspace
        }
    }

    void RandomStep() {
        static constexpr platform::Key kKeys[] = {platform::Key::Escape, platform::Key::Enter,
                                                  platform::Key::Left,   platform::Key::Right,
                                                  platform::Key::Up,     platform::Key::Down,
                                                  platform::Key::Tab,    platform::Key::Tab,
                                                  platform::Key::PageUp, platform::Key::PageDown};
        const int roll = Pick(0, 99);
        if (roll < 25) {
            RandomClick();
        } else if (roll < 45) {
            ClickKnownButton();
        } else if (roll < 52) {
            const int x = Pick(0, kWidth - 1);
            const int y = Pick(0, 599);
            Note("move " + std::to_string(x) + "," + std::to_string(y));
            MoveTo(x, y);
        } else if (roll < 62) {
            const platform::Key key = kKeys[Pick(0, std::size(kKeys) - 1)];
            Note("key " + std::to_string(static_cast<int>(key)));
            Tap(key);
        } else if (roll < 66) {
            TypeSomething();
        } else if (roll < 71) {
            ChooseLevel();
        } else if (roll < 75) {
            WinCurrentLevel();
        } else if (roll < 81) {
            ChangeSettings();
        } else if (roll < 83) {
            Note("alt+enter");
            Send(Event::Command(CommandId::ToggleFullScreen));
        } else if (roll < 84) {
            Note("focus lost and back");
            Send(Event::Of(EventKind::Deactivated));
            Send(Event::Of(EventKind::Activated));
        } else if (roll < 95) {
            const int ms = Pick(1, 700);
            Note("advance " + std::to_string(ms));
            Advance(static_cast<std::uint32_t>(ms));
        } else if (roll < 98) {
            EndATrack();
        } else {
            Note("render");
            Render();
        }
    }

    // The window and screens agree with the state, and the files on disk stay well formed.
    void CheckInvariants() {
        GameApplication& g = Game();
        const std::int32_t state = g.screenState;
        ASSERT_TRUE(state == GameApplication::kMainMenu || state == GameApplication::kPlaying ||
                    state == GameApplication::kLeaveDialogOpen)
            << "screen state " << state;
        if (state == GameApplication::kMainMenu) {
            EXPECT_TRUE(g.Menu().frame.visible && !g.boardFrame.visible) << "menu state";
        } else {
            EXPECT_TRUE(g.boardFrame.visible && !g.Menu().frame.visible) << "board state " << state;
            EXPECT_EQ(state == GameApplication::kLeaveDialogOpen, g.Leave().visible != 0)
                << "the leave dialog is shown exactly in its state";
        }
        int frames = 0;
        for (const Shape shape : {Shape::Across, Shape::Erect, Shape::Big, Shape::Small}) {
            frames += g.boardScreen.View().SelectionFrame(shape).visible ? 1 : 0;
        }
        EXPECT_LE(frames, 1) << "selection frames shown";
        EXPECT_GE(g.GetBoard().steps, 0);
        CheckFiles();
    }

    void CheckFiles() {
        std::string bytes;
        ASSERT_EQ(platform::ReadWholeFile(folder.File("Rest.pa"), bytes, 1 << 20),
                  platform::ReadResult::Ok);
        ASSERT_GE(bytes.size(), 4u);
        std::vector<std::int32_t> levels;
        ProgressStore::Read(folder.File("Rest.pa"), [&levels](std::int32_t level) {
            levels.push_back(level);
            return true;
        });
        EXPECT_EQ(bytes.size(), 4 * (levels.size() + 1)) << "count and entries agree";
        EXPECT_TRUE(std::is_sorted(levels.begin(), levels.end()) &&
                    std::adjacent_find(levels.begin(), levels.end()) == levels.end())
            << "levels ascending, each once";
        if (!levels.empty()) {
            EXPECT_TRUE(levels.front() >= 1 && levels.back() <= kLevelCount);
        }

        ASSERT_EQ(platform::ReadWholeFile(folder.File("st.data"), bytes, 1 << 20),
                  platform::ReadResult::Ok);
        EXPECT_EQ(bytes.size(), std::size_t{LeaderboardFile::kFileBytes});
        LeaderboardFile::Table table{};
        ASSERT_TRUE(LeaderboardFile::Read(folder.File("st.data"), table));
        EXPECT_TRUE(std::is_sorted(table.begin(), table.end(), [](const auto& a, const auto& b) {
            return a.score > b.score;
        })) << "best first";

        ASSERT_EQ(platform::ReadWholeFile(folder.File("set.ini"), bytes,
                                          platform::Settings::kMaxFileSize),
                  platform::ReadResult::Ok);
        EXPECT_EQ(Setting("board", "maxboard"), "267");
        EXPECT_EQ(Setting("website", "web2"), storedWeb);
        for (const char* key : {"sound", "music"}) {
            const int level =
                platform::Settings::ReadNumber(folder.File("set.ini"), "volume", key, "1");
            EXPECT_TRUE(level >= 0 && level <= 15) << key << " level " << level;
        }
    }

    void Run() {
        ASSERT_NO_FATAL_FAILURE(Relaunch());
        const auto start = Clock::now();
        const auto end = start + std::chrono::seconds(seconds);
        const auto warmUp = start + std::chrono::seconds(std::min<long>(10, seconds / 6));
        auto nextSample = start;
        long baseline = 0;
        long peak = 0;
        long steps = 0;
        int launches = 1;
        while (Clock::now() < end) {
            if (!Screen().Exists() || ++stepsInLaunch > kStepsPerLaunch) {
                Note("relaunch");
                ASSERT_NO_FATAL_FAILURE(Relaunch());
                ++launches;
            }
            RandomStep();
            ++steps;
            Screen().recorder.frames.clear();
            platform.opener.opened.clear();
            if (Screen().Exists()) {
                CheckInvariants();
            }
            if (HasFailure()) {
                Report(steps);
                return;
            }
            if (Clock::now() >= nextSample) {
                const long rss = ResidentKb();
                const long elapsed = static_cast<long>(
                    std::chrono::duration_cast<std::chrono::seconds>(Clock::now() - start).count());
                std::printf("soak: %4ld s  %8ld steps  %3d launches  VmRSS %ld kB\n", elapsed,
                            steps, launches, rss);
                std::fflush(stdout);
                if (baseline == 0 && Clock::now() >= warmUp) {
                    baseline = rss;
                }
                peak = std::max(peak, rss);
                if (baseline != 0) {
                    EXPECT_LE(rss - baseline, kAllowedGrowthKb)
                        << "resident memory grew from " << baseline << " kB after warm-up";
                }
                nextSample += std::chrono::seconds(5);
            }
        }
        std::printf("soak: %ld steps, %d launches, VmRSS after warm-up %ld kB, peak %ld kB\n",
                    steps, launches, baseline, peak);
    }

    void Report(long steps) {
        std::ostringstream out;
        out << "failed at step " << steps << " (seed " << seed << "); the last actions:\n";
        for (const std::string& action : recent) {
            out << "  " << action << "\n";
        }
        ADD_FAILURE() << out.str();
    }

    std::mt19937 random;
    std::uint32_t seed = kDefaultSeed;
    long seconds = 60;
    std::string storedWeb;
    std::unique_ptr<platform::MemoryAudioBackend> recorder;
    int stepsInLaunch = 0;
    std::deque<std::string> recent;
};

TEST_F(GameSoak, RandomPlayKeepsScreensAndFilesConsistentAndMemoryFlat) {
    Run();
}

} // namespace
} // namespace gametest
