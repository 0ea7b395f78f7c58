#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "CompositionStyle.h"
#include "Mixer.h"
#include "StereoBuffer.h"

namespace assetgen::audio {

// One piece of the game's music: where it goes, how it is written and how it is mixed.
struct MusicTrack {
    std::string path;
    std::uint64_t seed = 0;
    CompositionStyle style;
    MixSettings mix;

    // The finished loop; the same samples on every run.
    StereoBuffer Render() const;

    // The menu piece and the three board pieces.
    static std::vector<MusicTrack> GameTracks();
};

} // namespace assetgen::audio
