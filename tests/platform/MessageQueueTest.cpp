#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>

#include "platform/MessageQueue.h"

namespace {

using namespace std::chrono_literals;
using platform::Event;
using platform::EventKind;
using platform::MessageQueue;

// The window is destroyed right after its waker is taken away: a wake still under way on
// another thread would reach a window that is gone.
TEST(MessageQueueTest, TakingTheWakerAwayWaitsForAWakeUnderWay) {
    MessageQueue queue;
    std::promise<void> entered;
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    queue.SetWaker([&entered, released] {
        entered.set_value();
        released.wait();
    });
    std::thread poster([&queue] { queue.Post(Event::Of(EventKind::PlaybackEnded)); });
    entered.get_future().wait();

    std::atomic<bool> replaced = false;
    std::thread main([&queue, &replaced] {
        queue.SetWaker(nullptr);
        replaced = true;
    });
    std::this_thread::sleep_for(50ms);
    EXPECT_FALSE(replaced) << "returned while the wake went on";
    release.set_value();
    main.join();
    poster.join();
    EXPECT_TRUE(replaced);

    Event event;
    ASSERT_TRUE(queue.TryTake(event));
    EXPECT_EQ(event.kind, EventKind::PlaybackEnded);
    queue.Post(Event::Of(EventKind::PlaybackEnded)); // no waker: nothing is called
    EXPECT_FALSE(queue.Empty());
}

} // namespace
