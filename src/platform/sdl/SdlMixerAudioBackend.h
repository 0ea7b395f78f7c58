#pragma once

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/AudioBackend.h"

struct Mix_Chunk;

namespace platform {

// Players on the sound card through the SDL mixer: 44100 Hz stereo, one mixer channel per player.
// The device is opened once, by the constructor; when none can be opened every player is silent.
// Only one instance may own the mixer at a time; a second one is silent.
//
// Each file is decoded once, on a background thread, and the decoded sound is shared by every
// later player of the same file. A track asked to play while its file is still decoding starts
// as soon as it is ready, unless it was stopped or released meanwhile.
//
// Threads: the public calls come from the main thread; the decoding thread starts waiting
// players; the mixer's channel-finished callback runs on the audio thread (or inside a halt on
// the calling thread) and only records the end and calls the end notice. Lock order: `mutex`,
// then the mixer's audio lock, then `endMutex`; the audio thread takes only the last two.
class SdlMixerAudioBackend : public AudioBackend {
public:
    explicit SdlMixerAudioBackend(std::function<void()> endNotice = {});
    ~SdlMixerAudioBackend() override;
    SdlMixerAudioBackend(const SdlMixerAudioBackend&) = delete;
    SdlMixerAudioBackend& operator=(const SdlMixerAudioBackend&) = delete;

    AudioHandle Open(std::string_view path) override;
    void PlayFromStart(AudioHandle handle) override;
    void Stop(AudioHandle handle) override;
    bool SetVolume(AudioHandle handle, int hundredths) override;
    void Release(AudioHandle handle) override;
    void SetEndNotice(std::function<void()> notice) override;
    bool NotifyOnEnd(AudioHandle handle) override;
    bool TakeEnded(AudioHandle handle) override;

    // Whether the audio device is open (false: every player is silent).
    bool DeviceOpen() const { return deviceOpen; }
    // Whether the player's track is sounding now.
    bool IsPlaying(AudioHandle handle);
    // How many files have been decoded (or failed to decode) so far.
    int DecodeCount();
    // Blocks until every file asked for so far has been decoded.
    void WaitForDecoding();

private:
    struct ChunkFree {
        void operator()(Mix_Chunk* chunk) const noexcept;
    };
    // One file's decoded sound, shared by all its players. It is decoded when first played; a
    // long one (music) is let go again once none of its players sounds or waits, so only the
    // tracks that play take memory.
    struct Sound {
        std::string path;
        bool decoding = true;                        // not decoded (yet)
        bool queued = false;                         // waiting for or in the decoding thread
        std::unique_ptr<Mix_Chunk, ChunkFree> chunk; // null: missing or not decodable
    };
    struct Player {
        Sound* sound = nullptr;
        int channel = -1; // -1: no device
        int volume = kMaxLinearVolume;
        bool waiting = false; // asked to play while decoding
    };
    // What the channel-finished callback sees of a mixer channel; guarded by endMutex.
    struct Channel {
        AudioHandle owner = kNoAudio;
        bool halting = false; // a halt from this side is under way: not an end
        bool notify = false;
        int ends = 0;
    };

    bool OpenDevice();
    void CloseDevice();
    Sound* SoundFor(const std::string& path);
    int TakeChannel(AudioHandle owner);
    void FreeChannel(int channel);
    void Start(Player& player);
    // Drops a long sound's samples when no player of it sounds or waits any more.
    void ReleaseIfUnused(Sound& sound);
    void Halt(int channel);
    Player* Find(AudioHandle handle);
    void DecodeLoop();
    static void ChannelFinished(int channel);
    void OnChannelFinished(int channel);

    static std::atomic<SdlMixerAudioBackend*> mixerOwner;

    bool deviceOpen = false;
    bool ownsMixer = false;
    bool audioStarted = false;

    std::mutex mutex; // guards everything below up to endMutex
    std::map<AudioHandle, Player> players;
    std::map<std::string, std::unique_ptr<Sound>> sounds; // by native path
    std::vector<int> freeChannels;
    int channelCount = 0; // allocated in the mixer
    int usedChannels = 0; // handed out at least once
    AudioHandle nextHandle = 1;
    std::deque<std::string> jobs;
    bool decoderBusy = false;
    bool quitting = false;
    int decodeCount = 0;
    std::condition_variable jobAdded;
    std::condition_variable decoded;

    std::mutex endMutex; // guards the members below
    std::vector<Channel> channels;
    std::function<void()> notice;

    std::thread decoder;
};

} // namespace platform
