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
// Samples per buffer: about 46 ms, short enough for a click to follow the press, long enough
// that the audio thread wakes only about 22 times a second.
constexpr int kBufferSamples = 2048;
// No track of the game comes near this; a larger file is not decoded.
constexpr std::size_t kMaxFileBytes = 256u << 20;

// The file's bytes if they may be handed to the mixer, with what kind of sound they hold.
formats::SoundFileCheck::Verdict ReadSound(const std::string& path, std::string& bytes) {
    if (ReadWholeFile(path, bytes, kMaxFileBytes) != ReadResult::Ok) {
        return formats::SoundFileCheck::Verdict::Refused;
    }
    return formats::SoundFileCheck::Prepare(bytes);
}

// Checked bytes decoded whole into the device's format; null when not decodable.
Mix_Chunk* DecodeWhole(const std::string& bytes) {
    SDL_RWops* source = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    return source != nullptr ? Mix_LoadWAV_RW(source, 1) : nullptr;
}

} // namespace

std::atomic<SdlMixerAudioBackend*> SdlMixerAudioBackend::mixerOwner{nullptr};

void SdlMixerAudioBackend::ChunkFree::operator()(Mix_Chunk* chunk) const noexcept {
    Mix_FreeChunk(chunk);
}

void SdlMixerAudioBackend::MusicFree::operator()(Mix_Music* music) const noexcept {
    Mix_FreeMusic(music);
}

SdlMixerAudioBackend::SdlMixerAudioBackend(std::function<void()> endNotice, int quietSeconds)
    : quietSeconds(quietSeconds), notice(std::move(endNotice)) {
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
    if (!OpenMixer()) {
        return false;
    }
    channelCount = Mix_AllocateChannels(-1);
    channels.resize(static_cast<std::size_t>(channelCount));
    return true;
}

bool SdlMixerAudioBackend::OpenMixer() {
    // The mixer's format never changes, so sounds decoded for it stay valid across a reopen;
    // SDL converts for a device that wants another.
    if (Mix_OpenAudioDevice(kFrequency, AUDIO_S16SYS, kOutputChannels, kBufferSamples, nullptr,
                            0) != 0) {
        return false;
    }
    if (channelCount > 0) {
        Mix_AllocateChannels(channelCount);
    }
    Mix_ChannelFinished(&SdlMixerAudioBackend::ChannelFinished);
    Mix_HookMusicFinished(&SdlMixerAudioBackend::StreamFinished);
    awake = true;
    quietChecks = 0;
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
            streamChannel = -1;
        }
        if (awake) {
            Mix_HaltChannel(-1);
            Mix_HaltMusic();
            Mix_ChannelFinished(nullptr);
            Mix_HookMusicFinished(nullptr);
        }
        streamMusic.reset();
        sounds.clear();
        if (awake) {
            Mix_CloseAudio();
        }
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

bool SdlMixerAudioBackend::Wake() {
    if (!awake && deviceOpen) {
        OpenMixer();
    }
    return awake;
}

bool SdlMixerAudioBackend::Awake() {
    std::lock_guard lock(mutex);
    return awake;
}

bool SdlMixerAudioBackend::AnythingSounds() {
    if (Mix_Playing(-1) > 0 || Mix_PlayingMusic() != 0) {
        return true;
    }
    return std::any_of(players.begin(), players.end(),
                       [](const auto& entry) { return entry.second.waiting; });
}

void SdlMixerAudioBackend::SleepIfQuiet() {
    if (!awake || AnythingSounds()) {
        quietChecks = 0;
        return;
    }
    if (++quietChecks < quietSeconds) {
        return;
    }
    // Nothing plays, so no end can be under way; the ends not yet taken stay.
    LetGoOfStream();
    Mix_CloseAudio();
    awake = false;
}

AudioHandle SdlMixerAudioBackend::Open(std::string_view path) {
    std::lock_guard lock(mutex);
    if (nextHandle == kNoAudio) {
        ++nextHandle;
    }
    const AudioHandle handle = nextHandle++;
    Player& player = players[handle];
    player.handle = handle;
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
        player->muted = false;
        Halt(*player);
        ReleaseIfUnused(*player->sound);
        HandOverStream();
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
    const int before = player->volume;
    player->volume = LinearVolume(hundredths);
    if (player->channel < 0) {
        return true;
    }
    if (player->muted && player->volume > 0) {
        Start(*player); // turned up: heard from its beginning
    } else if (before > 0 && player->volume == 0 && Sounds(*player)) {
        Halt(*player);
        player->muted = true;
    } else if (awake && streamOwner == handle) {
        Mix_VolumeMusic(player->volume);
    } else if (awake) {
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
        FreeChannel(found->second);
    }
    players.erase(found);
    if (sound != nullptr) {
        ReleaseIfUnused(*sound);
    }
    HandOverStream();
}

bool SdlMixerAudioBackend::WaitsForWhole(const Sound& sound) const {
    return sound.Streams() && !sound.chunk &&
           std::any_of(players.begin(), players.end(), [&](const auto& entry) {
               return entry.second.sound == &sound && entry.second.waiting;
           });
}

void SdlMixerAudioBackend::HandOverStream() {
    if (!awake || streamOwner != kNoAudio) {
        return;
    }
    for (auto& entry : players) {
        Player& player = entry.second;
        if (player.channel >= 0 && player.waiting && WaitsForWhole(*player.sound)) {
            Start(player); // takes the stream; its whole decode is called off
            jobAdded.notify_all();
            return;
        }
    }
}

bool SdlMixerAudioBackend::Sounds(const Player& player) {
    if (!awake) {
        return false;
    }
    if (streamOwner == player.handle) {
        return Mix_PlayingMusic() != 0;
    }
    return Mix_Playing(player.channel) != 0;
}

void SdlMixerAudioBackend::ReleaseIfUnused(Sound& sound) {
    // Clicks and other short sounds stay: they play often and cost little.
    constexpr Uint32 kLongSoundBytes = 1u << 20;
    if (sound.decoding ||
        (!sound.Streams() && (!sound.chunk || sound.chunk->alen < kLongSoundBytes))) {
        return;
    }
    for (const auto& entry : players) {
        const Player& player = entry.second;
        if (player.sound == &sound &&
            (player.waiting || player.muted || (player.channel >= 0 && Sounds(player)))) {
            return;
        }
    }
    sound.chunk.reset();
    std::string().swap(sound.stream);
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
    if (player == nullptr || player->channel < 0 || player->waiting) {
        return false;
    }
    return player->muted || Sounds(*player);
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
            // Asked of the mixer when it is next opened if it sleeps now.
            const int wanted = std::max(8, channelCount * 2);
            const int allocated = awake ? Mix_AllocateChannels(wanted) : wanted;
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

void SdlMixerAudioBackend::FreeChannel(Player& player) {
    Halt(player);
    {
        std::lock_guard endLock(endMutex);
        channels[static_cast<std::size_t>(player.channel)] = Channel{};
    }
    freeChannels.push_back(player.channel);
}

void SdlMixerAudioBackend::Load(Player& player, bool whole) {
    Sound& sound = *player.sound;
    // Decoding needs the open mixer; a waiting player keeps it open.
    Wake();
    player.waiting = true;
    if (!sound.queued) {
        sound.queued = true;
        jobs.push_back(Job{sound.path, whole});
        jobAdded.notify_one();
    }
}

void SdlMixerAudioBackend::Start(Player& player) {
    Sound& sound = *player.sound;
    if (sound.decoding) {
        Load(player, false);
        return;
    }
    player.waiting = false;
    Halt(player);
    // A silent player is not mixed, so a muted game lets the device sleep.
    player.muted = player.volume == 0;
    if (player.muted || !Wake()) {
        return;
    }
    if (sound.Streams() && StreamFreeFor(player)) {
        PlayStream(player);
    } else if (sound.Streams() && !sound.chunk) {
        Load(player, true);
    } else if (sound.chunk) {
        Mix_Volume(player.channel, player.volume);
        Mix_PlayChannel(player.channel, sound.chunk.get(), 0);
    }
}

bool SdlMixerAudioBackend::StreamFreeFor(const Player& player) {
    return streamOwner == kNoAudio || streamOwner == player.handle || Mix_PlayingMusic() == 0;
}

void SdlMixerAudioBackend::PlayStream(Player& player) {
    // The stream is free: its last player played to its end, whose notice still counts.
    LetGoOfStream();
    const std::string& bytes = player.sound->stream;
    SDL_RWops* source = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    streamMusic.reset(source != nullptr ? Mix_LoadMUS_RW(source, 1) : nullptr);
    if (!streamMusic) {
        return;
    }
    {
        std::lock_guard endLock(endMutex);
        streamChannel = player.channel;
    }
    streamOwner = player.handle;
    Mix_VolumeMusic(player.volume);
    Mix_PlayMusic(streamMusic.get(), 0);
}

void SdlMixerAudioBackend::LetGoOfStream() {
    streamOwner = kNoAudio;
    streamMusic.reset();
    std::lock_guard endLock(endMutex);
    streamChannel = -1;
}

void SdlMixerAudioBackend::Halt(Player& player) {
    const auto index = static_cast<std::size_t>(player.channel);
    {
        std::lock_guard endLock(endMutex);
        channels[index].halting = true;
    }
    // The mixer calls the finished callback from inside the halt; `halting` makes it ignore it.
    if (streamOwner == player.handle) {
        if (awake) {
            Mix_HaltMusic();
        }
        LetGoOfStream();
    } else if (awake) {
        Mix_HaltChannel(player.channel);
    }
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
        // While the device is open it is checked for quiet once a second; closed, nothing wakes
        // this thread but work.
        const auto due = std::chrono::steady_clock::now() + std::chrono::seconds(1);
        const auto ready = [this] { return quitting || !jobs.empty(); };
        if (awake) {
            if (!jobAdded.wait_until(lock, due, ready)) {
                SleepIfQuiet();
                continue;
            }
        } else {
            jobAdded.wait(lock, ready);
        }
        if (quitting) {
            // SDL keeps per-thread error texts; only threads it made free them by themselves.
            SDL_TLSCleanup();
            return;
        }
        const Job job = std::move(jobs.front());
        jobs.pop_front();
        RunJob(lock, job);
        decoded.notify_all();
    }
}

void SdlMixerAudioBackend::RunJob(std::unique_lock<std::mutex>& lock, const Job& job) {
    Sound& sound = *sounds[job.path];
    if (job.whole) {
        // The track that holds the stream is often stopped at once, as when the menu's music
        // starts just before the board's stops; the stream then goes to this one instead.
        decoderBusy = true;
        jobAdded.wait_for(lock, std::chrono::milliseconds(100),
                          [&] { return quitting || !WaitsForWhole(sound); });
        decoderBusy = false;
        if (quitting || !WaitsForWhole(sound)) {
            sound.queued = false;
            return;
        }
    }
    // Bytes kept for streaming are only let go while nobody waits for them, as the job's
    // player does; a copy leaves the lock free while decoding.
    std::string bytes = job.whole ? sound.stream : std::string();
    decoderBusy = true;
    lock.unlock();
    std::unique_ptr<Mix_Chunk, ChunkFree> chunk;
    bool streams = false;
    if (job.whole) {
        chunk.reset(DecodeWhole(bytes));
    } else {
        const auto verdict = ReadSound(job.path, bytes);
        streams = verdict == formats::SoundFileCheck::Verdict::Mpeg;
        if (!streams && verdict != formats::SoundFileCheck::Verdict::Refused) {
            chunk.reset(DecodeWhole(bytes));
        }
    }
    lock.lock();
    decoderBusy = false;
    ++decodeCount;
    sound.chunk = std::move(chunk);
    if (streams) {
        sound.stream = std::move(bytes);
    }
    sound.decoding = false;
    sound.queued = false;
    for (auto& entry : players) {
        if (entry.second.sound == &sound && entry.second.waiting) {
            Start(entry.second);
        }
    }
}

void SdlMixerAudioBackend::ChannelFinished(int channel) {
    if (SdlMixerAudioBackend* owner = mixerOwner.load()) {
        owner->OnChannelFinished(channel);
    }
}

void SdlMixerAudioBackend::StreamFinished() {
    if (SdlMixerAudioBackend* owner = mixerOwner.load()) {
        owner->OnChannelFinished(-1);
    }
}

void SdlMixerAudioBackend::OnChannelFinished(int channel) {
    // Runs on the audio thread with the mixer locked: no mixer call, only a note and a post.
    std::lock_guard lock(endMutex);
    if (channel < 0) {
        channel = streamChannel; // the music stream's player
    }
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
