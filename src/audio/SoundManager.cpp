#include "audio/SoundManager.h"

#include <atomic>

namespace audio {

namespace {

std::atomic<SoundManager*> current{nullptr};

} // namespace

SoundManager::SoundManager(const std::string& gameFolder) {
    click.Open(gameFolder + "Sound\\btn.wav");
    mixer.AddEffectsPlayer(&click);
    current = this;
}

SoundManager::~SoundManager() {
    click.Release();
    SoundManager* self = this;
    current.compare_exchange_strong(self, nullptr);
}

SoundManager* SoundManager::Current() {
    return current;
}

void SoundManager::SetCurrent(SoundManager* manager) {
    current = manager;
}

void SoundManager::PlayClick() {
    click.PlayFromStart();
}

void SoundManager::OnGraphNotify() {
    mixer.PumpMusicEvents();
}

} // namespace audio
