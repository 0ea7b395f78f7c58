#include "platform/MessageQueue.h"

namespace platform {

void MessageQueue::Post(const Message& message) {
    std::function<void()> wake;
    {
        std::lock_guard lock(mutex);
        messages.push_back(message);
        wake = waker;
    }
    posted.notify_one();
    if (wake) {
        wake();
    }
}

bool MessageQueue::TryTake(Message& message) {
    std::lock_guard lock(mutex);
    if (messages.empty()) {
        return false;
    }
    message = messages.front();
    messages.pop_front();
    return true;
}

bool MessageQueue::Empty() const {
    std::lock_guard lock(mutex);
    return messages.empty();
}

void MessageQueue::WaitFor(std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex);
    posted.wait_for(lock, timeout, [this] { return !messages.empty(); });
}

void MessageQueue::SetWaker(std::function<void()> newWaker) {
    std::lock_guard lock(mutex);
    waker = std::move(newWaker);
}

} // namespace platform
