#pragma once

#include <cstddef>
#include <vector>

#include "StereoBuffer.h"

namespace assetgen::audio {

// A room: eight damped feedback combs in parallel and four all-passes in series per channel
// (Schroeder's design as tuned in the public-domain Freeverb), the right channel's delays
// slightly longer than the left's for width.
class Reverb {
public:
    struct Settings {
        double roomSize = 0.6; // 0 .. 1: how long the tail is
        double damping = 0.4;  // 0 .. 1: how quickly the tail darkens
        double preDelaySeconds = 0.02;
    };

    explicit Reverb(const Settings& settings);

    // Replaces the buffer by the room's answer to it (the wet signal only). The room keeps
    // ringing from one call into the next.
    void Process(StereoBuffer& buffer);

private:
    struct Comb {
        std::vector<float> line;
        std::size_t at = 0;
        float store = 0.0f;
        float Run(float input, float feedback, float damp);
    };
    struct Allpass {
        std::vector<float> line;
        std::size_t at = 0;
        float Run(float input);
    };
    struct Channel {
        std::vector<Comb> combs;
        std::vector<Allpass> allpasses;
        float Run(float input, float feedback, float damp);
    };

    Channel left;
    Channel right;
    std::vector<float> preDelay;
    std::size_t preDelayAt = 0;
    float feedback = 0.8f;
    float damp = 0.2f;
};

} // namespace assetgen::audio
