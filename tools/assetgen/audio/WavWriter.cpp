#include "WavWriter.h"

#include <algorithm>
#include <cmath>

namespace assetgen::audio {

namespace {

constexpr std::uint32_t kChannels = 2;
constexpr std::uint32_t kBytesPerSample = 2;
constexpr std::uint32_t kFormatPcm = 1;

} // namespace

void WavWriter::PutTag(std::vector<std::uint8_t>& out, const char (&tag)[5]) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<std::uint8_t>(tag[i]));
    }
}

void WavWriter::PutU16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void WavWriter::PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

std::int16_t WavWriter::ToPcm(float sample) {
    const float scaled = std::round(std::clamp(sample, -1.0f, 1.0f) * 32767.0f);
    return static_cast<std::int16_t>(scaled);
}

std::vector<std::uint8_t> WavWriter::Write(const StereoBuffer& audio) {
    const auto dataBytes = static_cast<std::uint32_t>(audio.Frames() * kChannels * kBytesPerSample);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    PutTag(out, "RIFF");
    PutU32(out, 36 + dataBytes);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    PutU32(out, 16);
    PutU16(out, kFormatPcm);
    PutU16(out, kChannels);
    PutU32(out, kSampleRate);
    PutU32(out, kSampleRate * kChannels * kBytesPerSample);
    PutU16(out, kChannels * kBytesPerSample);
    PutU16(out, kBytesPerSample * 8);
    PutTag(out, "data");
    PutU32(out, dataBytes);
    for (std::size_t i = 0; i < audio.Frames(); ++i) {
        PutU16(out, static_cast<std::uint16_t>(ToPcm(audio.left[i])));
        PutU16(out, static_cast<std::uint16_t>(ToPcm(audio.right[i])));
    }
    return out;
}

} // namespace assetgen::audio
