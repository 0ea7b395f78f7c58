#pragma once

#include <functional>
#include <string>

namespace app {

// Named timers: every firing comes back on the main thread, to the owner's callback when the
// timer has one, else as a timed event carrying the timer's name. The application runs them;
// screens and widgets that animate are handed this part.
class Timers {
public:
    virtual ~Timers() = default;

    // Starts a timer firing every `delayMs`: `repeatCount` events and it is gone, 0 for no end.
    // A name in use keeps its running timer. False when no timer can be set.
    virtual bool AddTimer(int delayMs, const std::string& name, int repeatCount,
                          std::function<void()> onFire = nullptr) = 0;
    // Stops the named timer; an unknown name is ignored.
    virtual void KillTimer(const std::string& name) = 0;
};

} // namespace app
