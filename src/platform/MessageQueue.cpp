#include "platform/MessageQueue.h"

namespace platform {

void MessageQueue::Post(const Event& event) {
    {
        std::lock_guard lock(mutex);
        events.push_back(event);
    }
    posted.notify_one();
    std::lock_guard wakeLock(wakeMutex);
    if (waker) {
        waker();
    }
}

bool MessageQueue::TryTake(Event& event) {
    std::lock_guard lock(mutex);
    if (events.empty()) {
        return false;
    }
    event = events.front();
    events.pop_front();
    return true;
}

bool MessageQueue::Empty() const {
    std::lock_guard lock(mutex);
    return events.empty();
}

void MessageQueue::WaitFor(std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex);
    posted.wait_for(lock, timeout, [this] { return !events.empty(); });
}

void MessageQueue::SetWaker(std::function<void()> newWaker) {
    std::lock_guard wakeLock(wakeMutex);
    waker = std::move(newWaker);
}

} // namespace platform
