#include <gtest/gtest.h>

#include <set>

#include "AudioFixture.h"
#include "audio/MusicPlayer.h"
#include "audio/SoundManager.h"

using namespace audio;

namespace {

class MusicPlayerTest : public AudioFixture {
protected:
    std::string Board(int number) const {
        return Path("Music\\board" + std::to_string(number) + ".mp3");
    }
    int BoardPlays() const {
        return backend.Record(Board(1)).plays + backend.Record(Board(2)).plays +
               backend.Record(Board(3)).plays;
    }
};

TEST_F(MusicPlayerTest, OpensFourLoopingTracksOnTheMusicChannel) {
    SoundManager manager(output, Folder());
    MusicPlayer music(output, Folder(), manager);
    EXPECT_EQ(backend.LogOf("open"),
              (std::vector<std::string>{Path("Sound\\btn.wav"), Path("Music\\begin.mp3"), Board(1),
                                        Board(2), Board(3)}));
    EXPECT_EQ(manager.Mixer().MusicPlayers(),
              (std::vector<MediaPlayer*>{&music.MenuPlayer(), &music.BoardPlayer(1),
                                         &music.BoardPlayer(2), &music.BoardPlayer(3)}));
    for (MediaPlayer* player : manager.Mixer().MusicPlayers()) {
        EXPECT_TRUE(player->Loops());
    }
    EXPECT_EQ(music.CurrentBoardIndex(), 0);
    EXPECT_EQ(&music.CurrentBoardPlayer(), &music.BoardPlayer(1));
}

TEST_F(MusicPlayerTest, RandomBoardTrackIsOneToThreeMayRepeatAndRestartsFromItsStart) {
    SoundManager manager(output, Folder());
    MusicPlayer music(output, Folder(), manager);
    std::set<int> seen;
    bool repeated = false;
    int previous = 0;
    for (int draw = 1; draw <= 300; ++draw) {
        music.PlayRandomBoardTrack();
        const int index = music.CurrentBoardIndex();
        ASSERT_GE(index, 1);
        ASSERT_LE(index, 3);
        EXPECT_EQ(&music.CurrentBoardPlayer(), &music.BoardPlayer(index));
        EXPECT_TRUE(backend.IsPlaying(Board(index)));
        ASSERT_EQ(BoardPlays(), draw);
        repeated = repeated || index == previous;
        previous = index;
        seen.insert(index);
    }
    EXPECT_EQ(seen, (std::set<int>{1, 2, 3}));
    EXPECT_TRUE(repeated);
}

TEST_F(MusicPlayerTest, ResumeBoardTrackPlaysBoardOneUntilATrackIsPicked) {
    SoundManager manager(output, Folder());
    MusicPlayer music(output, Folder(), manager);
    music.ResumeBoardTrack();
    EXPECT_EQ(backend.Record(Board(1)).plays, 1);
    EXPECT_EQ(music.CurrentBoardIndex(), 0);

    music.StopBoardTrack();
    music.PlayRandomBoardTrack();
    const int picked = music.CurrentBoardIndex();
    music.StopBoardTrack();
    EXPECT_FALSE(backend.IsPlaying(Board(picked)));
    music.ResumeBoardTrack();
    EXPECT_TRUE(backend.IsPlaying(Board(picked)));
    EXPECT_EQ(BoardPlays(), 3);
}

TEST_F(MusicPlayerTest, ReleasesBoardTracksThreeTwoOneThenTheMenuTrack) {
    SoundManager manager(output, Folder());
    { MusicPlayer music(output, Folder(), manager); }
    EXPECT_EQ(backend.LogOf("release"),
              (std::vector<std::string>{Board(3), Board(2), Board(1), Path("Music\\begin.mp3")}));
    // The sound manager keeps no pointer to the tracks that are gone.
    EXPECT_TRUE(manager.Mixer().MusicPlayers().empty());
    manager.OnGraphNotify();
}

} // namespace
