#include "Mixer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "Echo.h"
#include "Limiter.h"

namespace assetgen::audio {

namespace {

constexpr double kLimiterAttackSeconds = 0.002;
constexpr double kLimiterReleaseSeconds = 0.15;
// Never lift the mix so far that the limiter has to take off more than this.
constexpr float kMostLimiting = 2.0f;

// Longer than the memory of any effect here (the room's tail, the echoes).
constexpr double kEffectMemorySeconds = 10.0;

// Runs `effect` over the end of the loop and then over the whole loop, keeping the second
// run: the effect enters the loop with the tail of the previous turn, as in endless playback.
template <typename Effect>
StereoBuffer ProcessLoop(Effect& effect, const StereoBuffer& dry) {
    const auto memory = static_cast<std::size_t>(kEffectMemorySeconds * kSampleRate);
    const std::size_t from = dry.Frames() - std::min(dry.Frames(), memory);
    StereoBuffer warmUp;
    warmUp.left.assign(dry.left.begin() + from, dry.left.end());
    warmUp.right.assign(dry.right.begin() + from, dry.right.end());
    effect.Process(warmUp);
    StereoBuffer wet = dry;
    effect.Process(wet);
    return wet;
}

void AddScaled(StereoBuffer& mix, const StereoBuffer& wet, float gain) {
    for (std::size_t i = 0; i < mix.Frames(); ++i) {
        mix.left[i] += gain * wet.left[i];
        mix.right[i] += gain * wet.right[i];
    }
}

} // namespace

StereoBuffer Mixer::PlaceNotes(const Score& score, Prng& rng) const {
    const auto frames = static_cast<std::size_t>(std::lround(score.seconds * kSampleRate));
    StereoBuffer mix(frames);
    for (const NoteEvent& note : score.notes) {
        const StereoBuffer sound = orchestra.Play(note, rng);
        const auto at = static_cast<std::size_t>(std::lround(note.start * kSampleRate));
        mix.AddWrapped(sound, at, 1.0f);
    }
    return mix;
}

void Mixer::AddEffects(StereoBuffer& mix) const {
    const StereoBuffer dry = mix;
    if (settings.reverbMix > 0.0f) {
        Reverb reverb(settings.reverb);
        AddScaled(mix, ProcessLoop(reverb, dry), settings.reverbMix);
    }
    if (settings.echoMix > 0.0f) {
        Echo echo(settings.echoSeconds, settings.echoFeedback, 3000.0);
        AddScaled(mix, ProcessLoop(echo, dry), settings.echoMix);
    }
}

void Mixer::SetLevel(StereoBuffer& mix) const {
    const double rms = mix.Rms();
    const float peak = mix.Peak();
    if (rms <= 0.0 || peak <= 0.0f) {
        return;
    }
    const float gain = std::min(static_cast<float>(settings.targetRms / rms),
                                kMostLimiting * settings.ceiling / peak);
    mix.Scale(gain);
    Limiter(settings.ceiling, kLimiterAttackSeconds, kLimiterReleaseSeconds).Apply(mix);
}

void Mixer::FadeSeam(StereoBuffer& mix) const {
    const std::size_t frames = mix.Frames();
    const auto fade =
        std::min(frames / 2, static_cast<std::size_t>(settings.seamFadeSeconds * kSampleRate));
    for (std::size_t i = 0; i < fade; ++i) {
        // Raised cosine from 0 at the outermost frame, reaching 1 one frame past the fade.
        const auto gain =
            static_cast<float>(0.5 - 0.5 * std::cos(std::numbers::pi * double(i) / double(fade)));
        mix.left[i] *= gain;
        mix.right[i] *= gain;
        mix.left[frames - 1 - i] *= gain;
        mix.right[frames - 1 - i] *= gain;
    }
}

StereoBuffer Mixer::Render(const Score& score, Prng& rng) const {
    StereoBuffer mix = PlaceNotes(score, rng);
    AddEffects(mix);
    SetLevel(mix);
    FadeSeam(mix);
    return mix;
}

} // namespace assetgen::audio
