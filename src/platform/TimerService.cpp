#include "platform/TimerService.h"

#include <atomic>

namespace platform {

TimerService::~TimerService() = default;

std::uint32_t TimerService::NewId() {
    // One sequence for all services, so an id names one timer for the life of the process.
    static std::atomic<std::uint32_t> last{0};
    return ++last;
}

} // namespace platform
