#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "core/TimerCount.h"
#include "platform/TimerService.h"

namespace core {

// One named periodic timer, started when made and stopped when destroyed. It counts its firings
// against a repeat limit, and itself in the live count of its registry while it runs.
class MultimediaTimer {
public:
    // Called on the service's thread at every firing, with this timer's id.
    using FiringCallback = std::function<void(std::uint32_t timerId)>;

    // The service and the count must outlive the timer.
    MultimediaTimer(platform::TimerService& service, TimerCount& live, std::uint32_t delay,
                    std::int32_t repeatLimit, FiringCallback onFiring);
    ~MultimediaTimer();
    MultimediaTimer(const MultimediaTimer&) = delete;
    MultimediaTimer& operator=(const MultimediaTimer&) = delete;

    // Counts one firing against the limit: true when this firing is the last one. A limit of 0
    // never ends and counts nothing.
    bool ReachedEnd();

    std::string name;
    std::int32_t repeatLimit;
    std::uint32_t timerId = 0; // 0 when the service could not start it
    std::uint32_t resolution = 1;
    std::uint32_t delay;
    std::int32_t fireCount = 0;

private:
    platform::TimerService& service;
    TimerCount& live;
};

} // namespace core
