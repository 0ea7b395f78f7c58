#pragma once

#include <chrono>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

#include "platform/TimerService.h"

namespace platform {

// Runs every timer on one background thread, which sleeps until the earliest deadline. Each
// timer keeps its phase: its deadlines are Start + k * period. A timer that fell behind by more
// than a period skips the firings it missed instead of catching up in a burst.
// Callbacks run on the background thread; the destructor stops it and must not be called from a
// callback.
class ThreadTimerService : public TimerService {
public:
    using Clock = std::chrono::steady_clock;

    ThreadTimerService();
    ~ThreadTimerService() override;
    ThreadTimerService(const ThreadTimerService&) = delete;
    ThreadTimerService& operator=(const ThreadTimerService&) = delete;

    // Returns 0 for a zero period or an empty callback.
    std::uint32_t Start(std::uint32_t periodMs, Callback callback) override;
    void Stop(std::uint32_t id) override;

    // The deadline after `due` for a timer fired at `now`: due + period, or, when that is
    // already past, the first deadline of the same phase that is not before `now`.
    static Clock::time_point NextDeadline(Clock::time_point due, Clock::duration period,
                                          Clock::time_point now);

private:
    struct Timer {
        Clock::duration period;
        Clock::time_point due;
        // Shared so that a call under way survives a Stop from inside the callback.
        std::shared_ptr<const Callback> callback;
    };
    using TimerMap = std::map<std::uint32_t, Timer>;

    void Run();
    TimerMap::iterator Earliest();
    void Fire(std::unique_lock<std::mutex>& lock, TimerMap::iterator timer, Clock::time_point now);

    std::mutex mutex;
    std::condition_variable wake;   // the thread: timers changed or it must quit
    std::condition_variable called; // Stop: the running callback returned
    TimerMap timers;                // by id, so ties in due time go in start order
    std::uint32_t running = 0;      // id whose callback is being called, 0 when none
    std::thread::id threadId;
    bool quitting = false;
    std::thread thread;
};

} // namespace platform
