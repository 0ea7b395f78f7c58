#include "core/MultimediaTimer.h"

#include <atomic>
#include <memory>
#include <mutex>

#include "core/Trace.h"

namespace core {

namespace {

std::atomic<unsigned> liveTimers{0};

// The id is known only once Start returns, but a firing may already be under way by then on the
// service's thread. The firing reads the id from here, after the constructor has filled it in.
struct IdCell {
    std::mutex mutex;
    std::uint32_t id = 0;
};

} // namespace

MultimediaTimer::MultimediaTimer(platform::TimerService& service, std::uint32_t delay,
                                 std::int32_t repeatLimit, FiringCallback onFiring)
    : repeatLimit(repeatLimit), delay(delay), service(service) {
    const unsigned live = liveTimers.load();
    if (live > 16) {
        Trace("超出最大线程数:  %d  \n", static_cast<int>(live));
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
        ++liveTimers;
    }
}

MultimediaTimer::~MultimediaTimer() {
    if (timerId == 0) {
        return;
    }
    const unsigned before = liveTimers.fetch_sub(1);
    Trace("消除后当前最大线程是: %d  \n", static_cast<int>(before));
    service.Stop(timerId);
}

bool MultimediaTimer::ReachedEnd() {
    if (repeatLimit == 0) {
        return false;
    }
    return ++fireCount == repeatLimit;
}

unsigned MultimediaTimer::LiveCount() {
    return liveTimers.load();
}

} // namespace core
