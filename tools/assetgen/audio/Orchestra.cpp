#include "Orchestra.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "DroneVoice.h"

namespace assetgen::audio {

namespace {

// How loud each instrument sits against the others at full velocity.
float LevelOf(Instrument instrument) {
    switch (instrument) {
    case Instrument::Zither:
        return 0.5f;
    case Instrument::Pipa:
        return 0.42f;
    case Instrument::BassZither:
        return 0.36f;
    case Instrument::Drone:
        return 0.055f;
    case Instrument::FrameDrum:
        return 0.35f;
    case Instrument::WoodBlock:
        return 0.22f;
    }
    return 0.0f;
}

// The strings of a real instrument die away sooner the higher they are tuned.
double DecayAt(double seconds, double frequency) {
    return seconds * std::pow(220.0 / frequency, 0.4);
}

} // namespace

PluckParams Orchestra::StringFor(const NoteEvent& note) {
    PluckParams params;
    params.frequency = note.frequency;
    params.holdSeconds = note.hold;
    params.glideCents = note.glideCents;
    params.vibratoCents = note.vibratoCents;
    switch (note.instrument) {
    case Instrument::Pipa:
        params.decaySeconds = DecayAt(1.6, note.frequency);
        params.releaseSeconds = 0.12;
        params.brightness = 0.8;
        params.pluckPosition = 0.18;
        params.hardness = 0.9;
        break;
    case Instrument::BassZither:
        params.decaySeconds = DecayAt(5.0, note.frequency);
        params.releaseSeconds = 0.5;
        params.brightness = 0.4;
        params.pluckPosition = 0.25;
        params.hardness = 0.4;
        break;
    default:
        params.decaySeconds = DecayAt(4.0, note.frequency);
        params.releaseSeconds = 0.35;
        params.brightness = 0.65;
        params.pluckPosition = 0.12;
        params.hardness = 0.75;
        break;
    }
    // A harder stroke sounds brighter.
    params.hardness *= 0.7 + 0.3 * note.velocity;
    return params;
}

HitParams Orchestra::HitFor(const NoteEvent& note) {
    HitParams params;
    params.frequency = note.frequency;
    if (note.instrument == Instrument::WoodBlock) {
        // A hollow block: a strong first mode, inharmonic upper modes, a sharp tick.
        params.modes = {{1.0, 0.07, 1.0}, {2.57, 0.04, 0.35}, {4.1, 0.025, 0.15}};
        params.noiseLevel = 0.25;
        params.noiseSeconds = 0.006;
        params.noiseBrightness = 0.9;
        return params;
    }
    // A frame drum struck with the hand: the modes of a round membrane, a slight drop in
    // pitch as the skin relaxes, a soft slap.
    params.modes = {{1.0, 0.5, 1.0},
                    {1.59, 0.3, 0.45},
                    {2.14, 0.22, 0.3},
                    {2.30, 0.18, 0.2},
                    {2.65, 0.15, 0.15}};
    params.pitchDrop = 1.12;
    params.dropSeconds = 0.04;
    params.noiseLevel = 0.18;
    params.noiseSeconds = 0.05;
    params.noiseBrightness = 0.2;
    return params;
}

void Orchestra::PanGains(float pan, float& left, float& right) {
    const double angle = (std::clamp(pan, -1.0f, 1.0f) + 1.0) * std::numbers::pi / 4.0;
    left = static_cast<float>(std::cos(angle) * std::numbers::sqrt2);
    right = static_cast<float>(std::sin(angle) * std::numbers::sqrt2);
}

StereoBuffer Orchestra::PlayString(const NoteEvent& note, Prng& rng) const {
    // Two strings a few cents apart, one per channel, each plucked with its own burst: the
    // slow beating between them widens the sound.
    PluckParams params = StringFor(note);
    params.detuneCents = -2.0;
    PluckedString left(params, rng);
    params.detuneCents = 2.0;
    PluckedString right(params, rng);
    StereoBuffer out(std::max(left.Frames(), right.Frames()));
    left.Render(std::span(out.left).first(left.Frames()));
    right.Render(std::span(out.right).first(right.Frames()));
    return out;
}

StereoBuffer Orchestra::PlayDrone(const NoteEvent& note, Prng& rng) const {
    DroneParams params;
    params.frequency = note.frequency;
    params.holdSeconds = note.hold;
    params.attackSeconds = kDroneAttackSeconds;
    params.releaseSeconds = kDroneReleaseSeconds;
    params.brightness = 0.45;
    return DroneVoice(params, rng).Render();
}

StereoBuffer Orchestra::PlayHit(const NoteEvent& note, Prng& rng) const {
    const PercussionVoice voice(HitFor(note), rng);
    StereoBuffer out(voice.Frames());
    voice.Render(out.left);
    out.right = out.left;
    return out;
}

StereoBuffer Orchestra::Play(const NoteEvent& note, Prng& rng) const {
    StereoBuffer out;
    switch (note.instrument) {
    case Instrument::Drone:
        out = PlayDrone(note, rng);
        break;
    case Instrument::FrameDrum:
    case Instrument::WoodBlock:
        out = PlayHit(note, rng);
        break;
    default:
        out = PlayString(note, rng);
        break;
    }
    float left = 1.0f;
    float right = 1.0f;
    PanGains(note.pan, left, right);
    const float level = LevelOf(note.instrument) * note.velocity;
    for (std::size_t i = 0; i < out.Frames(); ++i) {
        out.left[i] *= level * left;
        out.right[i] *= level * right;
    }
    return out;
}

} // namespace assetgen::audio
