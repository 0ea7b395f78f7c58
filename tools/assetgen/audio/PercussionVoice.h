#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "Prng.h"

namespace assetgen::audio {

// A struck body: a few ringing modes plus a short burst of noise for the contact.
struct HitParams {
    struct Mode {
        double ratio = 1.0;        // frequency relative to the fundamental
        double decaySeconds = 0.2; // time to fall by 60 dB
        double amplitude = 1.0;
    };
    double frequency = 100.0;
    std::vector<Mode> modes;
    double pitchDrop = 1.0; // starts this many times higher and settles, as a tight skin does
    double dropSeconds = 0.03;
    double noiseLevel = 0.2;
    double noiseSeconds = 0.01;   // time to fall by 60 dB
    double noiseBrightness = 0.5; // 0 dull thud .. 1 bright tick
};

// Soft frame drum and wood block by modal synthesis.
class PercussionVoice {
public:
    PercussionVoice(const HitParams& params, Prng& rng);

    // Frames until every mode and the noise have fallen by 60 dB.
    std::size_t Frames() const { return frames; }
    // Writes the first out.size() frames, mono, peak about 1.
    void Render(std::span<float> out) const;

private:
    void AddMode(const HitParams::Mode& mode, std::span<float> out) const;
    void AddNoise(std::span<float> out) const;

    HitParams params;
    std::size_t frames = 0;
    std::vector<float> noise;
};

} // namespace assetgen::audio
