#pragma once

#include <atomic>

namespace core {

// How many timers of one registry are running: each timer counts itself in when it starts and
// out when it stops.
class TimerCount {
public:
    void Add() { ++live; }
    // Counts one timer out; returns the count before.
    unsigned Remove() { return live.fetch_sub(1); }
    unsigned Live() const { return live.load(); }

private:
    std::atomic<unsigned> live{0};
};

} // namespace core
