#pragma once

#include <array>
#include <string>

#include "audio/MediaPlayer.h"

namespace audio {

class SoundManager;

// The game's music: the menu track ("Music\begin.mp3") and three board tracks
// ("Music\board1.mp3" to "board3.mp3"), all looping on a sound manager's music channel, and the
// choice of the current board track. Main thread only.
class MusicPlayer {
public:
    // Opens the tracks of the game folder's "Music" folder on the manager's music channel; the
    // output and the manager must outlive the player.
    MusicPlayer(const AudioOutput& output, const std::string& gameFolder, SoundManager& manager);
    // Takes the tracks off the manager, then releases board tracks 3, 2, 1 and the menu track.
    ~MusicPlayer();
    MusicPlayer(const MusicPlayer&) = delete;
    MusicPlayer& operator=(const MusicPlayer&) = delete;

    void PlayMenuTrack() { begin.PlayFromStart(); }
    void StopMenuTrack() { begin.Stop(); }
    // Picks board track 1, 2 or 3 at random (the same may come twice), makes it current and
    // plays it from its start. The previous board track is not stopped here.
    void PlayRandomBoardTrack();
    // Plays the current board track from its start: board track 1 when none was picked yet.
    void ResumeBoardTrack();
    void StopBoardTrack() { current->Stop(); }

    // 0 before the first pick, then 1 to 3.
    int CurrentBoardIndex() const { return currentIndex; }
    MediaPlayer& MenuPlayer() { return begin; }
    // Board player 1 to 3.
    MediaPlayer& BoardPlayer(int number) { return boards[static_cast<std::size_t>(number - 1)]; }
    MediaPlayer& CurrentBoardPlayer() { return *current; }

private:
    SoundManager& manager;
    MediaPlayer begin;
    std::array<MediaPlayer, 3> boards;
    MediaPlayer* current = &boards[0];
    int currentIndex = 0;
};

} // namespace audio
