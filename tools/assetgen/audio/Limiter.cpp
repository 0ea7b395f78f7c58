#include "Limiter.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace assetgen::audio {

Limiter::Limiter(float ceiling, double attackSeconds, double releaseSeconds)
    : ceiling(ceiling), attackSeconds(attackSeconds), releaseSeconds(releaseSeconds) {}

void Limiter::Apply(StereoBuffer& buffer) const {
    const std::size_t frames = buffer.Frames();
    if (frames == 0) {
        return;
    }
    // The gain each frame needs on its own.
    std::vector<double> gain(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        const float peak = std::max(std::fabs(buffer.left[i]), std::fabs(buffer.right[i]));
        gain[i] = peak > ceiling ? ceiling / peak : 1.0;
    }
    // Each pass runs round the loop twice, so the state at the seam is the state a looping
    // player would have; the second round writes. Backwards: the gain approaches each dip
    // ahead of time. Forwards: it recovers slowly after it. Both only ever lower the gain, so
    // every frame keeps at most the gain it needs.
    const double attack = 1.0 - std::exp(-1.0 / (attackSeconds * kSampleRate));
    const double release = 1.0 - std::exp(-1.0 / (releaseSeconds * kSampleRate));
    double state = 1.0;
    for (std::size_t round = 0; round < 2; ++round) {
        for (std::size_t k = frames; k-- > 0;) {
            state = std::min(gain[k], state + (1.0 - state) * attack);
            if (round == 1) {
                gain[k] = state;
            }
        }
    }
    state = 1.0;
    for (std::size_t round = 0; round < 2; ++round) {
        for (std::size_t k = 0; k < frames; ++k) {
            state = std::min(gain[k], state + (1.0 - state) * release);
            if (round == 1) {
                gain[k] = state;
            }
        }
    }
    for (std::size_t i = 0; i < frames; ++i) {
        buffer.left[i] = static_cast<float>(buffer.left[i] * gain[i]);
        buffer.right[i] = static_cast<float>(buffer.right[i] * gain[i]);
    }
}

} // namespace assetgen::audio
