#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "ScopedEnv.h"
#include "TempDir.h"
#include "platform/MessageQueue.h"
#include "platform/sdl/SdlMixerAudioBackend.h"

#include <SDL.h>

#include <atomic>

namespace {

using namespace std::chrono_literals;
using platform::Event;
using platform::EventKind;
using platform::SdlMixerAudioBackend;

constexpr int kRate = 44100;
constexpr int kAmplitude = 16000;

void Put(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
    }
}

// A mono 16-bit PCM WAV file of a 440 Hz tone; its header may claim another rate or more
// samples than it holds.
std::string ToneWav(int milliseconds, std::uint32_t rate = kRate, std::uint32_t claimed = 0) {
    const std::uint32_t frames = kRate * static_cast<std::uint32_t>(milliseconds) / 1000;
    std::string wav = "RIFF";
    Put(wav, 36 + frames * 2, 4);
    wav += "WAVEfmt ";
    Put(wav, 16, 4);
    Put(wav, 1, 2); // PCM
    Put(wav, 1, 2); // mono
    Put(wav, rate, 4);
    Put(wav, rate * 2, 4);
    Put(wav, 2, 2);
    Put(wav, 16, 2);
    wav += "data";
    Put(wav, claimed != 0 ? claimed : frames * 2, 4);
    for (std::uint32_t i = 0; i < frames; ++i) {
        const double sample = kAmplitude * std::sin(2 * 3.14159265358979 * 440 * i / kRate);
        Put(wav, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(sample))), 2);
    }
    return wav;
}

// The largest single block SDL and its mixer ask for while one lives; they allocate through
// SDL's memory functions, which this wraps.
class LargestSdlAllocation {
public:
    LargestSdlAllocation() {
        SDL_GetMemoryFunctions(&baseMalloc, &baseCalloc, &baseRealloc, &baseFree);
        SDL_SetMemoryFunctions(Malloc, Calloc, Realloc, baseFree);
        largest = 0;
    }
    ~LargestSdlAllocation() {
        SDL_SetMemoryFunctions(baseMalloc, baseCalloc, baseRealloc, baseFree);
    }
    std::size_t Bytes() const { return largest; }

private:
    static void Note(std::size_t bytes) {
        std::size_t seen = largest;
        while (bytes > seen && !largest.compare_exchange_weak(seen, bytes)) {
        }
    }
    static void* Malloc(std::size_t size) {
        Note(size);
        return baseMalloc(size);
    }
    static void* Calloc(std::size_t count, std::size_t size) {
        Note(count * size);
        return baseCalloc(count, size);
    }
    static void* Realloc(void* block, std::size_t size) {
        Note(size);
        return baseRealloc(block, size);
    }

    static inline SDL_malloc_func baseMalloc = nullptr;
    static inline SDL_calloc_func baseCalloc = nullptr;
    static inline SDL_realloc_func baseRealloc = nullptr;
    static inline SDL_free_func baseFree = nullptr;
    static inline std::atomic<std::size_t> largest{0};
};

// The largest magnitude among little-endian 16-bit samples.
int Peak(const std::string& raw) {
    int peak = 0;
    for (std::size_t i = 0; i + 1 < raw.size(); i += 2) {
        const auto sample = static_cast<std::int16_t>(static_cast<std::uint8_t>(raw[i]) |
                                                      static_cast<std::uint8_t>(raw[i + 1]) << 8);
        peak = std::max(peak, std::abs(static_cast<int>(sample)));
    }
    return peak;
}

// The first `bytes` of the game's menu track, about a second of MPEG audio; empty when the
// game's music has not been made.
std::string MpegStart(std::size_t bytes) {
    std::ifstream file(std::string(TM_DIST_DIR) + "/Music/begin.mp3", std::ios::binary);
    std::string data(bytes, '\0');
    file.read(data.data(), static_cast<std::streamsize>(bytes));
    return file ? data : std::string();
}

// The mixer on SDL's disk driver: what would reach the sound card lands in a file.
class SdlMixerAudioBackendTest : public ::testing::Test {
protected:
    SdlMixerAudioBackendTest() {
        dir.Write("tone.wav", ToneWav(100));
        dir.Write("long.wav", ToneWav(2000));
        dir.Write("music.wav", ToneWav(8000)); // over a megabyte once decoded
    }

    std::function<void()> PostingNotice() {
        return [this] { queue.Post(Event::Of(EventKind::PlaybackEnded)); };
    }

    // The next posted event; false when none came within seconds (the test then fails).
    bool NextEvent(Event& event) {
        const auto giveUp = std::chrono::steady_clock::now() + 5s;
        while (!queue.TryTake(event)) {
            if (std::chrono::steady_clock::now() > giveUp) {
                return false;
            }
            queue.WaitFor(100ms);
        }
        return true;
    }

    // Plays the short tone once on a device of its own; the peak of the disk output.
    int PlaybackPeak(int hundredths) {
        {
            SdlMixerAudioBackend backend(PostingNotice());
            EXPECT_TRUE(backend.DeviceOpen());
            const auto tone = backend.Open(dir.File("tone.wav"));
            EXPECT_TRUE(backend.NotifyOnEnd(tone));
            EXPECT_TRUE(backend.SetVolume(tone, hundredths));
            backend.PlayFromStart(tone);
            Event event;
            EXPECT_TRUE(NextEvent(event));
            EXPECT_EQ(event.kind, EventKind::PlaybackEnded);
            EXPECT_TRUE(backend.TakeEnded(tone));
            EXPECT_FALSE(backend.TakeEnded(tone));
        }
        return Peak(dir.Read("out.raw"));
    }

    TempDir dir;
    ScopedEnv driver{"SDL_AUDIODRIVER", "disk"};
    ScopedEnv output{"SDL_DISKAUDIOFILE", dir.File("out.raw")};
    platform::MessageQueue queue;
};

TEST_F(SdlMixerAudioBackendTest, ToneReachesTheDeviceAtTheLevelOfItsVolume) {
    const int full = PlaybackPeak(0);
    EXPECT_GT(full, kAmplitude * 9 / 10);
    const int quieter = PlaybackPeak(-1000); // linear 40 of 128
    EXPECT_GT(quieter, 0);
    EXPECT_NEAR(quieter, full * 40 / 128, full / 50);
}

TEST_F(SdlMixerAudioBackendTest, FileIsDecodedOnceAndSharedByItsPlayers) {
    SdlMixerAudioBackend backend(PostingNotice());
    std::string backslashed = dir.File("long.wav");
    std::replace(backslashed.begin(), backslashed.end(), '/', '\\');
    backend.Release(backend.Open(dir.File("long.wav")));
    backend.WaitForDecoding();
    // More players than the mixer has channels at first, all sounding at once.
    std::vector<platform::AudioHandle> players;
    for (int i = 0; i < 12; ++i) {
        players.push_back(backend.Open(i % 2 == 0 ? dir.File("long.wav") : backslashed));
    }
    EXPECT_EQ(std::set(players.begin(), players.end()).size(), players.size());
    backend.WaitForDecoding();
    EXPECT_EQ(backend.DecodeCount(), 0) << "opening decodes nothing";
    backend.PlayFromStart(players[0]);
    backend.WaitForDecoding();
    EXPECT_EQ(backend.DecodeCount(), 1);

    for (const auto player : players) {
        ASSERT_TRUE(backend.NotifyOnEnd(player));
        backend.PlayFromStart(player);
    }
    for (const auto player : players) {
        EXPECT_TRUE(backend.IsPlaying(player));
        backend.Stop(player); // not an end
        EXPECT_FALSE(backend.IsPlaying(player));
        EXPECT_FALSE(backend.TakeEnded(player));
    }
    EXPECT_TRUE(queue.Empty());
}

TEST_F(SdlMixerAudioBackendTest, TrackAskedForWhileDecodingStartsWhenReadyUnlessStopped) {
    SdlMixerAudioBackend backend(PostingNotice());
    const auto tone = backend.Open(dir.File("tone.wav"));
    const auto stopped = backend.Open(dir.File("long.wav"));
    ASSERT_TRUE(backend.NotifyOnEnd(tone));
    backend.PlayFromStart(tone);
    backend.PlayFromStart(stopped);
    backend.Stop(stopped);

    Event event;
    ASSERT_TRUE(NextEvent(event));
    EXPECT_TRUE(backend.TakeEnded(tone));
    backend.WaitForDecoding();
    EXPECT_FALSE(backend.IsPlaying(stopped));
}

TEST_F(SdlMixerAudioBackendTest, LongSoundIsLetGoWhenNothingPlaysItAndDecodedAgainWhenPlayed) {
    SdlMixerAudioBackend backend(PostingNotice());
    const auto first = backend.Open(dir.File("music.wav"));
    const auto second = backend.Open(dir.File("music.wav"));
    backend.PlayFromStart(first);
    backend.PlayFromStart(second);
    backend.WaitForDecoding();
    EXPECT_EQ(backend.DecodeCount(), 1);
    backend.Stop(first);
    EXPECT_TRUE(backend.IsPlaying(second)) << "kept while another player sounds";
    backend.PlayFromStart(first);
    EXPECT_TRUE(backend.IsPlaying(first)) << "still decoded: starts at once";
    backend.Stop(first);
    backend.Release(second);
    backend.WaitForDecoding();
    EXPECT_EQ(backend.DecodeCount(), 1);

    backend.PlayFromStart(first);
    backend.WaitForDecoding();
    EXPECT_EQ(backend.DecodeCount(), 2) << "let go once silent, decoded again to play";
    EXPECT_TRUE(backend.IsPlaying(first));

    // A short sound stays decoded.
    const auto click = backend.Open(dir.File("tone.wav"));
    backend.PlayFromStart(click);
    backend.WaitForDecoding();
    backend.Stop(click);
    backend.PlayFromStart(click);
    EXPECT_TRUE(backend.IsPlaying(click));
    EXPECT_EQ(backend.DecodeCount(), 3);
}

// Music is kept as its file and decoded as it plays; a second player sounding at the same time
// gets the file decoded whole. Each ends once, with its notice; a stop is no end.
TEST_F(SdlMixerAudioBackendTest, MpegAudioStreamsAndASecondPlayerSoundsAlongside) {
    const std::string mpeg = MpegStart(16000);
    if (mpeg.empty()) {
        GTEST_SKIP() << "no game music to play";
    }
    dir.Write("short.mp3", mpeg);
    {
        SdlMixerAudioBackend backend(PostingNotice());
        const auto first = backend.Open(dir.File("short.mp3"));
        const auto second = backend.Open(dir.File("short.mp3"));
        ASSERT_TRUE(backend.NotifyOnEnd(first));
        ASSERT_TRUE(backend.NotifyOnEnd(second));
        backend.PlayFromStart(first);
        backend.WaitForDecoding();
        EXPECT_TRUE(backend.IsPlaying(first));
        backend.Stop(first);
        EXPECT_FALSE(backend.IsPlaying(first));
        EXPECT_FALSE(backend.TakeEnded(first));

        backend.PlayFromStart(first);
        backend.PlayFromStart(second);
        backend.WaitForDecoding();
        EXPECT_EQ(backend.DecodeCount(), 3) << "let go at the stop, read again, decoded whole";
        EXPECT_TRUE(backend.IsPlaying(first));
        EXPECT_TRUE(backend.IsPlaying(second));
        Event event;
        ASSERT_TRUE(NextEvent(event));
        ASSERT_TRUE(NextEvent(event));
        EXPECT_TRUE(backend.TakeEnded(first));
        EXPECT_TRUE(backend.TakeEnded(second));
        EXPECT_FALSE(backend.TakeEnded(first));
        EXPECT_FALSE(backend.TakeEnded(second));

        // A track started just before the one holding the stream stops, as the menu's music
        // starts before the board's stops, takes the stream over: nothing is decoded whole.
        backend.Stop(first);
        backend.Stop(second);
        backend.PlayFromStart(first);
        backend.WaitForDecoding();
        const int decodes = backend.DecodeCount();
        backend.PlayFromStart(second);
        backend.Stop(first);
        backend.WaitForDecoding();
        EXPECT_EQ(backend.DecodeCount(), decodes);
        EXPECT_TRUE(backend.IsPlaying(second));
    }
    EXPECT_GT(Peak(dir.Read("out.raw")), 1000);
}

// Nothing audible for a while closes the device, a silent track included; the next sound, or
// the silent track turned up, opens it again.
TEST_F(SdlMixerAudioBackendTest, QuietDeviceClosesAndTheNextSoundOpensIt) {
    SdlMixerAudioBackend backend(PostingNotice(), 1);
    const auto music = backend.Open(dir.File("music.wav"));
    const auto tone = backend.Open(dir.File("tone.wav"));
    ASSERT_TRUE(backend.NotifyOnEnd(tone));
    backend.SetVolume(music, platform::AudioBackend::kSilentHundredths);
    backend.PlayFromStart(music);
    backend.WaitForDecoding();
    EXPECT_TRUE(backend.IsPlaying(music)) << "a silent track plays, unheard";
    const auto giveUp = std::chrono::steady_clock::now() + 10s;
    while (backend.Awake() && std::chrono::steady_clock::now() < giveUp) {
        std::this_thread::sleep_for(50ms);
    }
    ASSERT_FALSE(backend.Awake());
    EXPECT_TRUE(backend.IsPlaying(music));

    backend.PlayFromStart(tone);
    EXPECT_TRUE(backend.Awake());
    Event event;
    ASSERT_TRUE(NextEvent(event));
    EXPECT_TRUE(backend.TakeEnded(tone));
    backend.SetVolume(music, 0);
    EXPECT_TRUE(backend.IsPlaying(music));
    backend.Stop(music);
    EXPECT_FALSE(backend.IsPlaying(music));
}

TEST_F(SdlMixerAudioBackendTest, MissingOrUndecodableFilesGiveSilentPlayers) {
    dir.Write("noise.mp3", std::string(4000, '\x55'));
    // At 1 Hz each of its samples would become 44100 of the device's.
    dir.Write("slow.wav", ToneWav(100, 1));
    SdlMixerAudioBackend backend(PostingNotice());
    SdlMixerAudioBackend second;
    EXPECT_FALSE(second.DeviceOpen()); // the first one owns the mixer

    for (const char* name : {"missing.wav", "noise.mp3", "slow.wav"}) {
        const auto player = backend.Open(dir.File(name));
        ASSERT_NE(player, platform::kNoAudio);
        EXPECT_TRUE(backend.NotifyOnEnd(player));
        EXPECT_TRUE(backend.SetVolume(player, -100));
        EXPECT_FALSE(backend.SetVolume(player, 1));
        backend.PlayFromStart(player);
        backend.WaitForDecoding();
        EXPECT_FALSE(backend.IsPlaying(player)) << name;
        EXPECT_FALSE(backend.TakeEnded(player)) << name;
    }
    EXPECT_EQ(backend.DecodeCount(), 3);
}

// A damaged header that claims 2.6 GB of samples: what the file holds plays, and nothing near
// the claim is ever allocated.
TEST_F(SdlMixerAudioBackendTest, FileIsDecodedAtMostToWhatItHolds) {
    dir.Write("claims.wav", ToneWav(100, kRate, 0x9B003040));
    const LargestSdlAllocation largest;
    {
        SdlMixerAudioBackend backend(PostingNotice());
        const auto player = backend.Open(dir.File("claims.wav"));
        ASSERT_TRUE(backend.NotifyOnEnd(player));
        backend.PlayFromStart(player);
        backend.WaitForDecoding();
        EXPECT_TRUE(backend.IsPlaying(player));
        Event event;
        EXPECT_TRUE(NextEvent(event)) << "it ends after the samples it holds";
    }
    EXPECT_LT(largest.Bytes(), 1u << 20);
    EXPECT_GT(Peak(dir.Read("out.raw")), kAmplitude / 2);
}

TEST_F(SdlMixerAudioBackendTest, WithoutADeviceEveryPlayerIsSilent) {
    ScopedEnv unknown("SDL_AUDIODRIVER", "no-such-driver");
    SdlMixerAudioBackend backend(PostingNotice());
    EXPECT_FALSE(backend.DeviceOpen());

    const auto tone = backend.Open(dir.File("tone.wav"));
    ASSERT_NE(tone, platform::kNoAudio);
    EXPECT_TRUE(backend.NotifyOnEnd(tone));
    EXPECT_TRUE(backend.SetVolume(tone, -100));
    EXPECT_FALSE(backend.SetVolume(tone, 100));
    backend.PlayFromStart(tone);
    backend.WaitForDecoding();
    EXPECT_FALSE(backend.IsPlaying(tone));
    EXPECT_EQ(backend.DecodeCount(), 0);
    backend.Stop(tone);
    backend.Release(tone);
    EXPECT_TRUE(queue.Empty());
}

TEST_F(SdlMixerAudioBackendTest, EndNoticeIsRefusedWhenNothingCanBePosted) {
    SdlMixerAudioBackend backend;
    const auto tone = backend.Open(dir.File("tone.wav"));
    EXPECT_FALSE(backend.NotifyOnEnd(tone));
    backend.SetEndNotice(PostingNotice());
    EXPECT_TRUE(backend.NotifyOnEnd(tone));
}

} // namespace
