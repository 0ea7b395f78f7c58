#pragma once

#include <string>

#include "platform/AudioBackend.h"

namespace audio {

class AudioOutput;

// One audio file's player: plays the file from its start, stops it, sets its volume from a level
// and, when looping, starts it again each time it plays to its end. A player that could not be
// made stays silent and every operation on it does nothing. Main thread only.
class MediaPlayer {
public:
    // Players are made by the output's backend and tell their failures through it; it must
    // outlive the player.
    explicit MediaPlayer(const AudioOutput& output);
    // Releases the file if that has not been done.
    ~MediaPlayer();
    MediaPlayer(const MediaPlayer&) = delete;
    MediaPlayer& operator=(const MediaPlayer&) = delete;

    // Opens the file (a player already open releases its file first). Without a player from the
    // backend, or without its end notice, the player says so in a message box.
    void Open(const std::string& path);
    void Release();
    // Rewinds and plays; a playing file restarts from its beginning.
    void PlayFromStart();
    // Stops where it is.
    void Stop();
    // Level 15 is full volume, each level below 3.5 dB quieter; a level above 15 is rejected by
    // the backend and the volume stays as it was.
    void SetVolumeLevel(int level);
    void SetLoop(bool on) { loop = on ? 1 : 0; }
    // Restarts a looping track once for each end it reported; without loop the ends stay queued.
    void OnGraphEvent();

    bool IsOpen() const { return handle != platform::kNoAudio; }
    bool Loops() const { return loop != 0; }
    // The volume in hundredths of a decibel for a level: level * 350 - 5250.
    static int VolumeOfLevel(int level);

private:
    const AudioOutput& output;
    int loop = 0;
    platform::AudioBackend* backend = nullptr;
    platform::AudioHandle handle = platform::kNoAudio;
};

} // namespace audio
