#include "StereoBuffer.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace assetgen::audio {

void StereoBuffer::AddWrapped(const StereoBuffer& source, std::size_t at, float gain) {
    const std::size_t frames = Frames();
    assert(source.Frames() <= frames);
    if (frames == 0) {
        return;
    }
    at %= frames;
    const std::size_t first = std::min(source.Frames(), frames - at);
    for (std::size_t i = 0; i < first; ++i) {
        left[at + i] += gain * source.left[i];
        right[at + i] += gain * source.right[i];
    }
    for (std::size_t i = first; i < source.Frames(); ++i) {
        left[i - first] += gain * source.left[i];
        right[i - first] += gain * source.right[i];
    }
}

void StereoBuffer::Scale(float gain) {
    for (float& sample : left) {
        sample *= gain;
    }
    for (float& sample : right) {
        sample *= gain;
    }
}

float StereoBuffer::Peak() const {
    float peak = 0.0f;
    for (std::size_t i = 0; i < Frames(); ++i) {
        peak = std::max({peak, std::fabs(left[i]), std::fabs(right[i])});
    }
    return peak;
}

double StereoBuffer::Rms() const {
    if (Frames() == 0) {
        return 0.0;
    }
    double sum = 0.0;
    for (std::size_t i = 0; i < Frames(); ++i) {
        sum += double(left[i]) * left[i] + double(right[i]) * right[i];
    }
    return std::sqrt(sum / (2.0 * double(Frames())));
}

} // namespace assetgen::audio
