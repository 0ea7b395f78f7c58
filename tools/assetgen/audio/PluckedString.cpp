#include "PluckedString.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <numbers>

#include "StereoBuffer.h"

namespace assetgen::audio {

namespace {

constexpr std::size_t kControlFrames = 32; // the pitch is recomputed this often
constexpr double kDampSeconds = 0.01;      // how quickly the player's damping takes hold

double SmoothStep(double x) {
    x = std::clamp(x, 0.0, 1.0);
    return x * x * (3.0 - 2.0 * x);
}

std::size_t PowerOfTwoAtLeast(std::size_t n) {
    std::size_t size = 1;
    while (size < n) {
        size <<= 1;
    }
    return size;
}

} // namespace

PluckedString::PluckedString(const PluckParams& params, Prng& rng) : params(params) {
    assert(params.frequency > 20.0 && params.frequency < kSampleRate / 8.0);
    smoothing = 0.5 * (1.0 - 0.85 * std::clamp(params.brightness, 0.0, 1.0));
    const double seconds =
        std::min(params.holdSeconds + params.releaseSeconds, params.decaySeconds);
    frames = static_cast<std::size_t>(std::ceil(seconds * kSampleRate));
    MakeExcitation(rng);
}

double PluckedString::PeriodAt(double seconds) const {
    double cents = params.detuneCents;
    if (params.glideCents != 0.0) {
        cents += params.glideCents * (1.0 - SmoothStep(seconds / params.glideSeconds));
    }
    if (params.vibratoCents != 0.0) {
        // The vibrato grows in after the attack, as a player's hand would start it.
        const double depth = params.vibratoCents * SmoothStep((seconds - 0.25) / 0.4);
        cents += depth * std::sin(2.0 * std::numbers::pi * params.vibratoRate * seconds);
    }
    return kSampleRate / (params.frequency * std::exp2(cents / 1200.0));
}

double PluckedString::LoopGain(double seconds) const {
    // The loop's low-pass already loses a little at the fundamental; make up for it.
    const double w = 2.0 * std::numbers::pi * params.frequency / kSampleRate;
    const double s = smoothing;
    const double filterGain = std::sqrt((1 - s) * (1 - s) + s * s + 2 * s * (1 - s) * std::cos(w));
    const double perPass = std::pow(10.0, -3.0 / (seconds * params.frequency));
    return std::min(perPass / filterGain, 0.99999);
}

void PluckedString::MakeExcitation(Prng& rng) {
    // A triangle (the string's shape when pulled aside at the pluck point) blended with a
    // burst of noise low-passed by the hardness of the pluck: pure tone plus a little scratch.
    const auto length = static_cast<std::size_t>(std::lround(PeriodAt(0.0)));
    const double peakAt = std::clamp(params.pluckPosition, 0.05, 0.5) * double(length);
    const double alpha = 0.12 + 0.85 * std::clamp(params.hardness, 0.0, 1.0);
    excitation.resize(length);
    double noise = 0.0;
    double mean = 0.0;
    for (std::size_t i = 0; i < length; ++i) {
        const double x = double(i);
        const double triangle = x < peakAt ? x / peakAt : (double(length) - x) / (length - peakAt);
        noise += alpha * (rng.Symmetric() - noise);
        excitation[i] = static_cast<float>(0.7 * triangle + 0.5 * noise);
        mean += excitation[i];
    }
    mean /= double(length);
    float peak = 1e-6f;
    for (float& sample : excitation) {
        sample -= static_cast<float>(mean); // no offset to linger as a slow thump
        peak = std::max(peak, std::fabs(sample));
    }
    for (float& sample : excitation) {
        sample /= peak;
    }
}

void PluckedString::Render(std::span<float> out) {
    const double longestPeriod =
        kSampleRate / (params.frequency *
                       std::exp2(-(std::fabs(params.glideCents) + std::fabs(params.vibratoCents) +
                                   std::fabs(params.detuneCents)) /
                                 1200.0));
    const std::size_t size = PowerOfTwoAtLeast(static_cast<std::size_t>(longestPeriod) + 8);
    const std::size_t mask = size - 1;
    std::vector<float> line(size, 0.0f);

    const double ringGain = LoopGain(params.decaySeconds);
    const double dampedGain = LoopGain(params.releaseSeconds);
    const double dampRate = 1.0 / (kDampSeconds * kSampleRate);
    const auto holdFrames = static_cast<std::size_t>(params.holdSeconds * kSampleRate);
    const double s = smoothing;

    double gain = ringGain;
    double previous = 0.0;
    double delay = PeriodAt(0.0) - s;
    double delayStep = 0.0;
    for (std::size_t n = 0; n < out.size(); ++n) {
        if (n % kControlFrames == 0) {
            // The loop's delay plus the low-pass's own half sample make one period.
            const double next = PeriodAt(double(n + kControlFrames) / kSampleRate) - s;
            delayStep = (next - delay) / double(kControlFrames);
        }
        if (n >= holdFrames) {
            gain += (dampedGain - gain) * dampRate;
        }
        // Cubic Lagrange interpolation around the read position n - delay.
        const double position = double(n) - delay;
        const double base = std::floor(position);
        const double t = position - base;
        const auto i = static_cast<std::size_t>(static_cast<long long>(base)) & mask;
        const double xm = line[(i - 1) & mask];
        const double x0 = line[i];
        const double x1 = line[(i + 1) & mask];
        const double x2 = line[(i + 2) & mask];
        const double read =
            x0 + t * ((x1 - xm) / 2.0 + t * ((xm - 2.0 * x0 + x1) / 2.0 +
                                             (t - 1.0) * (x2 - 3.0 * x1 + 3.0 * x0 - xm) / 6.0));
        const double filtered = gain * ((1.0 - s) * read + s * previous);
        previous = read;
        const double sample = filtered + (n < excitation.size() ? excitation[n] : 0.0f);
        line[n & mask] = static_cast<float>(sample);
        out[n] = static_cast<float>(sample);
        delay += delayStep;
    }
}

} // namespace assetgen::audio
