#pragma once

#include <cstdint>
#include <vector>

#include "StereoBuffer.h"

namespace assetgen::audio {

// Writes RIFF/WAVE files of 16-bit PCM at kSampleRate.
class WavWriter {
public:
    // Both channels of `audio`, interleaved; samples outside [-1, 1] are clipped.
    static std::vector<std::uint8_t> Write(const StereoBuffer& audio);

private:
    static void PutTag(std::vector<std::uint8_t>& out, const char (&tag)[5]);
    static void PutU16(std::vector<std::uint8_t>& out, std::uint32_t value);
    static void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value);
    static std::int16_t ToPcm(float sample);
};

} // namespace assetgen::audio
