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
struct _Mix_Music;

namespace platform {

// Players on the sound card through the SDL mixer: 44100 Hz stereo, one mixer channel per player.
// The device is opened once, by the constructor; when none can be opened every player is silent.
// Only one instance may own the mixer at a time; a second one is silent.
//
// Each file is read once, on a background thread. MPEG audio (the music) is kept as its file's
// bytes and decoded while it plays, on the mixer's music stream; wave files, and MPEG audio that
// a second player sounds while another holds the stream, are decoded whole and shared by every
// later player of the same file. A track asked to play while its file is still loading starts
// as soon as it is ready, unless it was stopped or released meanwhile. A long track's memory is
// let go again once none of its players sounds or waits.
//
// A player at the bottom of the volume scale is silent: it counts as playing but is not mixed,
// and starts from its beginning once it is turned up. When nothing has sounded for a few
// seconds the device is closed, so a silent game does not wake the processor; the next sound
// opens it again.
//
// Threads: the public calls come from the main thread; the loading thread starts waiting
// players and closes the quiet device; the mixer's finished callbacks run on the audio thread
// (or inside a halt on the calling thread) and only record the end and call the end notice.
// Lock order: `mutex`, then the mixer's audio lock, then `endMutex`; the audio thread takes only
// the last two.
class SdlMixerAudioBackend : public AudioBackend {
public:
    // The device is closed after `quietSeconds` without a sound.
    explicit SdlMixerAudioBackend(std::function<void()> endNotice = {}, int quietSeconds = 3);
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

    // Whether there is an audio device (false: every player is silent). It may be closed while
    // nothing sounds; see Awake.
    bool DeviceOpen() const { return deviceOpen; }
    // Whether the device is open now rather than closed for quiet.
    bool Awake();
    // Whether the player's track is playing now (a silent one counts).
    bool IsPlaying(AudioHandle handle);
    // How many files have been loaded or decoded (or failed to) so far.
    int DecodeCount();
    // Blocks until every file asked for so far has been loaded.
    void WaitForDecoding();

private:
    struct ChunkFree {
        void operator()(Mix_Chunk* chunk) const noexcept;
    };
    struct MusicFree {
        void operator()(_Mix_Music* music) const noexcept;
    };
    // One file's sound, shared by all its players; loaded when first played.
    struct Sound {
        std::string path;
        bool decoding = true; // not loaded (yet)
        bool queued = false;  // waiting for or in the loading thread
        std::string stream;   // MPEG audio: the file's bytes, decoded as it plays
        std::unique_ptr<Mix_Chunk, ChunkFree> chunk; // decoded whole; null: none or not decodable
        bool Streams() const { return !stream.empty(); }
    };
    struct Player {
        AudioHandle handle = kNoAudio;
        Sound* sound = nullptr;
        int channel = -1; // -1: no device
        int volume = kMaxLinearVolume;
        bool waiting = false; // asked to play while loading
        bool muted = false;   // playing at volume 0: not mixed
    };
    // What the finished callbacks see of a mixer channel; guarded by endMutex.
    struct Channel {
        AudioHandle owner = kNoAudio;
        bool halting = false; // a halt from this side is under way: not an end
        bool notify = false;
        int ends = 0;
    };
    struct Job {
        std::string path;
        bool whole = false; // decode the kept MPEG bytes whole
    };

    bool OpenDevice();
    bool OpenMixer();
    void CloseDevice();
    // Opens the device again if it was closed for quiet; false without a device.
    bool Wake();
    // Closes the device if nothing has sounded for a while; on the loading thread.
    void SleepIfQuiet();
    bool AnythingSounds();
    Sound* SoundFor(const std::string& path);
    int TakeChannel(AudioHandle owner);
    void FreeChannel(Player& player);
    void Start(Player& player);
    void Load(Player& player, bool whole);
    bool StreamFreeFor(const Player& player);
    void PlayStream(Player& player);
    void LetGoOfStream();
    // Whether a player of the MPEG sound waits for it to be decoded whole.
    bool WaitsForWhole(const Sound& sound) const;
    // Gives the free stream to a player waiting for a whole decode.
    void HandOverStream();
    bool Sounds(const Player& player);
    // Drops a long sound's samples when no player of it sounds or waits any more.
    void ReleaseIfUnused(Sound& sound);
    void Halt(Player& player);
    Player* Find(AudioHandle handle);
    void DecodeLoop();
    void RunJob(std::unique_lock<std::mutex>& lock, const Job& job);
    static void ChannelFinished(int channel);
    static void StreamFinished();
    void OnChannelFinished(int channel);

    static std::atomic<SdlMixerAudioBackend*> mixerOwner;

    bool deviceOpen = false;
    bool ownsMixer = false;
    bool audioStarted = false;

    std::mutex mutex; // guards everything below up to endMutex
    bool awake = false;
    int quietChecks = 0;
    int quietSeconds = 0;
    std::map<AudioHandle, Player> players;
    std::map<std::string, std::unique_ptr<Sound>> sounds; // by native path
    std::vector<int> freeChannels;
    int channelCount = 0; // allocated in the mixer
    int usedChannels = 0; // handed out at least once
    AudioHandle nextHandle = 1;
    AudioHandle streamOwner = kNoAudio; // the player on the music stream
    std::unique_ptr<_Mix_Music, MusicFree> streamMusic;
    std::deque<Job> jobs;
    bool decoderBusy = false;
    bool quitting = false;
    int decodeCount = 0;
    std::condition_variable jobAdded;
    std::condition_variable decoded;

    std::mutex endMutex; // guards the members below
    std::vector<Channel> channels;
    int streamChannel = -1; // the channel whose ends the music stream's end counts for
    std::function<void()> notice;

    std::thread decoder;
};

} // namespace platform
