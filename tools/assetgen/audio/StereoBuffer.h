#pragma once

#include <cstddef>
#include <vector>

namespace assetgen::audio {

inline constexpr int kSampleRate = 44100;

// Two channels of float samples at kSampleRate, full scale at 1.0.
class StereoBuffer {
public:
    StereoBuffer() = default;
    explicit StereoBuffer(std::size_t frames) : left(frames), right(frames) {}

    std::size_t Frames() const { return left.size(); }

    // Adds `source` times `gain` from frame `at` on. The buffer is one turn of a loop, so what
    // runs past the end continues at the start; `source` must not be longer than the buffer.
    void AddWrapped(const StereoBuffer& source, std::size_t at, float gain);
    void Scale(float gain);
    // Largest absolute sample of either channel.
    float Peak() const;
    // Root mean square over both channels; 0 for an empty buffer.
    double Rms() const;

    std::vector<float> left;
    std::vector<float> right;
};

} // namespace assetgen::audio
