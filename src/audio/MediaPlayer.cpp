#include "audio/MediaPlayer.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "audio/AudioOutput.h"

namespace audio {

MediaPlayer::MediaPlayer(const AudioOutput& output) : output(output) {}

MediaPlayer::~MediaPlayer() {
    Release();
}

void MediaPlayer::Open(const std::string& path) {
    Release();
    platform::AudioBackend* chosen = output.Backend();
    const platform::AudioHandle opened =
        chosen != nullptr ? chosen->Open(path) : platform::kNoAudio;
    if (opened == platform::kNoAudio) {
        output.ShowError("Unable to create DirectShow Graph Builder object.");
        return;
    }
    backend = chosen;
    handle = opened;
    if (!backend->NotifyOnEnd(handle)) {
        output.ShowError("Unable to NotifyWindow DirectShow Graph Builder object.");
    }
}

void MediaPlayer::Release() {
    if (!IsOpen()) {
        return;
    }
    backend->Stop(handle);
    backend->Release(handle);
    backend = nullptr;
    handle = platform::kNoAudio;
}

void MediaPlayer::PlayFromStart() {
    if (IsOpen()) {
        backend->PlayFromStart(handle);
    }
}

void MediaPlayer::Stop() {
    if (IsOpen()) {
        backend->Stop(handle);
    }
}

void MediaPlayer::SetVolumeLevel(int level) {
    if (IsOpen()) {
        backend->SetVolume(handle, VolumeOfLevel(level));
    }
}

void MediaPlayer::OnGraphEvent() {
    if (loop == 0 || !IsOpen()) {
        return;
    }
    while (backend->TakeEnded(handle)) {
        backend->PlayFromStart(handle);
    }
}

int MediaPlayer::VolumeOfLevel(int level) {
    // In 64 bits so that a level read from a damaged settings file cannot overflow.
    const std::int64_t volume = std::int64_t{level} * 350 - 5250;
    return static_cast<int>(std::clamp<std::int64_t>(volume, INT_MIN, INT_MAX));
}

} // namespace audio
