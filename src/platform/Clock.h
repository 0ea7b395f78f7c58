#pragma once

#include <chrono>
#include <cstdint>

namespace platform {

// A millisecond clock that only moves forward, like the multimedia timer's clock.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::uint32_t Milliseconds() const = 0;
};

class SteadyClock : public Clock {
public:
    std::uint32_t Milliseconds() const override {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        return static_cast<std::uint32_t>(
            std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
    }
};

// A clock that tests move by hand.
class ManualClock : public Clock {
public:
    std::uint32_t Milliseconds() const override { return now; }
    void Advance(std::uint32_t milliseconds) { now += milliseconds; }

    std::uint32_t now = 0;
};

} // namespace platform
