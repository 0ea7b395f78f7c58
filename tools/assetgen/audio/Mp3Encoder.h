#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "StereoBuffer.h"

struct lame_global_struct;

namespace assetgen::audio {

// MP3 through libmp3lame: 44.1 kHz joint stereo, variable bit rate, with the LAME/Xing tag in
// the first frame so that decoders know the encoder's delay and padding and give back exactly
// the samples that went in; a loop then stays seamless.
class Mp3Encoder {
public:
    Mp3Encoder();
    ~Mp3Encoder();
    Mp3Encoder(const Mp3Encoder&) = delete;
    Mp3Encoder& operator=(const Mp3Encoder&) = delete;

    // Sets the encoder up; false when the library refuses. `vbrQuality` runs from 0 (best,
    // about 245 kbit/s) to 9; 4 averages about 165 kbit/s. The library's set-up writes shared
    // tables, so open encoders one after another; Encode may then run on separate threads.
    bool Open(float vbrQuality);
    // Encodes the whole buffer into `mp3`; false on failure. One call per opened encoder.
    bool Encode(const StereoBuffer& audio, std::vector<std::uint8_t>& mp3);

private:
    struct Closer {
        void operator()(lame_global_struct* lame) const;
    };
    std::unique_ptr<lame_global_struct, Closer> lame;
};

} // namespace assetgen::audio
