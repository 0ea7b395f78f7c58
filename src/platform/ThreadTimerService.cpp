#include "platform/ThreadTimerService.h"

namespace platform {

ThreadTimerService::ThreadTimerService() : thread(&ThreadTimerService::Run, this) {}

ThreadTimerService::~ThreadTimerService() {
    {
        std::lock_guard lock(mutex);
        quitting = true;
    }
    wake.notify_one();
    thread.join();
}

std::uint32_t ThreadTimerService::Start(std::uint32_t periodMs, Callback callback) {
    if (periodMs == 0 || !callback) {
        return 0;
    }
    const std::uint32_t id = NewId();
    const Clock::duration period = std::chrono::milliseconds(periodMs);
    {
        std::lock_guard lock(mutex);
        timers.emplace(id, Timer{period, Clock::now() + period,
                                 std::make_shared<const Callback>(std::move(callback))});
    }
    wake.notify_one();
    return id;
}

void ThreadTimerService::Stop(std::uint32_t id) {
    std::unique_lock lock(mutex);
    timers.erase(id);
    if (std::this_thread::get_id() != threadId) {
        called.wait(lock, [this, id] { return running != id; });
    }
}

ThreadTimerService::Clock::time_point ThreadTimerService::NextDeadline(Clock::time_point due,
                                                                       Clock::duration period,
                                                                       Clock::time_point now) {
    Clock::time_point next = due + period;
    if (next < now) {
        next += (now - next) / period * period;
        if (next < now) {
            next += period;
        }
    }
    return next;
}

void ThreadTimerService::Run() {
    std::unique_lock lock(mutex);
    threadId = std::this_thread::get_id();
    while (!quitting) {
        const TimerMap::iterator earliest = Earliest();
        if (earliest == timers.end()) {
            wake.wait(lock);
            continue;
        }
        const Clock::time_point now = Clock::now();
        const Clock::time_point due = earliest->second.due; // the entry may go while waiting
        if (now < due) {
            wake.wait_until(lock, due);
            continue;
        }
        Fire(lock, earliest, now);
    }
}

ThreadTimerService::TimerMap::iterator ThreadTimerService::Earliest() {
    TimerMap::iterator earliest = timers.end();
    for (auto timer = timers.begin(); timer != timers.end(); ++timer) {
        if (earliest == timers.end() || timer->second.due < earliest->second.due) {
            earliest = timer;
        }
    }
    return earliest;
}

void ThreadTimerService::Fire(std::unique_lock<std::mutex>& lock, TimerMap::iterator timer,
                              Clock::time_point now) {
    timer->second.due = NextDeadline(timer->second.due, timer->second.period, now);
    std::shared_ptr<const Callback> callback = timer->second.callback;
    running = timer->first;
    lock.unlock();
    (*callback)();
    // Dropped while still marked running: once Stop returns, this thread holds nothing of it.
    callback.reset();
    lock.lock();
    running = 0;
    called.notify_all();
}

} // namespace platform
