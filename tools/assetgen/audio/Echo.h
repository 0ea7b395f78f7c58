#pragma once

#include <cstddef>
#include <vector>

#include "StereoBuffer.h"

namespace assetgen::audio {

// A ping-pong echo: each repeat comes from the other side, a little darker and softer.
class Echo {
public:
    Echo(double delaySeconds, double feedback, double toneHz);

    // Replaces the buffer by its echoes (the wet signal only). The echoes carry over from one
    // call into the next.
    void Process(StereoBuffer& buffer);

private:
    std::vector<float> left;
    std::vector<float> right;
    std::size_t at = 0;
    float feedback = 0.3f;
    float tone = 0.5f; // one-pole low-pass coefficient in the feedback path
    float lowLeft = 0.0f;
    float lowRight = 0.0f;
};

} // namespace assetgen::audio
