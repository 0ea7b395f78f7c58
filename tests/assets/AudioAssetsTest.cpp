#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <map>
#include <numbers>
#include <set>
#include <string>
#include <vector>

#include <mpg123.h>

#include "audio/AudioAssets.h"
#include "audio/Composer.h"
#include "audio/Limiter.h"
#include "audio/Mixer.h"
#include "audio/Mp3Encoder.h"
#include "audio/MusicTrack.h"
#include "audio/PentatonicScale.h"
#include "audio/PluckedString.h"
#include "audio/WavWriter.h"

namespace {

using namespace assetgen::audio;

constexpr double kRate = kSampleRate;

struct Decoded {
    long rate = 0;
    int channels = 0;
    std::vector<float> left;
    std::vector<float> right;

    std::size_t Frames() const { return left.size(); }
};

// Decodes an MP3 with libmpg123, gapless: the encoder's delay and padding, told by the LAME
// tag, are cut away.
Decoded DecodeMp3(const std::vector<std::uint8_t>& bytes) {
    Decoded decoded;
    int error = 0;
    mpg123_handle* handle = mpg123_new(nullptr, &error);
    if (handle == nullptr) {
        ADD_FAILURE() << "mpg123_new failed";
        return decoded;
    }
    mpg123_param(handle, MPG123_ADD_FLAGS, MPG123_GAPLESS | MPG123_FORCE_FLOAT, 0.0);
    mpg123_open_feed(handle);
    mpg123_feed(handle, bytes.data(), bytes.size());
    std::vector<unsigned char> block(1 << 16);
    for (;;) {
        std::size_t done = 0;
        const int result = mpg123_read(handle, block.data(), block.size(), &done);
        if (result == MPG123_NEW_FORMAT) {
            int encoding = 0;
            mpg123_getformat(handle, &decoded.rate, &decoded.channels, &encoding);
            EXPECT_EQ(encoding, MPG123_ENC_FLOAT_32);
            continue;
        }
        const std::size_t samples = done / sizeof(float);
        for (std::size_t i = 0; i + 1 < samples && decoded.channels == 2; i += 2) {
            float pair[2];
            std::memcpy(pair, block.data() + i * sizeof(float), sizeof(pair));
            decoded.left.push_back(pair[0]);
            decoded.right.push_back(pair[1]);
        }
        if (result != MPG123_OK) {
            break;
        }
    }
    mpg123_delete(handle);
    return decoded;
}

double Rms(const std::vector<float>& samples, std::size_t from, std::size_t to) {
    double sum = 0.0;
    for (std::size_t i = from; i < to; ++i) {
        sum += double(samples[i]) * samples[i];
    }
    return to > from ? std::sqrt(sum / double(to - from)) : 0.0;
}

float Peak(const std::vector<float>& samples) {
    float peak = 0.0f;
    for (const float sample : samples) {
        peak = std::max(peak, std::fabs(sample));
    }
    return peak;
}

std::uint32_t ReadU32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
           std::uint32_t(bytes[at + 3]) << 24;
}

std::uint16_t ReadU16(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

bool Holds(const std::vector<std::uint8_t>& bytes, std::size_t limit, const std::string& text) {
    const auto end = bytes.begin() + std::min(limit, bytes.size());
    return std::search(bytes.begin(), end, text.begin(), text.end()) != end;
}

// The repetition period in samples near `expected`, by autocorrelation with the peak refined
// between lags.
double MeasurePeriod(const std::vector<float>& samples, std::size_t from, std::size_t count,
                     double expected) {
    const auto correlation = [&](int lag) {
        double sum = 0.0;
        for (std::size_t i = from; i < from + count; ++i) {
            sum += double(samples[i]) * samples[i + lag];
        }
        return sum;
    };
    int best = static_cast<int>(expected * 0.85);
    double bestValue = correlation(best);
    for (int lag = best + 1; lag <= static_cast<int>(expected * 1.15) + 1; ++lag) {
        const double value = correlation(lag);
        if (value > bestValue) {
            best = lag;
            bestValue = value;
        }
    }
    const double before = correlation(best - 1);
    const double after = correlation(best + 1);
    return best + 0.5 * (before - after) / (before - 2.0 * bestValue + after);
}

double Cents(double measured, double expected) {
    return 1200.0 * std::log2(measured / expected);
}

// ---------------------------------------------------------------------------------------------
// The finished files, made once for the whole suite.

class AudioAssetsTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        files = new std::vector<assetgen::AudioFile>(assetgen::MakeAudioFiles());
        decoded = new std::map<std::string, Decoded>();
        for (const assetgen::AudioFile& file : *files) {
            if (file.path.ends_with(".mp3")) {
                (*decoded)[file.path] = DecodeMp3(file.bytes);
            }
        }
    }
    static void TearDownTestSuite() {
        delete files;
        delete decoded;
        files = nullptr;
        decoded = nullptr;
    }

    static const assetgen::AudioFile* File(const std::string& path) {
        for (const assetgen::AudioFile& file : *files) {
            if (file.path == path) {
                return &file;
            }
        }
        return nullptr;
    }

    static std::vector<assetgen::AudioFile>* files;
    static std::map<std::string, Decoded>* decoded;
};

std::vector<assetgen::AudioFile>* AudioAssetsTest::files = nullptr;
std::map<std::string, Decoded>* AudioAssetsTest::decoded = nullptr;

const char* const kTracks[] = {"Music/begin.mp3", "Music/board1.mp3", "Music/board2.mp3",
                               "Music/board3.mp3"};

TEST_F(AudioAssetsTest, MakesTheFiveFilesAtTheirPaths) {
    std::vector<std::string> paths;
    for (const assetgen::AudioFile& file : *files) {
        paths.push_back(file.path);
        EXPECT_FALSE(file.bytes.empty()) << file.path;
    }
    EXPECT_EQ(paths,
              (std::vector<std::string>{"Music/begin.mp3", "Music/board1.mp3", "Music/board2.mp3",
                                        "Music/board3.mp3", "Sound/btn.wav"}));
}

TEST_F(AudioAssetsTest, TracksAreStereoLoopsOfTheirWrittenLength) {
    const std::vector<MusicTrack> tracks = MusicTrack::GameTracks();
    ASSERT_EQ(tracks.size(), 4u);
    for (const MusicTrack& track : tracks) {
        ASSERT_EQ(decoded->count(track.path), 1u) << track.path;
        const Decoded& audio = decoded->at(track.path);
        EXPECT_EQ(audio.rate, 44100) << track.path;
        EXPECT_EQ(audio.channels, 2) << track.path;
        const double seconds = audio.Frames() / kRate;
        EXPECT_GE(seconds, 40.0) << track.path;
        EXPECT_LE(seconds, 75.0) << track.path;
        // Exactly the bars that were written: the tag let the decoder cut the encoder's delay
        // and padding, so nothing is added at the seam.
        const double written = track.style.bars * 4 * 60.0 / track.style.tempo;
        EXPECT_EQ(audio.Frames(), static_cast<std::size_t>(std::lround(written * kRate)))
            << track.path;
    }
}

TEST_F(AudioAssetsTest, TracksCarryTheEncoderTagInTheirFirstFrame) {
    for (const char* path : kTracks) {
        const assetgen::AudioFile* file = File(path);
        ASSERT_NE(file, nullptr) << path;
        ASSERT_GE(file->bytes.size(), 4u);
        EXPECT_EQ(file->bytes[0], 0xFF) << path << ": no frame (or an ID3 tag) at the start";
        EXPECT_EQ(file->bytes[1] & 0xE0, 0xE0) << path;
        EXPECT_TRUE(Holds(file->bytes, 400, "Xing") || Holds(file->bytes, 400, "Info")) << path;
        EXPECT_TRUE(Holds(file->bytes, 400, "LAME")) << path;
    }
}

TEST_F(AudioAssetsTest, TracksPlayAtAComfortableLevelThroughout) {
    constexpr std::size_t kWindow = 5 * 44100;
    for (const char* path : kTracks) {
        const Decoded& audio = decoded->at(path);
        ASSERT_GT(audio.Frames(), kWindow) << path;
        const double rms = Rms(audio.left, 0, audio.Frames());
        EXPECT_GT(rms, 0.05) << path;
        EXPECT_LT(rms, 0.2) << path;
        // Peaks near -3 dBFS: loud enough, never clipped.
        const float peak = std::max(Peak(audio.left), Peak(audio.right));
        EXPECT_GT(peak, 0.5f) << path;
        EXPECT_LT(peak, 0.9f) << path;
        // Every five seconds, including the closing ones, hold music.
        std::vector<std::size_t> starts;
        for (std::size_t at = 0; at + kWindow <= audio.Frames(); at += kWindow) {
            starts.push_back(at);
        }
        starts.push_back(audio.Frames() - kWindow);
        for (const std::size_t at : starts) {
            EXPECT_GT(Rms(audio.left, at, at + kWindow), 0.015) << path << " at " << at / kRate;
            EXPECT_GT(Rms(audio.right, at, at + kWindow), 0.015) << path << " at " << at / kRate;
        }
    }
}

TEST_F(AudioAssetsTest, TracksAreStereo) {
    for (const char* path : kTracks) {
        const Decoded& audio = decoded->at(path);
        std::vector<float> difference(audio.Frames());
        for (std::size_t i = 0; i < audio.Frames(); ++i) {
            difference[i] = audio.left[i] - audio.right[i];
        }
        EXPECT_GT(Rms(difference, 0, difference.size()), 0.2 * Rms(audio.left, 0, audio.Frames()))
            << path;
    }
}

TEST_F(AudioAssetsTest, LoopSeamJoinsWithoutAJump) {
    constexpr std::size_t kSeam = 882; // 20 ms each side
    for (const char* path : kTracks) {
        const Decoded& audio = decoded->at(path);
        const std::size_t frames = audio.Frames();
        ASSERT_GT(frames, 2 * kSeam);
        for (const std::vector<float>* channel : {&audio.left, &audio.right}) {
            const std::vector<float>& x = *channel;
            const double rms = Rms(x, 0, frames);
            // The sample-to-sample steps of the music as a whole...
            double steps = 0.0;
            for (std::size_t i = 1; i < frames; ++i) {
                steps += double(x[i] - x[i - 1]) * (x[i] - x[i - 1]);
            }
            const double typicalStep = std::sqrt(steps / double(frames - 1));
            // ...and across the seam: the end played into the start.
            std::vector<float> seam(x.end() - kSeam, x.end());
            seam.insert(seam.end(), x.begin(), x.begin() + kSeam);
            float largestStep = 0.0f;
            for (std::size_t i = 1; i < seam.size(); ++i) {
                largestStep = std::max(largestStep, std::fabs(seam[i] - seam[i - 1]));
            }
            EXPECT_LT(std::fabs(x.back() - x.front()), 0.05 * rms) << path;
            EXPECT_LT(largestStep, typicalStep) << path;
            EXPECT_LT(Peak(seam), 0.25 * rms) << path << ": the seam is not in a quiet place";
        }
    }
}

TEST_F(AudioAssetsTest, ClickIsAShortWoodenKnock) {
    const assetgen::AudioFile* click = File("Sound/btn.wav");
    ASSERT_NE(click, nullptr);
    const std::vector<std::uint8_t>& wav = click->bytes;
    ASSERT_GE(wav.size(), 44u);
    EXPECT_EQ(std::string(wav.begin(), wav.begin() + 4), "RIFF");
    EXPECT_EQ(std::string(wav.begin() + 8, wav.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(ReadU32(wav, 4), wav.size() - 8);
    EXPECT_EQ(ReadU16(wav, 20), 1); // PCM
    const int channels = ReadU16(wav, 22);
    EXPECT_TRUE(channels == 1 || channels == 2);
    EXPECT_EQ(ReadU32(wav, 24), 44100u);
    EXPECT_EQ(ReadU16(wav, 34), 16);
    EXPECT_EQ(std::string(wav.begin() + 36, wav.begin() + 40), "data");
    const std::uint32_t dataBytes = ReadU32(wav, 40);
    ASSERT_EQ(dataBytes, wav.size() - 44);
    const double seconds = dataBytes / (2.0 * channels) / kRate;
    EXPECT_GT(seconds, 0.02);
    EXPECT_LT(seconds, 0.3);
    std::vector<float> samples;
    for (std::size_t at = 44; at + 1 < wav.size(); at += 2) {
        samples.push_back(static_cast<std::int16_t>(ReadU16(wav, at)) / 32768.0f);
    }
    EXPECT_GT(Peak(samples), 0.2f);
    EXPECT_LT(Peak(samples), 0.9f);
    // It dies away instead of being cut off.
    EXPECT_LT(std::fabs(samples.back()), 0.01f);
}

TEST_F(AudioAssetsTest, SameBytesOnEveryRun) {
    // The shortest track again, from scratch.
    std::vector<MusicTrack> tracks = MusicTrack::GameTracks();
    const auto shortest = std::min_element(
        tracks.begin(), tracks.end(), [](const MusicTrack& a, const MusicTrack& b) {
            return a.style.bars / a.style.tempo < b.style.bars / b.style.tempo;
        });
    Mp3Encoder encoder;
    ASSERT_TRUE(encoder.Open(4.0f));
    std::vector<std::uint8_t> again;
    ASSERT_TRUE(encoder.Encode(shortest->Render(), again));
    const assetgen::AudioFile* first = File(shortest->path);
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->bytes == again) << shortest->path;
}

// ---------------------------------------------------------------------------------------------
// The parts.

TEST(PluckedStringTest, SoundsAtTheAskedPitch) {
    // High notes are where a loop delay off by a fraction of a sample would show most.
    for (const double frequency : {98.0, 440.0, 1318.5, 2093.0}) {
        PluckParams params;
        params.frequency = frequency;
        params.holdSeconds = 1.0;
        Prng rng(7);
        PluckedString string(params, rng);
        std::vector<float> samples(string.Frames());
        string.Render(samples);
        const double period = kRate / frequency;
        const double measured = MeasurePeriod(samples, 4410, 8820, period);
        EXPECT_NEAR(Cents(period, measured), 0.0, 2.0) << frequency << " Hz";
    }
}

TEST(PluckedStringTest, SlidesOntoItsPitch) {
    PluckParams params;
    params.frequency = 440.0;
    params.holdSeconds = 1.5;
    params.glideCents = -200.0;
    params.glideSeconds = 0.1;
    Prng rng(3);
    PluckedString string(params, rng);
    std::vector<float> samples(string.Frames());
    string.Render(samples);
    const double period = kRate / 440.0;
    // Around 20 ms in, still well below the pitch; after the slide, on it.
    const double early = MeasurePeriod(samples, 660, 441, period * 1.08);
    const double settled = MeasurePeriod(samples, 8820, 2205, period);
    EXPECT_LT(Cents(period, early), -60.0);
    EXPECT_NEAR(Cents(period, settled), 0.0, 3.0);
}

TEST(PluckedStringTest, DiesAwayOnceDamped) {
    PluckParams params;
    params.frequency = 220.0;
    params.holdSeconds = 0.3;
    params.decaySeconds = 4.0;
    params.releaseSeconds = 0.2;
    Prng rng(11);
    PluckedString string(params, rng);
    std::vector<float> samples(string.Frames());
    string.Render(samples);
    const double attack = Rms(samples, 0, 2205);
    const double held = Rms(samples, 11025, 13230); // 0.25 s: still ringing freely
    const double end = Rms(samples, samples.size() - 441, samples.size());
    EXPECT_GT(held, 0.3 * attack);
    EXPECT_LT(end, 0.003 * attack);
}

TEST(PentatonicScaleTest, ModesTakeTheirNotesFromTheGongScale) {
    struct Case {
        PentatonicMode mode;
        int tonic;
        int notes[6]; // steps 0 to 5
        int fifthStep;
    };
    const Case cases[] = {
        {PentatonicMode::Gong, 62, {62, 64, 66, 69, 71, 74}, 3},  // D E F# A B
        {PentatonicMode::Shang, 64, {64, 66, 69, 71, 74, 76}, 3}, // E F# A B D
        {PentatonicMode::Jiao, 64, {64, 67, 69, 72, 74, 76}, 2},  // E G A C D: no fifth
        {PentatonicMode::Zhi, 67, {67, 69, 72, 74, 76, 79}, 3},   // G A C D E
        {PentatonicMode::Yu, 57, {57, 60, 62, 64, 67, 69}, 3},    // A C D E G
    };
    for (const Case& c : cases) {
        const PentatonicScale scale(c.mode, c.tonic);
        for (int step = 0; step < 6; ++step) {
            EXPECT_EQ(scale.Midi(step), c.notes[step]) << int(c.mode) << " step " << step;
            EXPECT_EQ(scale.Midi(step - 10), c.notes[step] - 24) << int(c.mode) << " " << step;
        }
        EXPECT_EQ(scale.FifthStep(), c.fifthStep) << int(c.mode);
        EXPECT_TRUE(scale.IsStable(-5));
        EXPECT_TRUE(scale.IsStable(c.fifthStep + 5));
        EXPECT_FALSE(scale.IsStable(1));
    }
    EXPECT_NEAR(PentatonicScale(PentatonicMode::Yu, 57).Frequency(5), 440.0, 1e-9);
}

// Pitch classes of the gong scale that holds `tonic` as the mode's tonic.
std::set<int> PitchClasses(const CompositionStyle& style) {
    const PentatonicScale scale(style.mode, style.tonicMidi);
    std::set<int> classes;
    for (int step = 0; step < 5; ++step) {
        classes.insert(scale.Midi(step) % 12);
    }
    return classes;
}

TEST(ComposerTest, GameTracksStayInTheirModeAndClearOfTheSeam) {
    for (const MusicTrack& track : MusicTrack::GameTracks()) {
        const Score score = Composer(track.style, track.seed).Compose();
        EXPECT_NEAR(score.seconds, track.style.bars * 240.0 / track.style.tempo, 1e-9);
        const std::set<int> classes = PitchClasses(track.style);
        std::map<Instrument, int> counts;
        const double guardEnd = score.seconds - Composer::kSeamGuardSeconds;
        for (const NoteEvent& note : score.notes) {
            ++counts[note.instrument];
            const double fade = note.instrument == Instrument::Drone ? kDroneReleaseSeconds : 0.0;
            EXPECT_LE(note.start + note.hold + fade, guardEnd + 1e-9)
                << track.path << ": a note still sounds at the seam, at " << note.start;
            if (note.instrument == Instrument::FrameDrum ||
                note.instrument == Instrument::WoodBlock) {
                continue;
            }
            const double midi = 69.0 + 12.0 * std::log2(note.frequency / 440.0);
            ASSERT_NEAR(midi, std::round(midi), 1e-6) << track.path;
            EXPECT_EQ(classes.count(static_cast<int>(std::lround(midi)) % 12), 1u)
                << track.path << ": " << midi << " is outside the mode";
        }
        EXPECT_GT(counts[track.style.lead], 30) << track.path;
        EXPECT_GT(counts[Instrument::BassZither], 10) << track.path;
        EXPECT_EQ(counts[Instrument::FrameDrum] > 0, track.style.drums != DrumPart::None)
            << track.path;
    }
}

TEST(ComposerTest, SameSeedSameNotesOtherSeedOtherTune) {
    const MusicTrack track = MusicTrack::GameTracks()[1];
    const Score first = Composer(track.style, track.seed).Compose();
    const Score again = Composer(track.style, track.seed).Compose();
    const Score other = Composer(track.style, track.seed + 1).Compose();
    ASSERT_EQ(first.notes.size(), again.notes.size());
    for (std::size_t i = 0; i < first.notes.size(); ++i) {
        EXPECT_EQ(first.notes[i].start, again.notes[i].start);
        EXPECT_EQ(first.notes[i].frequency, again.notes[i].frequency);
        EXPECT_EQ(first.notes[i].velocity, again.notes[i].velocity);
    }
    std::size_t same = 0;
    for (std::size_t i = 0; i < std::min(first.notes.size(), other.notes.size()); ++i) {
        same += first.notes[i].frequency == other.notes[i].frequency ? 1 : 0;
    }
    EXPECT_LT(same, first.notes.size() * 3 / 4);
}

StereoBuffer Burst(std::size_t frames, std::size_t at, std::size_t length, float amplitude) {
    StereoBuffer buffer(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        buffer.left[i] = buffer.right[i] = 0.1f * std::sin(0.05f * float(i));
    }
    for (std::size_t i = at; i < at + length; ++i) {
        buffer.left[i % frames] = amplitude * std::sin(0.05f * float(i));
        buffer.right[i % frames] = -buffer.left[i % frames];
    }
    return buffer;
}

TEST(LimiterTest, HoldsPeaksUnderTheCeilingAndLeavesTheRestAlone) {
    const StereoBuffer original = Burst(44100, 20000, 2000, 2.5f);
    StereoBuffer limited = original;
    Limiter(0.7f, 0.002, 0.02).Apply(limited);
    EXPECT_LE(limited.Peak(), 0.7f * (1.0f + 1e-6f));
    // Well before the burst and long after it, untouched.
    for (const std::size_t i : {1000u, 10000u, 40000u}) {
        EXPECT_FLOAT_EQ(limited.left[i], original.left[i]) << i;
    }
    // The gain falls ahead of the burst rather than at it.
    const std::size_t before = 20000 - 20;
    EXPECT_LT(std::fabs(limited.left[before]), std::fabs(original.left[before]) - 1e-4f);
}

TEST(LimiterTest, GainCarriesAcrossTheSeam) {
    // A burst at the very start: in a loop, the end runs straight into it.
    const StereoBuffer original = Burst(44100, 0, 2000, 2.5f);
    StereoBuffer limited = original;
    Limiter(0.7f, 0.002, 0.1).Apply(limited);
    EXPECT_LE(limited.Peak(), 0.7f * (1.0f + 1e-6f));
    const std::size_t end = limited.Frames();
    EXPECT_LT(Rms(limited.left, end - 40, end), 0.9 * Rms(original.left, end - 40, end));
}

TEST(MixerTest, WhatRingsPastTheEndContinuesAtTheStart) {
    MixSettings settings;
    settings.reverbMix = 0.0f;
    settings.echoMix = 0.0f;
    Score score;
    score.seconds = 1.0;
    NoteEvent note;
    note.start = 0.8;
    note.hold = 0.4; // held 0.2 s into the next turn, then damped: silent from 0.55 s
    note.frequency = 330.0;
    score.notes.push_back(note);
    Prng rng(5);
    const StereoBuffer mix = Mixer(settings).Render(score, rng);
    ASSERT_EQ(mix.Frames(), 44100u);
    EXPECT_EQ(mix.left.front(), 0.0f);
    EXPECT_EQ(mix.right.back(), 0.0f);
    std::vector<float> start(mix.left.begin() + 2205, mix.left.begin() + 8820);
    std::vector<float> silent(mix.left.begin() + 26460, mix.left.begin() + 33075);
    EXPECT_GT(Rms(start, 0, start.size()), 0.02);
    EXPECT_LT(Rms(silent, 0, silent.size()), 1e-6);
    EXPECT_LE(mix.Peak(), settings.ceiling * (1.0f + 1e-6f));
}

StereoBuffer TwoTones(std::size_t frames) {
    StereoBuffer buffer(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = double(i) / kRate;
        const double fade = std::min({1.0, t / 0.01, (double(frames - i) / kRate) / 0.01});
        const double phase = 2.0 * std::numbers::pi * t;
        buffer.left[i] = static_cast<float>(0.5 * fade * std::sin(440.0 * phase));
        buffer.right[i] = static_cast<float>(0.5 * fade * std::sin(660.0 * phase));
    }
    return buffer;
}

TEST(Mp3EncoderTest, DecoderGetsBackEverySampleInPlace) {
    const StereoBuffer original = TwoTones(44100 + 123);
    Mp3Encoder encoder;
    ASSERT_TRUE(encoder.Open(4.0f));
    std::vector<std::uint8_t> mp3;
    ASSERT_TRUE(encoder.Encode(original, mp3));
    const Decoded decoded = DecodeMp3(mp3);
    ASSERT_EQ(decoded.Frames(), original.Frames());
    // In place to the sample: the waveform matches without any shift.
    double error = 0.0;
    for (std::size_t i = 0; i < original.Frames(); ++i) {
        error += std::pow(decoded.left[i] - original.left[i], 2.0) +
                 std::pow(decoded.right[i] - original.right[i], 2.0);
    }
    EXPECT_LT(std::sqrt(error / (2.0 * original.Frames())), 0.01);
    EXPECT_FALSE(encoder.Encode(original, mp3)) << "an encoder is used once";
}

TEST(Mp3EncoderTest, SameInputSameBytes) {
    const StereoBuffer original = TwoTones(22050);
    std::vector<std::uint8_t> first;
    std::vector<std::uint8_t> second;
    Mp3Encoder a;
    Mp3Encoder b;
    ASSERT_TRUE(a.Open(4.0f) && b.Open(4.0f));
    ASSERT_TRUE(a.Encode(original, first) && b.Encode(original, second));
    EXPECT_TRUE(first == second);
}

TEST(WavWriterTest, WritesPcmWithRoundedAndClippedSamples) {
    StereoBuffer audio(3);
    audio.left = {0.5f, -1.5f, 1.0f};
    audio.right = {-0.25f, 2.0f, 0.0f};
    const std::vector<std::uint8_t> wav = WavWriter::Write(audio);
    ASSERT_EQ(wav.size(), 44u + 12u);
    EXPECT_EQ(ReadU32(wav, 4), 48u);
    EXPECT_EQ(ReadU16(wav, 22), 2);
    EXPECT_EQ(ReadU32(wav, 28), 44100u * 4u); // bytes per second
    EXPECT_EQ(ReadU16(wav, 32), 4);           // bytes per frame
    EXPECT_EQ(ReadU32(wav, 40), 12u);
    const std::int16_t expected[] = {16384, -8192, -32767, 32767, 32767, 0};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(static_cast<std::int16_t>(ReadU16(wav, 44 + 2 * i)), expected[i]) << i;
    }
}

} // namespace
