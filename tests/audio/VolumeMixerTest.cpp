#include <gtest/gtest.h>

#include "AudioFixture.h"
#include "audio/VolumeMixer.h"

using namespace audio;

namespace {

using VolumeMixerTest = AudioFixture;

TEST_F(VolumeMixerTest, NewPlayersTakeTheirChannelsLevelWhichStartsAtOne) {
    VolumeMixer mixer;
    EXPECT_EQ(mixer.EffectsLevel(), 1);
    EXPECT_EQ(mixer.MusicLevel(), 1);
    MediaPlayer effect(output);
    MediaPlayer music(output);
    effect.Open(Path("e.wav"));
    music.Open(Path("m.mp3"));
    mixer.SetMusicLevel(10);
    mixer.AddEffectsPlayer(&effect);
    mixer.AddMusicPlayer(&music);
    mixer.AddMusicPlayer(nullptr);
    EXPECT_EQ(backend.Record(Path("e.wav")).volume, -4900);
    EXPECT_EQ(backend.Record(Path("m.mp3")).volume, -1750);
    EXPECT_EQ(mixer.MusicPlayers(), (std::vector<MediaPlayer*>{&music}));
}

TEST_F(VolumeMixerTest, LevelGoesToEveryPlayerOfItsChannelInOrder) {
    VolumeMixer mixer;
    MediaPlayer music[3] = {MediaPlayer(output), MediaPlayer(output), MediaPlayer(output)};
    MediaPlayer effect(output);
    effect.Open(Path("e.wav"));
    mixer.AddEffectsPlayer(&effect);
    for (int i : {2, 0, 1}) {
        music[i].Open(Path("m" + std::to_string(i)));
        mixer.AddMusicPlayer(&music[i]);
    }
    const std::size_t before = backend.Log().size();
    mixer.SetMusicLevel(15);
    const std::vector<std::string> calls(backend.Log().begin() + before, backend.Log().end());
    EXPECT_EQ(calls, (std::vector<std::string>{"volume " + Path("m2") + " 0",
                                               "volume " + Path("m0") + " 0",
                                               "volume " + Path("m1") + " 0"}));
    EXPECT_EQ(backend.Record(Path("e.wav")).volume, -4900);
}

TEST_F(VolumeMixerTest, LevelAboveFifteenIsKeptButLeavesTheVolumeAsItWas) {
    VolumeMixer mixer;
    MediaPlayer effect(output);
    effect.Open(Path("e.wav"));
    mixer.AddEffectsPlayer(&effect);
    mixer.SetEffectsLevel(5);
    mixer.SetEffectsLevel(16);
    EXPECT_EQ(mixer.EffectsLevel(), 16);
    EXPECT_EQ(backend.Record(Path("e.wav")).volume, -3500);
}

TEST_F(VolumeMixerTest, PumpingLoopsOnlyTheMusicPlayersStillListed) {
    VolumeMixer mixer;
    MediaPlayer effect(output);
    MediaPlayer kept(output);
    MediaPlayer removed(output);
    for (auto [player, name] : {std::pair{&effect, "e"}, {&kept, "k"}, {&removed, "r"}}) {
        player->Open(Path(name));
        player->SetLoop(true);
        player->PlayFromStart();
        backend.EndTrack(Path(name));
    }
    mixer.AddEffectsPlayer(&effect);
    mixer.AddMusicPlayer(&kept);
    mixer.AddMusicPlayer(&removed);
    mixer.RemovePlayer(&removed);
    mixer.PumpMusicEvents();
    EXPECT_EQ(backend.Record(Path("k")).plays, 2);
    EXPECT_EQ(backend.Record(Path("e")).plays, 1);
    EXPECT_EQ(backend.Record(Path("r")).plays, 1);
}

} // namespace
