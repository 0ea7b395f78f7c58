#pragma once

#include <cstdint>
#include <functional>
#include <list>
#include <map>
#include <memory>
#include <string>

#include "core/MultimediaTimer.h"
#include "core/TimerCount.h"

namespace core {

// The game's named timers. The service's thread only reports a firing through postFiring; the
// application posts it to the main thread, which hands it back to HandleFiring. Everything else
// runs on the main thread. A timer made with a callback of its owner delivers its firings
// there; the others deliver theirs as named events. The names serve KillTimer and the traces.
class TimerRegistry {
public:
    using PostFiring = std::function<void(std::uint32_t timerId)>;
    using TimerEvent = std::function<void(const std::string& name)>;
    using Firing = std::function<void()>;

    TimerRegistry(platform::TimerService& service, PostFiring postFiring, TimerEvent onTimerEvent);
    ~TimerRegistry();
    TimerRegistry(const TimerRegistry&) = delete;
    TimerRegistry& operator=(const TimerRegistry&) = delete;

    // Starts a timer firing every `delay` ms; `repeatCount` events and it is gone, 0 for no end.
    // Each firing goes to `onFire` when given, else to the named event. False only for a delay
    // that is not positive. A name already in use keeps its running timer untouched.
    bool AddTimer(int delay, const std::string& name, int repeatCount, Firing onFire = nullptr);
    void KillTimer(const std::string& name);
    void KillAllTimers();
    // Delivers one posted firing, unless `deliver` is false: then it is dropped, not delayed,
    // and still counts against its timer's repeats. Firings of timers gone since are dropped.
    // The handler may add and kill timers, its own included.
    void HandleFiring(std::uint32_t timerId, bool deliver = true);

    bool IsRegistered(const std::string& name) const { return byName.contains(name); }
    std::size_t Count() const { return byName.size(); }
    // The timers that started and are not yet destroyed.
    unsigned LiveCount() const { return live.Live(); }

private:
    platform::TimerService& service;
    const PostFiring postFiring;
    TimerEvent onTimerEvent;
    // Declared before the timers, which count themselves out of it as they go.
    TimerCount live;
    struct Entry {
        std::unique_ptr<MultimediaTimer> timer;
        Firing onFire;
    };

    std::list<MultimediaTimer*> timers; // creation order
    std::map<std::string, Entry> byName;
};

} // namespace core
