#pragma once

#include <cstdint>
#include <random>

// A seeded source of random numbers that gives the same sequence on every platform: the
// standard engines are fixed by the standard, the distributions are not, so none is used.
class Random {
public:
    explicit Random(std::uint64_t seed) : engine(seed) {}

    // A number in [0, bound); bound must be positive.
    int Below(int bound) { return static_cast<int>(engine() % static_cast<std::uint64_t>(bound)); }

    // Puts the elements of `items` in a random order.
    template <typename T>
    void Shuffle(T& items) {
        for (int i = static_cast<int>(items.size()) - 1; i > 0; --i) {
            std::swap(items[i], items[Below(i + 1)]);
        }
    }

private:
    std::mt19937_64 engine;
};
