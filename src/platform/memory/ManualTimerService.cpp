#include "platform/memory/ManualTimerService.h"

namespace platform {

std::uint32_t ManualTimerService::Start(std::uint32_t periodMs, Callback callback) {
    if (periodMs == 0 || !callback || refusing) {
        return 0;
    }
    const std::uint32_t id = NewId();
    timers.emplace(
        id, Timer{periodMs, now + periodMs, std::make_shared<const Callback>(std::move(callback))});
    return id;
}

void ManualTimerService::Stop(std::uint32_t id) {
    timers.erase(id);
}

void ManualTimerService::Advance(std::uint32_t ms) {
    const std::uint64_t end = now + ms;
    // Looked up afresh after every call, since the callback may have started or stopped timers.
    for (auto timer = NextDue(end); timer != timers.end(); timer = NextDue(end)) {
        now = timer->second.due;
        timer->second.due += timer->second.period;
        const std::shared_ptr<const Callback> callback = timer->second.callback;
        (*callback)();
    }
    now = end;
}

ManualTimerService::TimerMap::iterator ManualTimerService::NextDue(std::uint64_t end) {
    TimerMap::iterator next = timers.end();
    for (auto timer = timers.begin(); timer != timers.end(); ++timer) {
        const std::uint64_t due = timer->second.due;
        if (due <= end && (next == timers.end() || due < next->second.due)) {
            next = timer;
        }
    }
    return next;
}

} // namespace platform
