#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "GameFixture.h"
#include "audio/MusicPlayer.h"
#include "core/TimerRegistry.h"
#include "puzzle/Board.h"
#include "puzzle/Piece.h"

using namespace core;
using namespace scene;
using namespace app;
using namespace widgets;
using namespace audio;
using namespace puzzle;
using namespace game;

namespace gametest {
namespace {

class GameMenuTest : public GameFixture {
protected:
    // How many pixels of the loading bar a frame shows, counted from its left end.
    int BarWidth(const FrameRecorder::Frame& frame) const {
        const std::uint16_t bar = ColourOf("Graphic/UI/lodingtiao_1.png");
        int width = 0;
        while (width < 354 && PixelOf(frame, 225 + width, 556) == bar) {
            ++width;
        }
        return width;
    }
};

// A save killed between its temporary file and the rename leaves that file behind.
TEST_F(GameMenuTest, AudioFailuresAreToldInTheGameWindowAndNoMusicWaitsForADisplay) {
    context = std::make_unique<GameContext>(platform, audioBackend);
    game = std::make_unique<GameApplication>(*context);
    EXPECT_EQ(Game().Music(), nullptr) << "no sound manager before the first display";
    game.reset();
    // Without a backend no player can be made: the click and the four tracks each say so.
    audioBackend = nullptr;
    ASSERT_NO_FATAL_FAILURE(Launch());
    ASSERT_NE(Game().Music(), nullptr);
    ASSERT_EQ(platform.screen.messageBoxes.size(), 5u);
    for (const auto& box : platform.screen.messageBoxes) {
        EXPECT_EQ(box.text, "Unable to create DirectShow Graph Builder object.");
        EXPECT_EQ(box.caption, "Error");
    }
}

TEST_F(GameMenuTest, StartRemovesTheTemporaryFilesOfKilledSavesAndNothingElse) {
    WriteProgress({1, 2});
    const std::string progress = folder.Read("Rest.pa");
    for (const char* left :
         {"Rest.pa.saving-a1B2c3", "set.ini.saving-Zz9Yy8", "st.data.saving-000000"}) {
        folder.Write(left, "half");
    }
    for (const char* other :
         {"Rest.pa.backup", "notes.txt.saving-a1B2c3", "Board/1.dat.saving-a1B2c3"}) {
        folder.Write(other, "mine");
    }
    ASSERT_NO_FATAL_FAILURE(Launch());
    for (const char* left :
         {"Rest.pa.saving-a1B2c3", "set.ini.saving-Zz9Yy8", "st.data.saving-000000"}) {
        EXPECT_FALSE(folder.Exists(left)) << left;
    }
    for (const char* other :
         {"Rest.pa.backup", "notes.txt.saving-a1B2c3", "Board/1.dat.saving-a1B2c3"}) {
        EXPECT_EQ(folder.Read(other), "mine") << other;
    }
    EXPECT_EQ(folder.Read("Rest.pa"), progress);
    ASSERT_NO_FATAL_FAILURE(StartFromMenu());
    EXPECT_EQ(Game().GetBoard().level, 3);
}

TEST_F(GameMenuTest, FirstStartShowsTheLoadingPictureThenTheMenuWithItsMusic) {
    ASSERT_NO_FATAL_FAILURE(Launch());
    const std::vector<FrameRecorder::Frame>& frames = Frames();
    ASSERT_GE(frames.size(), 2u);
    const std::uint16_t loading = ColourOf("Graphic/UI/lodingtiao.bmp");
    EXPECT_EQ(PixelOf(frames.front(), 400, 300), loading) << "the first frame is the loading one";
    EXPECT_EQ(PixelOf(frames.front(), 0, 0), loading);
    EXPECT_EQ(BarWidth(frames.front()), 1) << "the bar starts one pixel wide";

    // While the loading picture is up, the bar grows a quarter at a time.
    std::vector<int> widths;
    std::size_t lastLoading = 0;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        if (PixelOf(frames[i], 400, 300) == loading) {
            lastLoading = i;
            if (widths.empty() || widths.back() != BarWidth(frames[i])) {
                widths.push_back(BarWidth(frames[i]));
            }
        }
    }
    EXPECT_EQ(widths, (std::vector<int>{1, 88, 177, 265}));
    ASSERT_LT(lastLoading + 1, frames.size());
    EXPECT_EQ(PixelOf(frames[lastLoading + 1], 400, 300), 0)
        << "the frame that hides the loading picture shows neither screen";

    EXPECT_EQ(PixelOf(frames.back(), 400, 300), ColourOf("Graphic/UI/youxijiemian.bmp"))
        << "the last frame of the start is the menu";
    EXPECT_EQ(PixelOf(frames.back(), 400, 470), ColourOf("Graphic/Button/start.bmp"));
    EXPECT_EQ(Game().screenState, GameApplication::kMainMenu);
    EXPECT_TRUE(Game().Menu().frame.visible);
    EXPECT_FALSE(Game().boardFrame.visible);

    EXPECT_TRUE(audio.IsPlaying(Track("begin.mp3")));
    EXPECT_EQ(audio.Record(Track("begin.mp3")).plays, 1);
    EXPECT_EQ(BoardTracksPlaying(), 0);
    EXPECT_EQ(BoardTrackPlays(), 0);

    // The logo animates only while it can be seen.
    EXPECT_TRUE(Game().NamedTimers()->IsRegistered("logo"));
    Send(platform::Event::Of(platform::EventKind::Minimized));
    EXPECT_FALSE(Game().NamedTimers()->IsRegistered("logo"));
    Send(platform::Event::Of(platform::EventKind::Restored));
    EXPECT_TRUE(Game().NamedTimers()->IsRegistered("logo"));
}

enum class StartWay { StartButton, EnterKey };

class GameStartTest : public GameMenuTest, public ::testing::WithParamInterface<StartWay> {};

TEST_P(GameStartTest, StartPlaysOneBoardTrackAndLoadsTheCurrentLevel) {
    WriteProgress({1, 2}); // the first level not cleared is 3
    ASSERT_NO_FATAL_FAILURE(Launch());
    if (GetParam() == StartWay::StartButton) {
        Click(Game().Menu().startButton);
    } else {
        Tap(platform::Key::Enter);
    }

    EXPECT_EQ(Game().screenState, GameApplication::kPlaying);
    EXPECT_FALSE(Game().Menu().frame.visible);
    EXPECT_TRUE(Game().boardFrame.visible);
    EXPECT_TRUE(Game().boardScreen.visible);
    EXPECT_FALSE(Game().Leave().visible);
    EXPECT_FALSE(Game().NamedTimers()->IsRegistered("logo")) << "the hidden logo wakes nothing";

    EXPECT_FALSE(audio.IsPlaying(Track("begin.mp3")));
    EXPECT_EQ(BoardTracksPlaying(), 1);
    EXPECT_EQ(BoardTrackPlays(), 1);

    const Board& board = Game().GetBoard();
    EXPECT_EQ(board.level, 3);
    EXPECT_EQ(board.steps, 0);
    EXPECT_EQ(Game().boardScreen.View().StepCounter().value, 0);
    EXPECT_EQ(board.grid, LevelGrid(3));
    ExpectSpritesMatchBoard();
    ASSERT_NO_FATAL_FAILURE(Render());
    for (int index = 0; index < kCellCount; ++index) {
        const int number = board.grid[static_cast<std::size_t>(index)];
        if (number != 0) {
            EXPECT_EQ(Pixel(CellX(index / kRows), CellY(index % kRows)),
                      ColourOf(std::string("Graphic/UI/") + Piece::PortraitImage(number)))
                << "piece " << number << " is drawn on its cell";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothWays, GameStartTest,
                         ::testing::Values(StartWay::StartButton, StartWay::EnterKey));

TEST_F(GameMenuTest, ButtonsActOnlyOnAReleaseOverThem) {
    ASSERT_NO_FATAL_FAILURE(Launch());
    const Button& start = Game().Menu().startButton;
    Press(start.screenX + 100, start.screenY + 60);
    MoveTo(100, 300);
    Release(100, 300);
    EXPECT_EQ(Game().screenState, GameApplication::kMainMenu);
    EXPECT_EQ(BoardTrackPlays(), 0);
    EXPECT_EQ(audio.Record(folder.Path() + "Sound\\btn.wav").plays, 1)
        << "the press clicked all the same";
}

TEST_F(GameMenuTest, LeaderboardButtonShowsTheTableFreshlyReadAndAnyOtherPressHidesIt) {
    WriteResults(9, "Ann", 0);
    ASSERT_NO_FATAL_FAILURE(Launch());
    const TextTable& table = Game().Menu().leaderboardTable;
    const Button& button = Game().Menu().leaderboardButton;
    const int x = button.screenX + button.width / 2;
    const int y = button.screenY + button.height / 2;
    EXPECT_FALSE(table.visible);

    Click(x, y);
    ASSERT_TRUE(table.visible);
    EXPECT_EQ(table.cells[0][0], "Ann");
    EXPECT_EQ(table.cells[0][1], "9");
    ASSERT_NO_FATAL_FAILURE(Render());
    EXPECT_EQ(Pixel(255, 55), ColourOf("Graphic/UI/phbang.bmp"));

    // A second click hides the table on the press and shows it again, read afresh, on the
    // release.
    WriteResults(12, "Bo", 0);
    Press(x, y);
    EXPECT_FALSE(table.visible);
    Release(x, y);
    EXPECT_TRUE(table.visible);
    EXPECT_EQ(table.cells[0][0], "Bo");
    EXPECT_EQ(table.cells[0][1], "12");

    // A release over the button that no press came before toggles it off.
    Release(x, y);
    EXPECT_FALSE(table.visible);
    Click(x, y);
    ASSERT_TRUE(table.visible);

    Press(700, 300);
    EXPECT_FALSE(table.visible) << "a press elsewhere on the menu";
    Release(700, 300);
    EXPECT_FALSE(table.visible);
    ASSERT_NO_FATAL_FAILURE(Render());
    EXPECT_EQ(Pixel(255, 55), ColourOf("Graphic/UI/youxijiemian.bmp"));
}

TEST_F(GameMenuTest, TheMusicOfEachScreenStartsAgainWhenItEnds) {
    // As on the desktop: the end of a track reaches the main thread as a window message.
    audio.SetEndNotice([this] { platform.Queue().Post(Event::Of(EventKind::PlaybackEnded)); });
    ASSERT_NO_FATAL_FAILURE(Launch());
    const std::string begin = Track("begin.mp3");
    ASSERT_EQ(audio.EndTrack(begin), 1);
    Game().DispatchMessages();
    EXPECT_TRUE(audio.IsPlaying(begin));
    EXPECT_EQ(audio.Record(begin).plays, 2);

    ASSERT_NO_FATAL_FAILURE(StartFromMenu());
    const int number = Game().Music()->CurrentBoardIndex();
    ASSERT_TRUE(number >= 1 && number <= 3);
    const std::string board = Track("board" + std::to_string(number) + ".mp3");
    ASSERT_EQ(audio.EndTrack(board), 1);
    Game().DispatchMessages();
    EXPECT_TRUE(audio.IsPlaying(board));
    EXPECT_FALSE(audio.IsPlaying(begin)) << "the menu track stays stopped";

    // After a rebuild of the display the new players loop on the new sound manager.
    Send(Event::Command(CommandId::ToggleFullScreen));
    const std::string first = Track("board1.mp3");
    ASSERT_TRUE(audio.IsPlaying(first));
    ASSERT_EQ(audio.EndTrack(first), 1);
    Game().DispatchMessages();
    EXPECT_TRUE(audio.IsPlaying(first));
    EXPECT_EQ(BoardTracksPlaying(), 1);
}

enum class Screen { Menu, Board };

class WebBandTest : public GameFixture, public ::testing::WithParamInterface<Screen> {};

TEST_P(WebBandTest, PressUnderTheTitleBarOpensTheSecondAddress) {
    ASSERT_NO_FATAL_FAILURE(Launch());
    if (GetParam() == Screen::Board) {
        ASSERT_NO_FATAL_FAILURE(StartFromMenu());
    }
    std::vector<std::string>& opened = platform.opener.opened;
    for (const auto& [x, y] : {std::pair{601, 25}, std::pair{799, 59}, std::pair{700, 40}}) {
        opened.clear();
        Press(x, y);
        EXPECT_EQ(opened, std::vector<std::string>{"http://example.test/two"})
            << "press at (" << x << ", " << y << ")";
        Release(x, y);
        EXPECT_EQ(opened.size(), 1u) << "a release opens nothing";
    }
    opened.clear();
    for (const auto& [x, y] :
         {std::pair{600, 40}, std::pair{700, 60}, std::pair{700, 24}, std::pair{800, 40}}) {
        Click(x, y);
        EXPECT_TRUE(opened.empty()) << "press at (" << x << ", " << y << ")";
        opened.clear();
    }
}

INSTANTIATE_TEST_SUITE_P(BothScreens, WebBandTest, ::testing::Values(Screen::Menu, Screen::Board));

class ExitTest : public GameFixture, public ::testing::WithParamInterface<Screen> {};

TEST_P(ExitTest, LeaveButtonEndsTheProgramAndEveryPlayerIsReleased) {
    ASSERT_NO_FATAL_FAILURE(Launch());
    if (GetParam() == Screen::Board) {
        ASSERT_NO_FATAL_FAILURE(StartFromMenu());
    }
    const Button& button = GetParam() == Screen::Board ? Game().boardScreen.Links().exitButton
                                                       : Game().Menu().leaveButton;
    const int x = button.screenX + button.width / 2;
    const int y = button.screenY + button.height / 2;
    Press(x, y);
    EXPECT_TRUE(Screen().Exists()) << "the press alone ends nothing";
    Game().PostEvent(Event::Mouse(platform::MouseAction::LeftUp, x, y));
    EXPECT_FALSE(Game().DispatchMessages()) << "the release ends the loop";
    EXPECT_FALSE(Screen().Exists());
    EXPECT_EQ(Game().GetDisplay(), nullptr);
    EXPECT_EQ(Game().NamedTimers(), nullptr);

    game.reset();
    // None of the game's music outlives it.
    for (const char* file : {"begin.mp3", "board1.mp3", "board2.mp3", "board3.mp3"}) {
        EXPECT_GT(audio.Record(Track(file)).opens, 0) << file;
        EXPECT_EQ(audio.Record(Track(file)).releases, audio.Record(Track(file)).opens) << file;
    }
    for (const std::string& path : audio.LogOf("open")) {
        EXPECT_EQ(audio.Record(path).releases, audio.Record(path).opens) << path;
    }
}

INSTANTIATE_TEST_SUITE_P(BothScreens, ExitTest, ::testing::Values(Screen::Menu, Screen::Board));

} // namespace
} // namespace gametest
