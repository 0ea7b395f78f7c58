#pragma once

#include "Orchestra.h"
#include "Prng.h"
#include "Reverb.h"
#include "Score.h"
#include "StereoBuffer.h"

namespace assetgen::audio {

struct MixSettings {
    Reverb::Settings reverb;
    float reverbMix = 0.25f; // level of the room against the dry sound
    float echoMix = 0.0f;    // 0: no echo
    double echoSeconds = 0.3;
    double echoFeedback = 0.3;
    float targetRms = 0.1f; // the loudness the mix is brought to...
    float ceiling = 0.708f; // ...with peaks held under this (-3 dBFS)
    double seamFadeSeconds = 0.02;
};

// Plays a score into one turn of a loop: every note is placed where it starts, and what rings
// past the end (notes, echoes, the room) continues at the start, exactly as it would when the
// loop is played again and again. Then the level is set, the peaks are limited and both ends
// are faded to silence over a few milliseconds, so the seam cannot click even in a player that
// pauses between turns.
class Mixer {
public:
    explicit Mixer(const MixSettings& settings) : settings(settings) {}

    StereoBuffer Render(const Score& score, Prng& rng) const;

private:
    StereoBuffer PlaceNotes(const Score& score, Prng& rng) const;
    void AddEffects(StereoBuffer& mix) const;
    void SetLevel(StereoBuffer& mix) const;
    void FadeSeam(StereoBuffer& mix) const;

    MixSettings settings;
    Orchestra orchestra;
};

} // namespace assetgen::audio
