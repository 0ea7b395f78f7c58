#include "DroneVoice.h"

#include <cmath>
#include <complex>
#include <numbers>

namespace assetgen::audio {

namespace {

constexpr std::size_t kControlFrames = 64; // the envelope is recomputed this often
constexpr double kTwoPi = 2.0 * std::numbers::pi;

double RaisedCosine(double x) {
    return x <= 0.0 ? 0.0 : x >= 1.0 ? 1.0 : 0.5 - 0.5 * std::cos(std::numbers::pi * x);
}

} // namespace

DroneVoice::DroneVoice(const DroneParams& params, Prng& rng) : params(params) {
    frames = static_cast<std::size_t>(
        std::ceil((params.holdSeconds + params.releaseSeconds) * kSampleRate));
    for (int k = 0; k < kPartials; ++k) {
        const int harmonic = k + 1;
        Partial& partial = partials[k];
        // Upper harmonics fall off more steeply when the drone is dark.
        partial.amplitude = std::pow(double(harmonic), -(2.4 - 1.2 * params.brightness));
        const double spread = 0.8 + 0.4 * harmonic;
        partial.leftCents = -spread * (0.5 + 0.5 * rng.Uniform());
        partial.rightCents = spread * (0.5 + 0.5 * rng.Uniform());
        partial.phase = kTwoPi * rng.Uniform();
        partial.swellRate = 0.05 + 0.15 * rng.Uniform();
        partial.swellPhase = kTwoPi * rng.Uniform();
    }
}

double DroneVoice::EnvelopeAt(std::size_t frame) const {
    const double seconds = double(frame) / kSampleRate;
    const double rise = RaisedCosine(seconds / params.attackSeconds);
    const double fall = 1.0 - RaisedCosine((seconds - params.holdSeconds) / params.releaseSeconds);
    return rise * fall;
}

void DroneVoice::RenderPartial(const Partial& partial, int harmonic, StereoBuffer& out) const {
    const double base = kTwoPi * params.frequency * harmonic / kSampleRate;
    // Rotating phasors: one complex multiply per sample instead of a sine.
    const std::complex<double> leftStep =
        std::polar(1.0, base * std::exp2(partial.leftCents / 1200));
    const std::complex<double> rightStep =
        std::polar(1.0, base * std::exp2(partial.rightCents / 1200));
    std::complex<double> left = std::polar(1.0, partial.phase);
    std::complex<double> right = std::polar(1.0, partial.phase + 0.5 * harmonic);
    double gain = 0.0;
    for (std::size_t n = 0; n < frames; ++n) {
        if (n % kControlFrames == 0) {
            const double seconds = double(n) / kSampleRate;
            const double swell =
                0.7 + 0.3 * std::sin(kTwoPi * partial.swellRate * seconds + partial.swellPhase);
            gain = partial.amplitude * swell * EnvelopeAt(n);
            // Keep the phasors on the unit circle despite rounding.
            left /= std::abs(left);
            right /= std::abs(right);
        }
        out.left[n] += static_cast<float>(gain * left.imag());
        out.right[n] += static_cast<float>(gain * right.imag());
        left *= leftStep;
        right *= rightStep;
    }
}

StereoBuffer DroneVoice::Render() const {
    StereoBuffer out(frames);
    for (int k = 0; k < kPartials; ++k) {
        RenderPartial(partials[k], k + 1, out);
    }
    return out;
}

} // namespace assetgen::audio
