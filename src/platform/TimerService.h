#pragma once

#include <cstdint>
#include <functional>

namespace platform {

// Periodic timers. Each started timer calls its callback once per period until stopped.
class TimerService {
public:
    virtual ~TimerService();

    using Callback = std::function<void()>;

    // Starts a timer and returns its id: never 0 and never handed out again in this process.
    // Returns 0 when the timer cannot start.
    virtual std::uint32_t Start(std::uint32_t periodMs, Callback callback) = 0;
    // Once Stop returns, the callback of `id` is never called again: a call under way on another
    // thread is waited for (a call from inside that very callback returns at once). Unknown ids
    // are ignored.
    virtual void Stop(std::uint32_t id) = 0;

protected:
    // The next id from the process-wide sequence shared by every service.
    static std::uint32_t NewId();
};

} // namespace platform
