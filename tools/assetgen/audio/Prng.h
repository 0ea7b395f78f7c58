#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace assetgen::audio {

// A small permuted congruential generator (PCG32). The music is written from fixed seeds, so
// the same numbers must come out on every run and every machine; the standard distributions
// do not promise that, and nothing here reads the clock.
class Prng {
public:
    explicit Prng(std::uint64_t seed);

    std::uint32_t Next();
    // In [0, 1).
    double Uniform();
    // In [-1, 1).
    double Symmetric() { return 2.0 * Uniform() - 1.0; }
    // In [0, bound); bound must be positive.
    int Below(int bound);
    bool Chance(double probability) { return Uniform() < probability; }
    // An index into `weights`, each drawn in proportion to its weight.
    std::size_t Pick(std::initializer_list<double> weights);

private:
    std::uint64_t state = 0;
    static constexpr std::uint64_t kIncrement = 1442695040888963407ULL;
};

} // namespace assetgen::audio
