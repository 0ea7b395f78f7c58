#pragma once

#include <cstdint>

namespace core {

// A random integer in [low, high) from the C runtime's generator, seeded from the clock when
// made. With high <= low it holds no range and Next() gives 0.
class RandomRange {
public:
    RandomRange(int low, int high);
    int Next() const;

private:
    int low = 0;
    unsigned range = 0;
};

} // namespace core
