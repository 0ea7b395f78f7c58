#include <gtest/gtest.h>

#include <climits>

#include "AudioFixture.h"
#include "audio/MediaPlayer.h"

using namespace audio;

namespace {

using MediaPlayerTest = AudioFixture;

const std::string kCreateBox = "Error: Unable to create DirectShow Graph Builder object.";

TEST_F(MediaPlayerTest, PlayerThatCannotBeMadeSaysSoOnceAndStaysSilent) {
    const AudioOutput none = OutputTo(nullptr);
    MediaPlayer unbacked(none);
    unbacked.Open(Path("a.wav"));
    backend.refuseOpen = true;
    MediaPlayer refused(output);
    refused.Open(Path("b.wav"));
    EXPECT_EQ(boxes, (std::vector<std::string>{kCreateBox, kCreateBox}));

    for (MediaPlayer* player : {&unbacked, &refused}) {
        EXPECT_FALSE(player->IsOpen());
        player->SetLoop(true);
        player->PlayFromStart();
        player->SetVolumeLevel(3);
        player->OnGraphEvent();
        player->Stop();
        player->Release();
    }
    EXPECT_TRUE(backend.Log().empty());
}

TEST_F(MediaPlayerTest, PlayerWithoutEndNoticeSaysSoButStillPlays) {
    backend.refuseNotice = true;
    MediaPlayer player(output);
    player.Open(Path("a.wav"));
    EXPECT_EQ(boxes,
              (std::vector<std::string>{"Error: Unable to NotifyWindow DirectShow Graph Builder "
                                        "object."}));
    player.PlayFromStart();
    EXPECT_TRUE(backend.IsPlaying(Path("a.wav")));
}

TEST_F(MediaPlayerTest, LevelsAreHundredthsOfADecibel) {
    EXPECT_EQ(MediaPlayer::VolumeOfLevel(15), 0);
    EXPECT_EQ(MediaPlayer::VolumeOfLevel(1), -4900);
    EXPECT_EQ(MediaPlayer::VolumeOfLevel(0), -5250);
    EXPECT_EQ(MediaPlayer::VolumeOfLevel(16), 350);
    EXPECT_GT(MediaPlayer::VolumeOfLevel(INT_MAX), 0); // no overflow

    MediaPlayer player(output);
    player.Open(Path("a.wav"));
    player.SetVolumeLevel(7);
    EXPECT_EQ(backend.Record(Path("a.wav")).volume, -2800);
    player.SetVolumeLevel(INT_MAX);
    EXPECT_EQ(backend.Record(Path("a.wav")).volume, -2800);
}

TEST_F(MediaPlayerTest, LoopingTrackRestartsOnItsEndButAStoppedOneStaysStopped) {
    MediaPlayer player(output);
    player.Open(Path("m.mp3"));
    player.SetLoop(true);
    player.PlayFromStart();
    backend.EndTrack(Path("m.mp3"));
    player.OnGraphEvent();
    EXPECT_EQ(backend.Record(Path("m.mp3")).plays, 2);
    EXPECT_TRUE(backend.IsPlaying(Path("m.mp3")));

    // Its end reported just before the stop: still no restart.
    backend.EndTrack(Path("m.mp3"));
    player.Stop();
    player.OnGraphEvent();
    // Stopped first: it never reaches its end.
    EXPECT_EQ(backend.EndTrack(Path("m.mp3")), 0);
    player.OnGraphEvent();
    EXPECT_EQ(backend.Record(Path("m.mp3")).plays, 2);
    EXPECT_FALSE(backend.IsPlaying(Path("m.mp3")));
}

TEST_F(MediaPlayerTest, PlayerWithoutLoopLeavesItsEndQueued) {
    MediaPlayer player(output);
    player.Open(Path("a.wav"));
    player.PlayFromStart();
    backend.EndTrack(Path("a.wav"));
    player.OnGraphEvent();
    EXPECT_EQ(backend.Record(Path("a.wav")).plays, 1);
    EXPECT_EQ(backend.PendingEnds(Path("a.wav")), 1);
}

TEST_F(MediaPlayerTest, ReleaseStopsAndForgetsTheFile) {
    {
        MediaPlayer player(output);
        player.Open(Path("a.wav"));
        player.Open(Path("b.wav")); // the first file is let go
        player.Release();
        EXPECT_FALSE(player.IsOpen());
        player.PlayFromStart();
        player.Open(Path("c.wav"));
    } // released with the player
    EXPECT_EQ(backend.Log(),
              (std::vector<std::string>{
                  "open " + Path("a.wav"), "stop " + Path("a.wav"), "release " + Path("a.wav"),
                  "open " + Path("b.wav"), "stop " + Path("b.wav"), "release " + Path("b.wav"),
                  "open " + Path("c.wav"), "stop " + Path("c.wav"), "release " + Path("c.wav")}));
}

} // namespace
