#include <gtest/gtest.h>

#include <string>

#include "GameFixture.h"
#include "audio/MediaPlayer.h"
#include "puzzle/Board.h"

using namespace core;
using namespace scene;
using namespace app;
using namespace widgets;
using namespace audio;
using namespace puzzle;
using namespace game;

namespace gametest {
namespace {

class SettingsFlowTest : public GameFixture {
protected:
    SettingsDialog& Dialog() { return Game().Menu().settingsDialog; }

    void OpenSettings() {
        Click(Game().Menu().settingsButton);
        ASSERT_TRUE(Dialog().visible);
    }

    // Drags a knob by its middle to the place of `level` on its track.
    void DragKnob(DragPanel& knob, int level) {
        const int y = knob.screenY + knob.height / 2;
        const int from = knob.screenX + knob.width / 2;
        Drag(from, y, Dialog().screenX + 95 + 14 * level + knob.width / 2, y);
    }

    int MenuMusicVolume() const { return audio.Record(Track("begin.mp3")).volume; }
};

TEST_F(SettingsFlowTest, OpenDialogTakesEveryEvent) {
    ASSERT_NO_FATAL_FAILURE(Launch());
    ASSERT_NO_FATAL_FAILURE(OpenSettings());

    Click(Game().Menu().startButton);
    Tap(platform::Key::Enter);
    EXPECT_EQ(Game().screenState, GameApplication::kMainMenu) << "no game starts";
    EXPECT_EQ(BoardTrackPlays(), 0);

    Click(Game().Menu().leaderboardButton);
    EXPECT_FALSE(Game().Menu().leaderboardTable.visible);
    Click(Game().Menu().settingsButton);
    EXPECT_TRUE(Dialog().visible) << "the settings button does not close it";
    Click(Game().Menu().leaveButton);
    EXPECT_TRUE(Screen().Exists()) << "the leave button does not end the program";
    Press(700, 40);
    EXPECT_TRUE(platform.opener.opened.empty()) << "nor does the web band open";
}

TEST_F(SettingsFlowTest, KnobsSetTheVolumesLiveAndCancelKeepsTheFile) {
    ASSERT_NO_FATAL_FAILURE(Launch());
    EXPECT_EQ(MenuMusicVolume(), MediaPlayer::VolumeOfLevel(7)) << "set.ini's level from start";
    const std::string stored = folder.Read("set.ini");
    ASSERT_NO_FATAL_FAILURE(OpenSettings());

    DragPanel& knob = Dialog().MusicKnob();
    const int y = knob.screenY + knob.height / 2;
    int x = knob.screenX + knob.width / 2;
    Press(x, y);
    for (int step = 0; step < 5; ++step) {
        x -= 10;
        MoveTo(x, y);
    }
    EXPECT_EQ(MenuMusicVolume(), MediaPlayer::VolumeOfLevel(Dialog().MusicKnobLevel()));
    EXPECT_LT(Dialog().MusicKnobLevel(), 7) << "the music follows the knob while it moves";
    Release(x, y);
    DragKnob(knob, 0);
    EXPECT_EQ(MenuMusicVolume(), MediaPlayer::VolumeOfLevel(0));

    Click(Dialog().CancelButton());
    EXPECT_FALSE(Dialog().visible);
    EXPECT_EQ(folder.Read("set.ini"), stored);
    EXPECT_EQ(MenuMusicVolume(), MediaPlayer::VolumeOfLevel(0)) << "cancel leaves the volume";

    ASSERT_NO_FATAL_FAILURE(OpenSettings());
    EXPECT_EQ(knob.x, 95 + 14 * 7) << "the dialog opens on what set.ini holds";
}

TEST_F(SettingsFlowTest, OkWithTheTickWritesTheFileAndSwitchesToFullScreen) {
    ASSERT_NO_FATAL_FAILURE(Launch());
    ASSERT_NO_FATAL_FAILURE(OpenSettings());
    DragKnob(Dialog().MusicKnob(), 3);
    DragKnob(Dialog().SoundKnob(), 12);
    Click(Dialog().FullscreenTick());
    ASSERT_TRUE(Dialog().FullscreenTick().visible);
    const std::size_t framesBefore = Frames().size();
    const int menuPlays = audio.Record(Track("begin.mp3")).plays;

    Click(Dialog().OkButton());

    EXPECT_EQ(Setting("set", "fullscreen"), "1");
    EXPECT_EQ(Setting("volume", "music"), "3");
    EXPECT_EQ(Setting("volume", "sound"), "12");
    EXPECT_FALSE(Game().WantsWindow());
    EXPECT_TRUE(Screen().recorder.fullScreen) << "the display was set up again, full screen";
    ASSERT_GT(Frames().size(), framesBefore);
    EXPECT_EQ(PixelOf(Frames()[framesBefore], 400, 300), ColourOf("Graphic/UI/lodingtiao.bmp"))
        << "the screens were loaded again";
    EXPECT_EQ(PixelOf(Frames().back(), 400, 300), ColourOf("Graphic/UI/youxijiemian.bmp"));
    EXPECT_EQ(Game().screenState, GameApplication::kMainMenu);
    EXPECT_TRUE(Game().Menu().frame.visible);
    EXPECT_FALSE(Dialog().visible);
    EXPECT_TRUE(audio.IsPlaying(Track("begin.mp3")));
    EXPECT_EQ(audio.Record(Track("begin.mp3")).plays, menuPlays + 1) << "from its start";
    EXPECT_EQ(audio.Record(Track("begin.mp3")).opens, 2) << "a new music player";
    EXPECT_EQ(MenuMusicVolume(), MediaPlayer::VolumeOfLevel(3)) << "the level OK stored";

    ASSERT_NO_FATAL_FAILURE(OpenSettings());
    EXPECT_TRUE(Dialog().FullscreenTick().visible);
}

class LeaveDialogTest : public GameFixture {
protected:
    void Play() {
        ASSERT_NO_FATAL_FAILURE(Launch());
        ASSERT_NO_FATAL_FAILURE(StartFromMenu());
    }

    // A timer of the test's own, firing every 300 ms.
    void StartProbe() {
        ASSERT_TRUE(Game().AddTimer(300, "probe", 0, [this] { ++probeFirings; }));
    }
    // The probe's firings so far after `ms` more milliseconds.
    int ProbeFiringsAfter(std::uint32_t ms) {
        Advance(ms);
        return probeFirings;
    }

    // The logo's frame after `ms` more milliseconds of its 300 ms steps.
    int LogoFrameAfter(std::uint32_t ms) {
        Advance(ms);
        return Game().Menu().logo.currentFrame;
    }

    static int NextLogoFrame(int frame) { return frame % 4 + 1; }

    void ExpectDialogOpen() {
        EXPECT_EQ(Game().screenState, GameApplication::kLeaveDialogOpen);
        EXPECT_EQ(Game().savedState, GameApplication::kPlaying);
        EXPECT_TRUE(Game().Leave().visible);
        EXPECT_TRUE(Game().boardScreen.Overlay().visible);
    }

    void ExpectPlaying() {
        EXPECT_EQ(Game().screenState, GameApplication::kPlaying);
        EXPECT_FALSE(Game().Leave().visible);
        EXPECT_FALSE(Game().boardScreen.Overlay().visible);
        EXPECT_TRUE(Game().boardFrame.visible);
    }

    void ExpectMenu() {
        EXPECT_EQ(Game().screenState, GameApplication::kMainMenu);
        EXPECT_TRUE(Game().Menu().frame.visible);
        EXPECT_FALSE(Game().boardFrame.visible);
        EXPECT_FALSE(Game().Leave().visible);
        EXPECT_TRUE(audio.IsPlaying(Track("begin.mp3")));
        EXPECT_EQ(BoardTracksPlaying(), 0);
    }

    int probeFirings = 0;

    // The leave dialog's page over the dimmed board in the last frame.
    void ExpectDialogDrawn() {
        EXPECT_EQ(Pixel(260, 190), ColourOf("Graphic/setting/leave_lable.bmp"));
        EXPECT_EQ(Pixel(420, 450), ColourOf("Graphic/UI/zhezhao.png")) << "the board is dimmed";
    }
};

TEST_F(LeaveDialogTest, EscapeOpensTheDialogAndDropsTimedEventsUntilItCloses) {
    ASSERT_NO_FATAL_FAILURE(Play());
    ASSERT_NO_FATAL_FAILURE(StartProbe());
    const int running = ProbeFiringsAfter(300);
    Tap(platform::Key::Escape);
    ExpectDialogOpen();
    ASSERT_NO_FATAL_FAILURE(Render());
    ExpectDialogDrawn();
    EXPECT_EQ(ProbeFiringsAfter(900), running) << "no timed event while the dialog is open";

    Tap(platform::Key::Escape);
    ExpectPlaying();
    EXPECT_EQ(ProbeFiringsAfter(300), running + 1)
        << "one firing on: the dropped events are lost, not delayed";
    ASSERT_NO_FATAL_FAILURE(Render());
    EXPECT_EQ(Pixel(420, 450), ColourOf("Graphic/UI/desk.bmp"));
}

TEST_F(LeaveDialogTest, ReturnButtonOpensAndClosesTheDialog) {
    ASSERT_NO_FATAL_FAILURE(Play());
    ASSERT_NO_FATAL_FAILURE(StartProbe());
    Click(Game().returnButton);
    ExpectDialogOpen();
    EXPECT_EQ(ProbeFiringsAfter(600), 0);
    Click(Game().returnButton);
    ExpectPlaying();
    EXPECT_EQ(ProbeFiringsAfter(300), 1) << "no longer paused";
}

TEST_F(LeaveDialogTest, EnterLeavesOnlyFromTheDialog) {
    ASSERT_NO_FATAL_FAILURE(Play());
    const int menuPlays = audio.Record(Track("begin.mp3")).plays;
    Tap(platform::Key::Enter);
    ExpectPlaying();

    Tap(platform::Key::Escape);
    Tap(platform::Key::Enter);
    ExpectMenu();
    EXPECT_EQ(audio.Record(Track("begin.mp3")).plays, menuPlays + 1);
    const int frame = Game().Menu().logo.currentFrame;
    EXPECT_EQ(LogoFrameAfter(300), NextLogoFrame(frame)) << "the logo runs again";
}

TEST_F(LeaveDialogTest, DialogButtonsGoBackToTheGameOrToTheMenu) {
    ASSERT_NO_FATAL_FAILURE(Play());
    Tap(platform::Key::Escape);
    Click(Game().Leave().noButton);
    ExpectPlaying();

    Tap(platform::Key::Escape);
    Click(Game().Leave().yesButton);
    ExpectMenu();

    ASSERT_NO_FATAL_FAILURE(StartFromMenu());
    EXPECT_EQ(BoardTracksPlaying(), 1);
    ExpectPlaying();
}

TEST_F(LeaveDialogTest, LosingTheWindowWhilePlayingOpensTheDialog) {
    ASSERT_NO_FATAL_FAILURE(Launch());
    Send(Event::Of(EventKind::Deactivated));
    EXPECT_EQ(Game().screenState, GameApplication::kMainMenu) << "nothing on the menu";
    EXPECT_FALSE(Game().Leave().visible);

    Send(Event::Of(EventKind::Activated));
    ASSERT_NO_FATAL_FAILURE(StartFromMenu());
    const std::size_t frames = Frames().size();
    Send(Event::Of(EventKind::Deactivated));
    ExpectDialogOpen();
    EXPECT_EQ(Frames().size(), frames + 1) << "one frame is drawn on the way out";
    ExpectDialogDrawn();

    Send(Event::Of(EventKind::Activated));
    ExpectDialogOpen();
}

TEST_F(LeaveDialogTest, DisplayRebuildBringsTheDialogBackWithBoardTrackOne) {
    ASSERT_NO_FATAL_FAILURE(Play());
    // Two steps of the solution, so there is a game to come back to.
    ASSERT_NO_FATAL_FAILURE(PlayShortestSolution(2));
    const Board& board = Game().GetBoard();
    ASSERT_EQ(board.steps, 2);
    const LevelFile::Grid moved = board.grid;

    Tap(platform::Key::Escape);
    const int board1Plays = audio.Record(Track("board1.mp3")).plays;
    Send(Event::Command(CommandId::ToggleFullScreen));

    EXPECT_FALSE(Game().WantsWindow());
    EXPECT_TRUE(Screen().recorder.fullScreen);
    ExpectDialogOpen();
    EXPECT_TRUE(Game().boardFrame.visible);
    EXPECT_TRUE(Game().boardScreen.visible);
    EXPECT_FALSE(Game().Menu().frame.visible);
    ExpectDialogDrawn();

    EXPECT_EQ(audio.Record(Track("board1.mp3")).opens, 2) << "a new music player";
    EXPECT_TRUE(audio.IsPlaying(Track("board1.mp3")));
    EXPECT_EQ(audio.Record(Track("board1.mp3")).plays, board1Plays + 1) << "from its start";
    EXPECT_EQ(BoardTracksPlaying(), 1);
    EXPECT_FALSE(audio.IsPlaying(Track("begin.mp3")));
    EXPECT_EQ(board.grid, moved);
    EXPECT_EQ(board.steps, 2);
    ExpectSpritesMatchBoard();

    Tap(platform::Key::Escape);
    ExpectPlaying();
    Send(Event::Command(CommandId::ToggleFullScreen));
    EXPECT_TRUE(Game().WantsWindow());
    ExpectPlaying();
    EXPECT_EQ(Setting("set", "fullscreen"), "0");
}

} // namespace
} // namespace gametest
