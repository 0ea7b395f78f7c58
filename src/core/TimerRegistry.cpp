#include "core/TimerRegistry.h"

#include <algorithm>

namespace core {

TimerRegistry::TimerRegistry(platform::TimerService& service, PostFiring postFiring,
                             TimerEvent onTimerEvent)
    : service(service), postFiring(std::move(postFiring)), onTimerEvent(std::move(onTimerEvent)) {}

TimerRegistry::~TimerRegistry() {
    KillAllTimers();
}

bool TimerRegistry::AddTimer(int delay, const std::string& name, int repeatCount, Firing onFire) {
    if (delay <= 0) {
        return false;
    }
    if (byName.contains(name)) {
        return true;
    }
    // Every timer is stopped before the registry goes, so the firing may use its members.
    auto timer = std::make_unique<MultimediaTimer>(service, live, static_cast<std::uint32_t>(delay),
                                                   repeatCount, [this](std::uint32_t timerId) {
                                                       if (postFiring) {
                                                           postFiring(timerId);
                                                       }
                                                   });
    timer->name = name;
    timers.push_back(timer.get());
    byName.emplace(name, Entry{std::move(timer), std::move(onFire)});
    return true;
}

void TimerRegistry::KillTimer(const std::string& name) {
    const auto entry = byName.find(name);
    if (entry == byName.end()) {
        return;
    }
    const std::unique_ptr<MultimediaTimer> timer = std::move(entry->second.timer);
    byName.erase(entry);
    timers.remove(timer.get());
}

void TimerRegistry::KillAllTimers() {
    // Emptied before the timers are destroyed, so the registry is consistent while they stop.
    const auto doomed = std::move(byName);
    byName.clear();
    timers.clear();
}

void TimerRegistry::HandleFiring(std::uint32_t timerId, bool deliver) {
    if (timerId == 0) {
        return;
    }
    const auto found = std::find_if(timers.begin(), timers.end(), [timerId](const auto* timer) {
        return timer->timerId == timerId;
    });
    if (found == timers.end()) {
        return;
    }
    const bool ended = (*found)->ReachedEnd();
    // Copied: the handler may destroy the timer.
    const std::string name = (*found)->name;
    const Firing onFire = byName.at(name).onFire;
    if (deliver && onFire) {
        onFire();
    } else if (deliver && onTimerEvent) {
        onTimerEvent(name);
    }
    if (!ended) {
        return;
    }
    // Only the timer that ended: the handler may have replaced it with a new one of that name.
    const auto entry = byName.find(name);
    if (entry != byName.end() && entry->second.timer->timerId == timerId) {
        KillTimer(name);
    }
}

} // namespace core
