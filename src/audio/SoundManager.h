#pragma once

#include <string>

#include "audio/MediaPlayer.h"
#include "audio/VolumeMixer.h"

namespace audio {

// Owns the volume mixer and the click sound ("Sound\btn.wav" of the game folder). The game makes
// one at every display set-up. Main thread only.
class SoundManager {
public:
    // The output must outlive the manager.
    SoundManager(const AudioOutput& output, const std::string& gameFolder);
    virtual ~SoundManager();
    SoundManager(const SoundManager&) = delete;
    SoundManager& operator=(const SoundManager&) = delete;

    // Plays the click from its start.
    void PlayClick();
    // A music notification arrived: loop the music tracks that ended.
    void OnGraphNotify();

    VolumeMixer& Mixer() { return mixer; }
    MediaPlayer& ClickPlayer() { return click; }

private:
    VolumeMixer mixer;
    MediaPlayer click;
};

} // namespace audio
