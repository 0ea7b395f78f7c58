#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

#include "platform/Messages.h"

namespace platform {

// The window's posted-message queue. Any thread may post; only the main thread takes. A post
// wakes a waiting taker, and an optional waker lets the desktop's event wait return as well.
class MessageQueue {
public:
    void Post(const Message& message);
    // Takes the oldest message, if any.
    bool TryTake(Message& message);
    bool Empty() const;
    // Waits until a message is posted or the timeout passes.
    void WaitFor(std::chrono::milliseconds timeout);
    // Called after every post, from the posting thread (for instance to push a desktop event).
    void SetWaker(std::function<void()> waker);

private:
    mutable std::mutex mutex;
    std::condition_variable posted;
    std::deque<Message> messages;
    std::function<void()> waker;
};

} // namespace platform
