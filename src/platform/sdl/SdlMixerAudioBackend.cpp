#include "platform/sdl/SdlMixerAudioBackend.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <algorithm>

#include "formats/SoundFileCheck.h"
#include "platform/FileSystem.h"

namespace platform {

namespace {

constexpr int kFrequency = 44100;
constexpr int kOutputChannels = 2;
// Samples per buffer: about 23 ms, short enough for a click to follow the press.
constexpr int kBufferSamples = 1024;
// No track of the game comes near this; a larger file is not decoded.
constexpr std::size_t kMaxFileBytes = 256u << 20;

// The whole file decoded into the device's format; null when missing, not decodable, or of a
// kind whose decoded size its bytes do not bound.
Mix_Chunk* Decode(const std::string& path) {
    std::string bytes;
    if (ReadWholeFile(path, bytes, kMaxFileBytes) != ReadResult::Ok ||
        formats::SoundFileCheck::Prepare(bytes) == formats::SoundFileCheck::Verdict::Refused) {
        return nullptr;
    }
    SDL_RWops* source = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    if (source == nullptr) {
        return nullptr;
    }
    return Mix_LoadWAV_RW(source, 1);
}

} // namespace

std::atomic<SdlMixerAudioBackend*> SdlMixerAudioBackend::mixerOwner{nullptr};

void SdlMixerAudioBackend::ChunkFree::operator()(Mix_Chunk* chunk) const noexcept {
    Mix_FreeChunk(chunk);
}

SdlMixerAudioBackend::SdlMixerAudioBackend(std::function<void()> endNotice)
    : notice(std::move(endNotice)) {
    deviceOpen = OpenDevice();
    if (deviceOpen) {
        decoder = std::thread(&SdlMixerAudioBackend::DecodeLoop, this);
    }
}

SdlMixerAudioBackend::~SdlMixerAudioBackend() {
    if (decoder.joinable()) {
        {
            std::lock_guard lock(mutex);
            quitting = true;
        }
        jobAdded.notify_all();
        decoder.join();
    }
    CloseDevice();
}

bool SdlMixerAudioBackend::OpenDevice() {
    SdlMixerAudioBackend* none = nullptr;
    if (!mixerOwner.compare_exchange_strong(none, this)) {
        return false;
    }
    ownsMixer = true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return false;
    }
    audioStarted = true;
    Mix_Init(MIX_INIT_MP3);
    if (Mix_OpenAudio(kFrequency, AUDIO_S16SYS, kOutputChannels, kBufferSamples) != 0) {
        return false;
    }
    channelCount = Mix_AllocateChannels(-1);
    channels.resize(static_cast<std::size_t>(channelCount));
    Mix_ChannelFinished(&SdlMixerAudioBackend::ChannelFinished);
    return true;
}

void SdlMixerAudioBackend::CloseDevice() {
    if (deviceOpen) {
        {
            // From here on no end is recorded or told.
            std::lock_guard lock(endMutex);
            notice = nullptr;
            for (Channel& channel : channels) {
                channel.halting = true;
            }
        }
        Mix_HaltChannel(-1);
        Mix_ChannelFinished(nullptr);
        sounds.clear();
        Mix_CloseAudio();
        deviceOpen = false;
    }
    if (audioStarted) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    if (ownsMixer) {
        mixerOwner = nullptr;
    }
}

AudioHandle SdlMixerAudioBackend::Open(std::string_view path) {
    std::lock_guard lock(mutex);
    if (nextHandle == kNoAudio) {
        ++nextHandle;
    }
    const AudioHandle handle = nextHandle++;
    Player& player = players[handle];
    if (deviceOpen) {
        player.sound = SoundFor(NativePath(path));
        player.channel = TakeChannel(handle);
    }
    return handle;
}

void SdlMixerAudioBackend::PlayFromStart(AudioHandle handle) {
    std::lock_guard lock(mutex);
    Player* player = Find(handle);
    if (player != nullptr && player->channel >= 0) {
        Start(*player);
    }
}

void SdlMixerAudioBackend::Stop(AudioHandle handle) {
    std::lock_guard lock(mutex);
    Player* player = Find(handle);
    if (player != nullptr && player->channel >= 0) {
        player->waiting = false;
        Halt(player->channel);
        ReleaseIfUnused(*player->sound);
    }
}

bool SdlMixerAudioBackend::SetVolume(AudioHandle handle, int hundredths) {
    if (hundredths > 0) {
        return false;
    }
    std::lock_guard lock(mutex);
    Player* player = Find(handle);
    if (player == nullptr) {
        return false;
    }
    player->volume = LinearVolume(hundredths);
    if (player->channel >= 0) {
        Mix_Volume(player->channel, player->volume);
    }
    return true;
}

void SdlMixerAudioBackend::Release(AudioHandle handle) {
    std::lock_guard lock(mutex);
    const auto found = players.find(handle);
    if (found == players.end()) {
        return;
    }
    Sound* sound = found->second.sound;
    if (found->second.channel >= 0) {
        FreeChannel(found->second.channel);
    }
    players.erase(found);
    if (sound != nullptr) {
        ReleaseIfUnused(*sound);
    }
}

void SdlMixerAudioBackend::ReleaseIfUnused(Sound& sound) {
    // Clicks and other short sounds stay: they play often and cost little.
    constexpr Uint32 kLongSoundBytes = 1u << 20;
    if (sound.decoding || !sound.chunk || sound.chunk->alen < kLongSoundBytes) {
        return;
    }
    for (const auto& entry : players) {
        const Player& player = entry.second;
        if (player.sound == &sound &&
            (player.waiting || (player.channel >= 0 && Mix_Playing(player.channel) != 0))) {
            return;
        }
    }
    sound.chunk.reset();
    sound.decoding = true;
}

void SdlMixerAudioBackend::SetEndNotice(std::function<void()> newNotice) {
    std::lock_guard lock(endMutex);
    notice = std::move(newNotice);
}

bool SdlMixerAudioBackend::NotifyOnEnd(AudioHandle handle) {
    std::lock_guard lock(mutex);
    const Player* player = Find(handle);
    if (player == nullptr) {
        return false;
    }
    std::lock_guard endLock(endMutex);
    if (!notice) {
        return false;
    }
    if (player->channel >= 0) {
        channels[static_cast<std::size_t>(player->channel)].notify = true;
    }
    return true;
}

bool SdlMixerAudioBackend::TakeEnded(AudioHandle handle) {
    std::lock_guard lock(mutex);
    const Player* player = Find(handle);
    if (player == nullptr || player->channel < 0) {
        return false;
    }
    std::lock_guard endLock(endMutex);
    Channel& channel = channels[static_cast<std::size_t>(player->channel)];
    if (channel.ends == 0) {
        return false;
    }
    --channel.ends;
    return true;
}

bool SdlMixerAudioBackend::IsPlaying(AudioHandle handle) {
    std::lock_guard lock(mutex);
    const Player* player = Find(handle);
    if (player == nullptr || player->channel < 0 || player->sound->decoding ||
        !player->sound->chunk) {
        return false;
    }
    return Mix_Playing(player->channel) != 0;
}

int SdlMixerAudioBackend::DecodeCount() {
    std::lock_guard lock(mutex);
    return decodeCount;
}

void SdlMixerAudioBackend::WaitForDecoding() {
    std::unique_lock lock(mutex);
    decoded.wait(lock, [this] { return !decoder.joinable() || (jobs.empty() && !decoderBusy); });
}

SdlMixerAudioBackend::Sound* SdlMixerAudioBackend::SoundFor(const std::string& path) {
    std::unique_ptr<Sound>& sound = sounds[path];
    if (!sound) {
        sound = std::make_unique<Sound>();
        sound->path = path;
    }
    return sound.get();
}

int SdlMixerAudioBackend::TakeChannel(AudioHandle owner) {
    int channel = 0;
    if (!freeChannels.empty()) {
        channel = freeChannels.back();
        freeChannels.pop_back();
    } else {
        channel = usedChannels;
        if (channel >= channelCount) {
            const int allocated = Mix_AllocateChannels(std::max(8, channelCount * 2));
            if (allocated <= channel) {
                return -1; // no memory for another channel: this player stays silent
            }
            channelCount = allocated;
        }
        ++usedChannels;
    }
    std::lock_guard endLock(endMutex);
    if (channels.size() < static_cast<std::size_t>(channelCount)) {
        channels.resize(static_cast<std::size_t>(channelCount));
    }
    channels[static_cast<std::size_t>(channel)] = Channel{owner};
    return channel;
}

void SdlMixerAudioBackend::FreeChannel(int channel) {
    Halt(channel);
    {
        std::lock_guard endLock(endMutex);
        channels[static_cast<std::size_t>(channel)] = Channel{};
    }
    freeChannels.push_back(channel);
}

void SdlMixerAudioBackend::Start(Player& player) {
    Sound& sound = *player.sound;
    if (sound.decoding) {
        if (!sound.queued) {
            sound.queued = true;
            jobs.push_back(sound.path);
            jobAdded.notify_one();
        }
        player.waiting = true;
        return;
    }
    player.waiting = false;
    Halt(player.channel);
    if (player.sound->chunk) {
        Mix_Volume(player.channel, player.volume);
        Mix_PlayChannel(player.channel, player.sound->chunk.get(), 0);
    }
}

void SdlMixerAudioBackend::Halt(int channel) {
    const auto index = static_cast<std::size_t>(channel);
    {
        std::lock_guard endLock(endMutex);
        channels[index].halting = true;
    }
    // The mixer calls the finished callback from inside the halt; `halting` makes it ignore it.
    Mix_HaltChannel(channel);
    std::lock_guard endLock(endMutex);
    channels[index].halting = false;
    channels[index].ends = 0;
}

SdlMixerAudioBackend::Player* SdlMixerAudioBackend::Find(AudioHandle handle) {
    const auto found = players.find(handle);
    return found != players.end() ? &found->second : nullptr;
}

void SdlMixerAudioBackend::DecodeLoop() {
    std::unique_lock lock(mutex);
    for (;;) {
        jobAdded.wait(lock, [this] { return quitting || !jobs.empty(); });
        if (quitting) {
            // SDL keeps per-thread error texts; only threads it made free them by themselves.
            SDL_TLSCleanup();
            return;
        }
        const std::string path = std::move(jobs.front());
        jobs.pop_front();
        decoderBusy = true;
        lock.unlock();
        std::unique_ptr<Mix_Chunk, ChunkFree> chunk(Decode(path));
        lock.lock();
        decoderBusy = false;
        ++decodeCount;
        Sound& sound = *sounds[path];
        sound.chunk = std::move(chunk);
        sound.decoding = false;
        sound.queued = false;
        for (auto& entry : players) {
            if (entry.second.sound == &sound && entry.second.waiting) {
                Start(entry.second);
            }
        }
        decoded.notify_all();
    }
}

void SdlMixerAudioBackend::ChannelFinished(int channel) {
    if (SdlMixerAudioBackend* owner = mixerOwner.load()) {
        owner->OnChannelFinished(channel);
    }
}

void SdlMixerAudioBackend::OnChannelFinished(int channel) {
    // Runs on the audio thread with the mixer locked: no mixer call, only a note and a post.
    std::lock_guard lock(endMutex);
    if (channel < 0 || static_cast<std::size_t>(channel) >= channels.size()) {
        return;
    }
    Channel& state = channels[static_cast<std::size_t>(channel)];
    if (state.owner == kNoAudio || state.halting) {
        return;
    }
    ++state.ends;
    if (state.notify && notice) {
        notice();
    }
}

} // namespace platform
