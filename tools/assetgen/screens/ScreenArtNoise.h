#pragma once

#include <array>
#include <cstdint>

namespace assetgen {

// Smooth value noise on a lattice, the base of the wood grain, the parchment's blotches and the
// ink-wash ridges. Deterministic for a seed.
class ScreenArtNoise {
public:
    explicit ScreenArtNoise(std::uint32_t seed);

    // In [0, 1]; features about one unit apart.
    double At(double x, double y) const;
    // `octaves` layers, each twice as fine and half as strong; in [0, 1].
    double Fbm(double x, double y, int octaves) const;
    // Sharp-crested noise for mountain ridges: 1 on the crests; in [0, 1].
    double Ridged(double x, double y, int octaves) const;

private:
    double Lattice(int x, int y) const;

    std::array<std::uint8_t, 512> permutation{};
    std::array<float, 256> values{};
};

} // namespace assetgen
