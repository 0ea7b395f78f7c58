#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "Prng.h"

namespace assetgen::audio {

// How one string is plucked and left to ring.
struct PluckParams {
    double frequency = 220.0;
    double holdSeconds = 1.0;     // rings freely this long, then the player damps it
    double decaySeconds = 3.0;    // time to fall by 60 dB while ringing freely
    double releaseSeconds = 0.25; // time to fall by 60 dB once damped
    double brightness = 0.5;      // 0 dark .. 1 bright: how long the upper partials last
    double pluckPosition = 0.15;  // where it is plucked, as a fraction of the string
    double hardness = 0.6;        // 0 soft fingertip .. 1 hard pick: brightness of the attack
    double detuneCents = 0.0;     // fixed offset from the pitch
    double glideCents = 0.0;      // starts this far from the pitch and slides onto it
    double glideSeconds = 0.12;
    double vibratoCents = 0.0; // depth of the vibrato that grows on a long note
    double vibratoRate = 5.0;  // Hz
};

// A plucked string by Karplus-Strong synthesis: a delay line one period long, fed with a
// shaped burst, its output filtered by a gentle low-pass that makes the upper partials die
// first. The delay is read with cubic interpolation, so the pitch is exact for any frequency
// and can slide and waver.
class PluckedString {
public:
    PluckedString(const PluckParams& params, Prng& rng);

    // Frames until the note has died away (held, then damped, or decayed by 60 dB).
    std::size_t Frames() const { return frames; }
    // Writes the first out.size() frames of the note, mono, peak about 1.
    void Render(std::span<float> out);

private:
    double PeriodAt(double seconds) const;
    // Loop gain per pass that gives a 60 dB fall in `seconds` at the fundamental.
    double LoopGain(double seconds) const;
    void MakeExcitation(Prng& rng);

    PluckParams params;
    double smoothing = 0.0; // weight of the previous sample in the loop's low-pass
    std::size_t frames = 0;
    std::vector<float> excitation;
};

} // namespace assetgen::audio
