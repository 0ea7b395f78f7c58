#include "audio/SoundManager.h"

namespace audio {

SoundManager::SoundManager(const AudioOutput& output, const std::string& gameFolder)
    : click(output) {
    click.Open(gameFolder + "Sound\\btn.wav");
    mixer.AddEffectsPlayer(&click);
}

SoundManager::~SoundManager() {
    click.Release();
}

void SoundManager::PlayClick() {
    click.PlayFromStart();
}

void SoundManager::OnGraphNotify() {
    mixer.PumpMusicEvents();
}

} // namespace audio
