#pragma once

#include <string>

namespace formats {

// What of a sound file's bytes may be handed to the mixer. The mixer sizes what it decodes by
// the lengths the file's headers claim, so a few damaged bytes could make it allocate gigabytes;
// only the game's own formats pass, with every length held to the bytes the file holds.
class SoundFileCheck {
public:
    enum class Verdict {
        Wave, // a RIFF wave file, its chunk lengths cut to what follows them
        Mpeg, // MPEG audio: an ID3v2 tag (its length cut likewise) or a layer III frame first
        Refused,
    };

    // The lowest and highest sample rates a wave file may have. A lower rate would grow its
    // samples many times over when they are converted to the device's 44100 Hz.
    static constexpr unsigned kMinWaveRate = 8000;
    static constexpr unsigned kMaxWaveRate = 384000;

    // Looks at `bytes` and cuts the lengths in them down to the file. Refused: neither a wave
    // file nor MPEG audio (the mixer would try other formats whose decoded size the file does
    // not bound), or a wave without a format chunk or with a rate outside the range above.
    static Verdict Prepare(std::string& bytes);
};

} // namespace formats
