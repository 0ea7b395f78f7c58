#include "Mp3Encoder.h"

#include <algorithm>
#include <cstring>

#include <lame/lame.h>

namespace assetgen::audio {

namespace {

constexpr std::size_t kChunkFrames = 8192;
// The library's own bound for one call's output: 1.25 times the input frames plus 7200 bytes.
constexpr std::size_t kChunkBytes = kChunkFrames * 5 / 4 + 7200;

} // namespace

void Mp3Encoder::Closer::operator()(lame_global_struct* encoder) const {
    lame_close(encoder);
}

Mp3Encoder::Mp3Encoder() = default;
Mp3Encoder::~Mp3Encoder() = default;

bool Mp3Encoder::Open(float vbrQuality) {
    lame.reset(lame_init());
    if (!lame) {
        return false;
    }
    lame_global_flags* flags = lame.get();
    lame_set_in_samplerate(flags, kSampleRate);
    lame_set_out_samplerate(flags, kSampleRate);
    lame_set_num_channels(flags, 2);
    lame_set_mode(flags, JOINT_STEREO);
    lame_set_VBR(flags, vbr_default);
    lame_set_VBR_quality(flags, vbrQuality);
    lame_set_quality(flags, 5);
    // The tag frame holds the delay and padding; no ID3 tag goes before it.
    lame_set_bWriteVbrTag(flags, 1);
    lame_set_write_id3tag_automatic(flags, 0);
    if (lame_init_params(flags) < 0) {
        lame.reset();
        return false;
    }
    return true;
}

bool Mp3Encoder::Encode(const StereoBuffer& audio, std::vector<std::uint8_t>& mp3) {
    if (!lame) {
        return false;
    }
    mp3.clear();
    std::vector<unsigned char> chunk(kChunkBytes);
    for (std::size_t at = 0; at < audio.Frames(); at += kChunkFrames) {
        const std::size_t frames = std::min(kChunkFrames, audio.Frames() - at);
        const int written = lame_encode_buffer_ieee_float(
            lame.get(), audio.left.data() + at, audio.right.data() + at, static_cast<int>(frames),
            chunk.data(), static_cast<int>(chunk.size()));
        if (written < 0) {
            return false;
        }
        mp3.insert(mp3.end(), chunk.begin(), chunk.begin() + written);
    }
    const int flushed = lame_encode_flush(lame.get(), chunk.data(), static_cast<int>(chunk.size()));
    if (flushed < 0) {
        return false;
    }
    mp3.insert(mp3.end(), chunk.begin(), chunk.begin() + flushed);
    // The library left an empty frame at the start for the tag; fill it in now that the
    // lengths are known.
    const std::size_t tagBytes = lame_get_lametag_frame(lame.get(), chunk.data(), chunk.size());
    if (tagBytes == 0 || tagBytes > chunk.size() || tagBytes > mp3.size()) {
        return false;
    }
    std::memcpy(mp3.data(), chunk.data(), tagBytes);
    lame.reset();
    return true;
}

} // namespace assetgen::audio
