#include "platform/MessageQueue.h"

namespace platform {

void MessageQueue::Post(const Event& event) {
    std::function<void()> wake;
    {
        std::lock_guard lock(mutex);
        events.push_back(event);
        wake = waker;
    }
    posted.notify_one();
    if (wake) {
        wake();
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
    std::lock_guard lock(mutex);
    waker = std::move(newWaker);
}

} // namespace platform
