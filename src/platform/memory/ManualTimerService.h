#pragma once

#include <map>
#include <memory>

#include "platform/TimerService.h"

namespace platform {

// A timer service for tests: time moves only when Advance is called, and callbacks run on the
// calling thread. Use it from one thread; callbacks may Start and Stop timers but not Advance.
class ManualTimerService : public TimerService {
public:
    // Returns 0 for a zero period, an empty callback, or while refusing starts.
    std::uint32_t Start(std::uint32_t periodMs, Callback callback) override;
    void Stop(std::uint32_t id) override;

    // Moves time on by `ms`, firing every timer that falls due on the way in order of due time,
    // timers due together in the order they were started. A timer fires once per period
    // covered. A timer started by a callback counts its first period from that firing's time.
    void Advance(std::uint32_t ms);

    // Milliseconds advanced so far; inside a callback, the firing's due time.
    std::uint64_t Now() const { return now; }
    // Timers started and not yet stopped.
    std::size_t ActiveCount() const { return timers.size(); }
    // Makes Start fail, as when the system has no timers left.
    void RefuseStarts(bool refuse) { refusing = refuse; }

private:
    struct Timer {
        std::uint64_t period;
        std::uint64_t due;
        // Shared so that a callback that stops its own timer finishes safely.
        std::shared_ptr<const Callback> callback;
    };
    using TimerMap = std::map<std::uint32_t, Timer>;

    // The timer due first, but not after `end`; ids grow with every start, so ties go to the
    // earlier start.
    TimerMap::iterator NextDue(std::uint64_t end);

    TimerMap timers;
    std::uint64_t now = 0;
    bool refusing = false;
};

} // namespace platform
