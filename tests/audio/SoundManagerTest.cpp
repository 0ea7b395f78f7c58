#include <gtest/gtest.h>

#include "QuietApplication.h"

#include <memory>

#include "AudioFixture.h"
#include "ScopedEnv.h"
#include "app/Application.h"
#include "audio/MusicPlayer.h"
#include "audio/SoundManager.h"
#include "platform/memory/HeadlessPlatform.h"
#include "platform/sdl/SdlMixerAudioBackend.h"

using namespace core;
using namespace scene;
using namespace app;
using namespace audio;

namespace {

using SoundManagerTest = AudioFixture;

TEST_F(SoundManagerTest, WithoutSettingsClickAndMusicPlayAtLevelOne) {
    SoundManager manager(output, Folder());
    MusicPlayer music(output, Folder(), manager);
    for (const char* file : {"Sound\\btn.wav", "Music\\begin.mp3", "Music\\board1.mp3",
                             "Music\\board2.mp3", "Music\\board3.mp3"}) {
        EXPECT_EQ(backend.Record(Path(file)).volume, -4900) << file;
    }
    EXPECT_TRUE(boxes.empty());
}

TEST_F(SoundManagerTest, ClickIsAnEffectThatPlaysFromItsStartWithoutLooping) {
    SoundManager manager(output, Folder());
    EXPECT_EQ(manager.Mixer().EffectsPlayers(),
              (std::vector<MediaPlayer*>{&manager.ClickPlayer()}));
    EXPECT_FALSE(manager.ClickPlayer().Loops());
    manager.PlayClick();
    manager.PlayClick();
    EXPECT_EQ(backend.Record(Path("Sound\\btn.wav")).plays, 2);
}

TEST_F(SoundManagerTest, RebuiltManagerOpensANewClick) {
    auto manager = std::make_unique<SoundManager>(output, Folder());
    manager.reset();
    EXPECT_EQ(backend.Record(Path("Sound\\btn.wav")).releases, 1);

    manager = std::make_unique<SoundManager>(output, Folder());
    EXPECT_EQ(backend.Record(Path("Sound\\btn.wav")).opens, 2);
    manager->PlayClick();
    EXPECT_TRUE(backend.IsPlaying(Path("Sound\\btn.wav")));
}

TEST_F(SoundManagerTest, PostedNoticeLoopsTheMusicThatEnded) {
    SoundManager manager(output, Folder());
    MusicPlayer music(output, Folder(), manager);
    music.PlayMenuTrack();
    manager.PlayClick();
    backend.EndTrack(Path("Music\\begin.mp3"));
    backend.EndTrack(Path("Sound\\btn.wav"));
    EXPECT_FALSE(queue.Empty());
    DeliverNotices(manager);
    EXPECT_EQ(backend.Record(Path("Music\\begin.mp3")).plays, 2);
    EXPECT_EQ(backend.Record(Path("Sound\\btn.wav")).plays, 1);
}

TEST_F(SoundManagerTest, WithoutAnAudioDeviceEverythingIsSilentAndNothingIsShown) {
    ScopedEnv driver("SDL_AUDIODRIVER", "no-such-driver");
    platform::SdlMixerAudioBackend sdl(
        [this] { queue.Post(platform::Event::Of(platform::EventKind::PlaybackEnded)); });
    const AudioOutput device = OutputTo(&sdl);
    {
        SoundManager manager(device, Folder());
        MusicPlayer music(device, Folder(), manager);
        manager.PlayClick();
        music.PlayMenuTrack();
        music.PlayRandomBoardTrack();
        manager.Mixer().SetMusicLevel(15);
        manager.OnGraphNotify();
        EXPECT_TRUE(music.MenuPlayer().IsOpen());
        EXPECT_FALSE(sdl.DeviceOpen());
    }
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(queue.Empty());
}

} // namespace
