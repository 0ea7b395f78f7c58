#pragma once

#include <cstddef>

#include "Prng.h"
#include "StereoBuffer.h"

namespace assetgen::audio {

struct DroneParams {
    double frequency = 73.4;
    double holdSeconds = 8.0; // from the start of the swell to the start of the fade
    double attackSeconds = 2.0;
    double releaseSeconds = 2.5;
    double brightness = 0.5; // 0 almost a sine .. 1 reedy
};

// A soft sustained tone under the music: a handful of harmonics, each slightly detuned
// between the channels and slowly swelling on its own, so the drone breathes and fills the
// stereo field without a pulse of its own.
class DroneVoice {
public:
    DroneVoice(const DroneParams& params, Prng& rng);

    std::size_t Frames() const { return frames; }
    // Writes the whole tone, peak around 1.
    StereoBuffer Render() const;

private:
    static constexpr int kPartials = 6;
    struct Partial {
        double amplitude = 0.0;
        double leftCents = 0.0;
        double rightCents = 0.0;
        double phase = 0.0;      // radians
        double swellRate = 0.0;  // Hz
        double swellPhase = 0.0; // radians
    };

    double EnvelopeAt(std::size_t frame) const;
    void RenderPartial(const Partial& partial, int harmonic, StereoBuffer& out) const;

    DroneParams params;
    std::size_t frames = 0;
    Partial partials[kPartials];
};

} // namespace assetgen::audio
