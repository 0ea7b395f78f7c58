#include "audio/MusicPlayer.h"

#include <algorithm>

#include "audio/SoundManager.h"
#include "core/RandomRange.h"

namespace audio {

MusicPlayer::MusicPlayer(const AudioOutput& output, const std::string& gameFolder,
                         SoundManager& manager)
    : manager(manager),
      begin(output), boards{MediaPlayer(output), MediaPlayer(output), MediaPlayer(output)} {
    const char* const names[] = {"begin.mp3", "board1.mp3", "board2.mp3", "board3.mp3"};
    MediaPlayer* const players[] = {&begin, &boards[0], &boards[1], &boards[2]};
    for (int i = 0; i < 4; ++i) {
        players[i]->Open(gameFolder + "Music\\" + names[i]);
        manager.Mixer().AddMusicPlayer(players[i]);
        players[i]->SetLoop(true);
    }
}

MusicPlayer::~MusicPlayer() {
    // The sound manager outlives this player and must not keep pointers to its tracks.
    for (const MediaPlayer* player : {&begin, &boards[0], &boards[1], &boards[2]}) {
        manager.Mixer().RemovePlayer(player);
    }
    boards[2].Release();
    boards[1].Release();
    boards[0].Release();
    begin.Release();
}

void MusicPlayer::PlayRandomBoardTrack() {
    // A new generator for every pick, seeded afresh from the clock.
    currentIndex = std::clamp(core::RandomRange(1, 4).Next(), 1, 3);
    current = &boards[static_cast<std::size_t>(currentIndex - 1)];
    current->PlayFromStart();
}

void MusicPlayer::ResumeBoardTrack() {
    if (currentIndex >= 1 && currentIndex <= 3) {
        current = &boards[static_cast<std::size_t>(currentIndex - 1)];
    }
    current->PlayFromStart();
}

} // namespace audio
