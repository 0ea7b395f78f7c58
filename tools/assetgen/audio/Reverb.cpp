#include "Reverb.h"

#include <algorithm>

namespace assetgen::audio {

namespace {

constexpr int kCombTunings[] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
constexpr int kAllpassTunings[] = {556, 441, 341, 225};
constexpr int kStereoSpread = 23;
constexpr float kInputGain = 0.015f;

} // namespace

float Reverb::Comb::Run(float input, float feedback, float damp) {
    const float output = line[at];
    store = output * (1.0f - damp) + store * damp;
    line[at] = input + store * feedback;
    at = at + 1 == line.size() ? 0 : at + 1;
    return output;
}

float Reverb::Allpass::Run(float input) {
    const float delayed = line[at];
    line[at] = input + delayed * 0.5f;
    at = at + 1 == line.size() ? 0 : at + 1;
    return delayed - input;
}

float Reverb::Channel::Run(float input, float feedback, float damp) {
    float sum = 0.0f;
    for (Comb& comb : combs) {
        sum += comb.Run(input, feedback, damp);
    }
    for (Allpass& allpass : allpasses) {
        sum = allpass.Run(sum);
    }
    return sum;
}

Reverb::Reverb(const Settings& settings) {
    feedback = static_cast<float>(0.7 + 0.28 * std::clamp(settings.roomSize, 0.0, 1.0));
    damp = static_cast<float>(0.4 * std::clamp(settings.damping, 0.0, 1.0));
    for (const int tuning : kCombTunings) {
        left.combs.push_back({std::vector<float>(tuning, 0.0f)});
        right.combs.push_back({std::vector<float>(tuning + kStereoSpread, 0.0f)});
    }
    for (const int tuning : kAllpassTunings) {
        left.allpasses.push_back({std::vector<float>(tuning, 0.0f)});
        right.allpasses.push_back({std::vector<float>(tuning + kStereoSpread, 0.0f)});
    }
    const auto preDelayFrames = static_cast<std::size_t>(settings.preDelaySeconds * kSampleRate);
    preDelay.assign(std::max<std::size_t>(preDelayFrames, 1), 0.0f);
}

void Reverb::Process(StereoBuffer& buffer) {
    for (std::size_t i = 0; i < buffer.Frames(); ++i) {
        const float input = preDelay[preDelayAt];
        preDelay[preDelayAt] = (buffer.left[i] + buffer.right[i]) * kInputGain;
        preDelayAt = preDelayAt + 1 == preDelay.size() ? 0 : preDelayAt + 1;
        buffer.left[i] = left.Run(input, feedback, damp);
        buffer.right[i] = right.Run(input, feedback, damp);
    }
}

} // namespace assetgen::audio
