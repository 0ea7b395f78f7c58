#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/TimerService.h"

namespace core {

// One named periodic timer, started when made and stopped when destroyed. It counts its firings
// against a repeat limit; the process keeps a count of live started timers.
class MultimediaTimer {
public:
    // Called on the service's thread at every firing, with this timer's id.
    using FiringCallback = std::function<void(std::uint32_t timerId)>;

    MultimediaTimer(platform::TimerService& service, std::uint32_t delay, std::int32_t repeatLimit,
                    FiringCallback onFiring);
    ~MultimediaTimer();
    MultimediaTimer(const MultimediaTimer&) = delete;
    MultimediaTimer& operator=(const MultimediaTimer&) = delete;

    // Counts one firing against the limit: true when this firing is the last one. A limit of 0
    // never ends and counts nothing.
    bool ReachedEnd();

    // Timers started and not yet destroyed, in the whole process.
    static unsigned LiveCount();

    std::string name;
    std::int32_t repeatLimit;
    std::uint32_t timerId = 0; // 0 when the service could not start it
    std::uint32_t resolution = 1;
    std::uint32_t delay;
    std::int32_t fireCount = 0;

private:
    platform::TimerService& service;
};

} // namespace core
