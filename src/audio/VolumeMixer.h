#pragma once

#include <vector>

namespace audio {

class MediaPlayer;

// The two volume channels, effects and music: each a level (0 to 15, 1 at first) and the ordered
// list of the players it controls. The players are not owned. Main thread only.
class VolumeMixer {
public:
    // Appends the player and gives it the channel's level; null is ignored.
    void AddEffectsPlayer(MediaPlayer* player);
    void AddMusicPlayer(MediaPlayer* player);
    // Drops the player from both lists (its owner goes away first).
    void RemovePlayer(const MediaPlayer* player);

    // Stores the level and applies it to every player of the channel in list order.
    void SetEffectsLevel(int level);
    void SetMusicLevel(int level);
    int EffectsLevel() const { return effectsLevel; }
    int MusicLevel() const { return musicLevel; }

    // Lets every music player restart its track if it ended.
    void PumpMusicEvents();

    const std::vector<MediaPlayer*>& EffectsPlayers() const { return effectsPlayers; }
    const std::vector<MediaPlayer*>& MusicPlayers() const { return musicPlayers; }

private:
    static void Add(std::vector<MediaPlayer*>& players, MediaPlayer* player, int level);
    static void Apply(const std::vector<MediaPlayer*>& players, int level);

    int effectsLevel = 1;
    std::vector<MediaPlayer*> effectsPlayers;
    int musicLevel = 1;
    std::vector<MediaPlayer*> musicPlayers;
};

} // namespace audio
