#include "core/MultimediaTimer.h"

#include <memory>
#include <mutex>

#include "core/Trace.h"

namespace core {

namespace {

// The id is known only once Start returns, but a firing may already be under way by then on the
// service's thread. The firing reads the id from here, after the constructor has filled it in.
struct IdCell {
    std::mutex mutex;
    std::uint32_t id = 0;
};

} // namespace

MultimediaTimer::MultimediaTimer(platform::TimerService& service, TimerCount& live,
                                 std::uint32_t delay, std::int32_t repeatLimit,
                                 FiringCallback onFiring)
    : repeatLimit(repeatLimit), delay(delay), service(service), live(live) {
    const unsigned running = live.Live();
    if (running > 16) {
        Trace("超出最大线程数:  %d  \n", static_cast<int>(running));
    }
    auto cell = std::make_shared<IdCell>();
    std::lock_guard lock(cell->mutex);
    timerId = service.Start(delay, [cell, onFiring = std::move(onFiring)] {
        std::uint32_t id = 0;
        {
            std::lock_guard idLock(cell->mutex);
            id = cell->id;
        }
        onFiring(id);
    });
    cell->id = timerId;
    if (timerId != 0) {
        live.Add();
    }
}

MultimediaTimer::~MultimediaTimer() {
    if (timerId == 0) {
        return;
    }
    const unsigned before = live.Remove();
    Trace("消除后当前最大线程是: %d  \n", static_cast<int>(before));
    service.Stop(timerId);
}

bool MultimediaTimer::ReachedEnd() {
    if (repeatLimit == 0) {
        return false;
    }
    return ++fireCount == repeatLimit;
}

} // namespace core
