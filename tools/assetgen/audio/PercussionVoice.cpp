#include "PercussionVoice.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "StereoBuffer.h"

namespace assetgen::audio {

namespace {

// Per-sample factor of a decay that falls by 60 dB in `seconds`.
double DecayFactor(double seconds) {
    return std::pow(10.0, -3.0 / (seconds * kSampleRate));
}

} // namespace

PercussionVoice::PercussionVoice(const HitParams& params, Prng& rng) : params(params) {
    double longest = params.noiseSeconds;
    for (const HitParams::Mode& mode : params.modes) {
        longest = std::max(longest, mode.decaySeconds);
    }
    frames = static_cast<std::size_t>(std::ceil(longest * kSampleRate));
    const auto noiseFrames = static_cast<std::size_t>(std::ceil(params.noiseSeconds * kSampleRate));
    noise.resize(noiseFrames);
    for (float& sample : noise) {
        sample = static_cast<float>(rng.Symmetric());
    }
}

void PercussionVoice::AddMode(const HitParams::Mode& mode, std::span<float> out) const {
    const double decay = DecayFactor(mode.decaySeconds);
    const double dropDecay = std::exp(-1.0 / (params.dropSeconds * kSampleRate));
    double drop = params.pitchDrop - 1.0;
    double phase = 0.0;
    double envelope = mode.amplitude;
    const double base = 2.0 * std::numbers::pi * params.frequency * mode.ratio / kSampleRate;
    for (float& sample : out) {
        sample += static_cast<float>(envelope * std::sin(phase));
        phase += base * (1.0 + drop);
        drop *= dropDecay;
        envelope *= decay;
    }
}

void PercussionVoice::AddNoise(std::span<float> out) const {
    // A one-pole low-pass for a dull contact, its difference for a bright one.
    const double alpha = 0.05 + 0.9 * std::clamp(params.noiseBrightness, 0.0, 1.0);
    const double decay = DecayFactor(params.noiseSeconds);
    double envelope = params.noiseLevel;
    double low = 0.0;
    const std::size_t count = std::min(out.size(), noise.size());
    for (std::size_t n = 0; n < count; ++n) {
        const double previous = low;
        low += alpha * (noise[n] - low);
        const double shaped = params.noiseBrightness > 0.5 ? noise[n] - previous : low;
        out[n] += static_cast<float>(envelope * shaped);
        envelope *= decay;
    }
}

void PercussionVoice::Render(std::span<float> out) const {
    std::fill(out.begin(), out.end(), 0.0f);
    for (const HitParams::Mode& mode : params.modes) {
        AddMode(mode, out);
    }
    AddNoise(out);
}

} // namespace assetgen::audio
