#include "Prng.h"

#include <cassert>

namespace assetgen::audio {

Prng::Prng(std::uint64_t seed) {
    Next();
    state += seed;
    Next();
}

std::uint32_t Prng::Next() {
    const std::uint64_t old = state;
    state = old * 6364136223846793005ULL + kIncrement;
    const auto xorShifted = static_cast<std::uint32_t>(((old >> 18u) ^ old) >> 27u);
    const auto rotation = static_cast<std::uint32_t>(old >> 59u);
    return (xorShifted >> rotation) | (xorShifted << ((32u - rotation) & 31u));
}

double Prng::Uniform() {
    return Next() * (1.0 / 4294967296.0);
}

int Prng::Below(int bound) {
    assert(bound > 0);
    return static_cast<int>(Next() % static_cast<std::uint32_t>(bound));
}

std::size_t Prng::Pick(std::initializer_list<double> weights) {
    double total = 0.0;
    for (const double weight : weights) {
        total += weight;
    }
    double point = Uniform() * total;
    std::size_t index = 0;
    for (const double weight : weights) {
        if (point < weight) {
            return index;
        }
        point -= weight;
        ++index;
    }
    return weights.size() - 1;
}

} // namespace assetgen::audio
