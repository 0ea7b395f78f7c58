#include "core/RandomRange.h"

#include <chrono>
#include <cstdlib>

namespace core {

RandomRange::RandomRange(int newLow, int high) {
    if (high <= newLow) {
        return;
    }
    low = newLow;
    range = static_cast<unsigned>(high - newLow);
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::srand(static_cast<unsigned>(ticks));
}

int RandomRange::Next() const {
    if (range == 0) {
        return low;
    }
    return low + static_cast<int>(static_cast<unsigned>(std::rand()) % range);
}

} // namespace core
