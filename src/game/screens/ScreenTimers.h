#pragma once

#include <functional>
#include <string>

namespace game {

// Starts and stops a screen's named timers; the game wires both to its timer registry, whose
// events come back to the screen's HandleTimerEvent. A started timer fires every delayMs until
// it is stopped. Unwired, nothing is timed.
struct ScreenTimers {
    std::function<void(int delayMs, const std::string& name)> start;
    std::function<void(const std::string& name)> stop;

    void Start(int delayMs, const std::string& name) const {
        if (start) {
            start(delayMs, name);
        }
    }
    void Stop(const std::string& name) const {
        if (stop) {
            stop(name);
        }
    }
};

} // namespace game
