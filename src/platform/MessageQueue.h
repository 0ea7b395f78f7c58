#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

#include "platform/Event.h"

namespace platform {

// The window's queue of events. Any thread may post; only the main thread takes. A post wakes a
// waiting taker, and an optional waker lets the desktop's event wait return as well.
class MessageQueue {
public:
    void Post(const Event& event);
    // Takes the oldest event, if any.
    bool TryTake(Event& event);
    bool Empty() const;
    // Waits until an event is posted or the timeout passes.
    void WaitFor(std::chrono::milliseconds timeout);
    // Called after every post, from the posting thread (for instance to push a desktop event).
    // Returns once no call of the previous waker is under way, so whatever it wakes may go.
    void SetWaker(std::function<void()> waker);

private:
    mutable std::mutex mutex;
    std::condition_variable posted;
    std::deque<Event> events;
    // Held while the waker is replaced or called; never together with `mutex`.
    std::mutex wakeMutex;
    std::function<void()> waker;
};

} // namespace platform
