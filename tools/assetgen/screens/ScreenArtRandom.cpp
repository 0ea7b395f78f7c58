#include "screens/ScreenArtRandom.h"

namespace assetgen {

ScreenArtRandom::ScreenArtRandom(std::uint32_t seed) : state(seed != 0 ? seed : 0x9E3779B9u) {}

std::uint32_t ScreenArtRandom::Next() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}

double ScreenArtRandom::Uniform() {
    return (Next() >> 8) / 16777216.0;
}

} // namespace assetgen
