#include "formats/SoundFileCheck.h"

#include <algorithm>
#include <cstdint>

namespace formats {

namespace {

std::uint8_t Byte(const std::string& bytes, std::size_t at) {
    return static_cast<std::uint8_t>(bytes[at]);
}

std::uint32_t Le32(const std::string& bytes, std::size_t at) {
    return static_cast<std::uint32_t>(Byte(bytes, at)) | Byte(bytes, at + 1) << 8 |
           Byte(bytes, at + 2) << 16 | static_cast<std::uint32_t>(Byte(bytes, at + 3)) << 24;
}

void PutLe32(std::string& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<char>(value >> (8 * i) & 0xFF);
    }
}

// The length at `at` cut to `room`; returns the length kept.
std::uint32_t CutLength(std::string& bytes, std::size_t at, std::size_t room) {
    const std::uint32_t length = Le32(bytes, at);
    if (length <= room) {
        return length;
    }
    PutLe32(bytes, at, static_cast<std::uint32_t>(room));
    return static_cast<std::uint32_t>(room);
}

SoundFileCheck::Verdict CheckWave(std::string& bytes) {
    constexpr std::size_t kChunkHeader = 8;
    if (bytes.size() < 12 || bytes.compare(8, 4, "WAVE") != 0 ||
        bytes.size() - kChunkHeader > UINT32_MAX) {
        return SoundFileCheck::Verdict::Refused;
    }
    CutLength(bytes, 4, bytes.size() - kChunkHeader);
    bool format = false;
    for (std::size_t at = 12; at + kChunkHeader <= bytes.size();) {
        const std::size_t body = at + kChunkHeader;
        const std::uint32_t length = CutLength(bytes, at + 4, bytes.size() - body);
        if (bytes.compare(at, 4, "fmt ") == 0) {
            // The rate follows the format tag and the channel count.
            if (length < 16) {
                return SoundFileCheck::Verdict::Refused;
            }
            const std::uint32_t rate = Le32(bytes, body + 4);
            if (rate < SoundFileCheck::kMinWaveRate || rate > SoundFileCheck::kMaxWaveRate) {
                return SoundFileCheck::Verdict::Refused;
            }
            format = true;
        }
        // Chunks are padded to an even length.
        at = body + length + (length & 1);
    }
    return format ? SoundFileCheck::Verdict::Wave : SoundFileCheck::Verdict::Refused;
}

// An ID3v2 tag's length: four bytes of seven bits each after "ID3", version and flags.
bool CutTag(std::string& bytes) {
    constexpr std::size_t kTagHeader = 10;
    if (bytes.size() < kTagHeader) {
        return false;
    }
    std::uint32_t length = 0;
    for (std::size_t i = 6; i < kTagHeader; ++i) {
        length = length << 7 | (Byte(bytes, i) & 0x7F);
    }
    const std::size_t room = std::min<std::size_t>(bytes.size() - kTagHeader, 0x0FFFFFFF);
    if (length > room) {
        for (std::size_t i = 0; i < 4; ++i) {
            bytes[kTagHeader - 1 - i] = static_cast<char>(room >> (7 * i) & 0x7F);
        }
    }
    return true;
}

// A layer III frame header of MPEG-1 or MPEG-2 with a bit rate and a sample rate.
bool IsLayerThreeFrame(const std::string& bytes) {
    if (bytes.size() < 4 || Byte(bytes, 0) != 0xFF || (Byte(bytes, 1) & 0xF6) != 0xF2) {
        return false;
    }
    const int bitrate = Byte(bytes, 2) >> 4;
    const int rate = (Byte(bytes, 2) >> 2) & 3;
    return bitrate != 0 && bitrate != 15 && rate != 3;
}

} // namespace

SoundFileCheck::Verdict SoundFileCheck::Prepare(std::string& bytes) {
    if (bytes.compare(0, 4, "RIFF") == 0) {
        return CheckWave(bytes);
    }
    if (bytes.compare(0, 3, "ID3") == 0) {
        return CutTag(bytes) ? Verdict::Mpeg : Verdict::Refused;
    }
    return IsLayerThreeFrame(bytes) ? Verdict::Mpeg : Verdict::Refused;
}

} // namespace formats
