#include "audio/VolumeMixer.h"

#include <algorithm>

#include "audio/MediaPlayer.h"

namespace audio {

void VolumeMixer::AddEffectsPlayer(MediaPlayer* player) {
    Add(effectsPlayers, player, effectsLevel);
}

void VolumeMixer::AddMusicPlayer(MediaPlayer* player) {
    Add(musicPlayers, player, musicLevel);
}

void VolumeMixer::RemovePlayer(const MediaPlayer* player) {
    std::erase(effectsPlayers, player);
    std::erase(musicPlayers, player);
}

void VolumeMixer::SetEffectsLevel(int level) {
    effectsLevel = level;
    Apply(effectsPlayers, level);
}

void VolumeMixer::SetMusicLevel(int level) {
    musicLevel = level;
    Apply(musicPlayers, level);
}

void VolumeMixer::PumpMusicEvents() {
    for (MediaPlayer* player : musicPlayers) {
        player->OnGraphEvent();
    }
}

void VolumeMixer::Add(std::vector<MediaPlayer*>& players, MediaPlayer* player, int level) {
    if (player == nullptr) {
        return;
    }
    players.push_back(player);
    player->SetVolumeLevel(level);
}

void VolumeMixer::Apply(const std::vector<MediaPlayer*>& players, int level) {
    for (MediaPlayer* player : players) {
        player->SetVolumeLevel(level);
    }
}

} // namespace audio
