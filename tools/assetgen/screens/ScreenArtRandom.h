#pragma once

#include <cstdint>

namespace assetgen {

// A 32-bit xorshift generator for the screens' scattered details (speckles, brush jitter,
// banner places). Fixed seeds give the same pictures on every run and every machine.
class ScreenArtRandom {
public:
    // A zero seed is replaced, since xorshift never leaves zero.
    explicit ScreenArtRandom(std::uint32_t seed);

    std::uint32_t Next();
    // In [0, 1).
    double Uniform();
    // In [low, high).
    double Range(double low, double high) { return low + (high - low) * Uniform(); }

private:
    std::uint32_t state;
};

} // namespace assetgen
